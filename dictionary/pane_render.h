#pragma once
#include <optional>
#include <stop_token>

#include "dictionary/catalogue.h"
#include "dictionary/loaded_dictionary.h"
#include "dictionary/render.h"

namespace lexorin {

// What showing one pane's selected entry came to.
enum class PaneRenderOutcome {
  Rendered,        // the view was cleared and the entry written
  NoSelection,     // nothing selected: the view is unchanged
  Unchanged,       // Russian-Vietnamese entry whose offset and length are both 0
  ReadError,       // Russian-Vietnamese entry that read 0 bytes ("Read File Error")
  ConversionError, // Russian-Vietnamese entry that converted to no text (message 3)
  Stopped,         // a newer render took over part-way
};

// The body of a pane's render worker: reads the selected entry of `pane`
// from `dictionary` and renders it into `sink` with the pane's mark-up. Only
// the Russian-Vietnamese pane reports unreadable entries; every other pane
// renders whatever was read, so an unreadable entry leaves its view empty.
PaneRenderOutcome RenderPaneEntry(const LoadedDictionary& dictionary, PaneId pane, std::optional<size_t> selected,
                                  RunSink& sink, std::stop_token stop = {});

}  // namespace lexorin

#include "dictionary/pane_render.h"

#include "dictionary/radix64.h"

namespace lexorin {

PaneRenderOutcome RenderPaneEntry(const LoadedDictionary& dictionary, PaneId pane, std::optional<size_t> selected,
                                  RunSink& sink, std::stop_token stop) {
  if (!selected || *selected >= dictionary.size()) return PaneRenderOutcome::NoSelection;
  const bool reportsFailures = pane == PaneId::RusViet;
  const auto lines = dictionary.LinesAt(*selected);
  if (reportsFailures && lines && DecodeRadix64(lines->offset) == 0 && DecodeRadix64(lines->length) == 0) {
    return PaneRenderOutcome::Unchanged;
  }
  const EntryText entry = dictionary.ReadEntryAt(*selected);
  if (reportsFailures && entry.bytesRead == 0) return PaneRenderOutcome::ReadError;
  if (reportsFailures && entry.unitsConverted == 0) return PaneRenderOutcome::ConversionError;
  if (stop.stop_requested()) return PaneRenderOutcome::Stopped;
  return RenderEntry(entry.text, Pane(pane).variant, sink, stop) ? PaneRenderOutcome::Rendered
                                                                 : PaneRenderOutcome::Stopped;
}

}  // namespace lexorin

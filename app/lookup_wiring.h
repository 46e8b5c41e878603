#pragma once
#include <optional>
#include <span>
#include <string_view>

#include "dictionary/catalogue.h"

namespace lexorin {

enum class BaseFormLanguage { Russian, English };

// When an input box shows the panes it searched, after a change of its text.
enum class ShowOnChange { Always, WithAutoTranslate };

// How one input box drives its panes. A pane's find step searches the input
// box's text in the pane's word list; its show step renders the pane's
// selected entry.
struct InputWiring {
  std::string_view inputBox;
  GroupId group;
  std::span<const PaneId> find;          // find steps, in this order
  std::span<const PaneId> showOnChange;  // show steps after a change
  ShowOnChange showCondition;
  std::span<const PaneId> showOnEnter;   // empty: Enter does nothing special
  std::optional<BaseFormLanguage> baseForms;  // tried first, with Auto find infinitive
  std::string_view hiddenOnKey;          // list hidden on every key; empty: none
};

// Where a looked-up headword goes in the history of its input box.
enum class HistoryPosition { Top, End };

// A click on a pane's word list: the headword goes into the history of the
// pane's input box at `position`, the pane is shown, and with Auto pronounce
// the headword is spoken with the voice of `voice`.
struct WordListWiring {
  PaneId pane;
  HistoryPosition position;
  std::optional<GroupId> voice;
};

// A list of approximate-search results, shown over its pane's word list. A
// click on a clickable one selects the word in the pane's word list and
// shows the pane; the selectable group's list is never filled.
struct ResultListWiring {
  std::string_view list;
  PaneId pane;
  bool clickable;
};

// What a clear command empties for one group.
struct ClearTarget {
  GroupId group;
  std::string_view inputBox;
  PaneId pane;                  // its view is emptied
  std::string_view hiddenList;  // empty: none
};

std::span<const InputWiring> InputWirings();
std::span<const WordListWiring, kPaneCount> WordListWirings();
std::span<const ResultListWiring> ResultListWirings();
std::span<const ClearTarget> ClearLeftTargets();
std::span<const ClearTarget> ClearRightTargets();

const InputWiring* InputWiringOf(std::string_view inputBox);
const WordListWiring& WordListWiringOf(PaneId pane);

}  // namespace lexorin

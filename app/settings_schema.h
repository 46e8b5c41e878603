#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace lexorin {

// The tree is stamped with the program's version; a tree with any other
// stamp is wiped at start. The value name is spelled "Verion" in every tree
// the program has ever written.
inline constexpr std::string_view kVersionKey = "Version";
inline constexpr std::string_view kVersionValue = "Verion";
inline constexpr std::string_view kVersionStamp = "Lexorin 9.0";
// The program's folder, written once when missing; nothing reads it.
inline constexpr std::string_view kPathKey = "Path";
inline constexpr std::string_view kPathValue = "Path";
// Yes: the FAQ document opens at every start.
inline constexpr std::string_view kShowHelpKey = "ShowHelp";
inline constexpr std::string_view kShowHelpValue = "ShowHelp";
// The group active at exit, read by the entry point after the window shows.
inline constexpr std::string_view kDicActiveKey = "DicActive";
inline constexpr std::string_view kDicActiveValue = "DicActive";

enum class ValueKind { Flag, Integer, Text };

// What a stored value stands for in the running program.
enum class LiveTarget {
  CheckMark,          // the check mark of the menu item `subject`
  InterfaceLanguage,  // the mark of `subject`, applied by a click on it
  MiniModeCounter,
  WindowTop,
  WindowLeft,
  WindowWidth,
  WindowHeight,
  LowerPaneEdge,      // the handle of splitter `subject` above a group's lower pane
  RightColumnEdge,    // the handle of splitter `subject` left of a group's right column
  FontName,           // the font of control `subject`
  FontSize,
  FontColour,
  WordCount,          // the number of headwords in the word list of pane `index`
  SelectablePath,     // path `index` of the selectable dictionary (headwords, offsets, lengths, entries)
  Speaker,            // the speaker of group `index`
  ActiveGroup,        // the saved name of the active group
};

struct StoredValue {
  std::string name;
  ValueKind kind;
  LiveTarget target;
  std::string_view subject;
  size_t index = 0;
};

enum class Reading {
  AtCreateWhenKeyExists,
  Never,  // written at exit only, or read elsewhere
};

enum class Guard {
  EachValue,   // a missing or unwritable value is skipped alone
  WholeBlock,  // the first missing or unwritable value ends the group
};

// One key's values, read at start and written at exit as one group.
struct StoredGroup {
  std::string_view key;
  Reading reading;
  Guard guard;
  std::vector<StoredValue> values;
};

// Every group in the order of reading: options, positions, fonts, the
// active group and selectable paths, speakers, word counts.
std::span<const StoredGroup> StoredGroups();

// The controls whose fonts are kept, in order.
std::span<const std::string_view, 17> FontControls();

// The eight capture-mode menu items, in the order they are re-armed at
// start.
std::span<const std::string_view, 8> CaptureModeItems();

// Whether a stored splitter edge is applied at a mini-mode step: lower-pane
// edges at steps 0 and 1, right-column edges at step 0 only. A hidden pane
// has no edge to restore.
bool EdgeAppliesAtMiniModeStep(LiveTarget edge, int32_t step);

}  // namespace lexorin

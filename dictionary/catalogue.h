#pragma once
#include <array>
#include <optional>
#include <span>
#include <string_view>

#include "dictionary/markup_variant.h"

namespace lexorin {

enum class PaneId { RusViet, RusRus, VietRus, EngViet, EngEng, VietEng, FraViet, VietFra, VietViet, Selectable1, UserEdit };
enum class GroupId { Russian, English, French, Selectable, Editable };

inline constexpr size_t kPaneCount = 11;
inline constexpr size_t kGroupCount = 5;

// One pane: its dictionary files, its controls, its render slot and the
// mark-up its entries use. Names are the object names of the window's
// controls. `base` is empty for the selectable pane (its four paths are
// configured) and `showButton` empty for EngViet (its show step is a direct
// render).
struct PaneInfo {
  PaneId id;
  std::string_view name;
  std::string_view base;
  std::string_view wordList;
  std::string_view view;
  std::string_view inputBox;
  std::string_view findButton;
  std::string_view showButton;
  int workerSlot;  // 1 to 3
  MarkupVariant variant;
  GroupId group;
};

struct GroupInfo {
  GroupId id;
  std::string_view panel;
  int tab;
  std::string_view tabCaption;
  std::string_view menuItem;
  std::string_view captionVi;
  std::string_view captionEn;
  std::string_view shortcut;
  std::span<const PaneId> panes;
  std::span<const std::string_view> inputBoxes;
  std::string_view testList;    // the group is loaded when this list has items
  std::string_view savedName;   // the name the active group is remembered by
};

struct SingleDictionaryInfo {
  std::string_view command;     // the handler, e.g. "cVit1Click"
  std::string_view menuItem;
  std::string_view captionVi;
  std::string_view captionEn;
  std::string_view shortcut;
  std::string_view quickButton; // empty when it has none
  std::string_view hint;
  std::string_view base;
};

std::span<const PaneInfo, kPaneCount> Panes();
std::span<const GroupInfo, kGroupCount> Groups();
std::span<const SingleDictionaryInfo, 6> SingleDictionaries();

const PaneInfo& Pane(PaneId id);
const GroupInfo& Group(GroupId id);
std::optional<PaneId> PaneByName(std::string_view name);

}  // namespace lexorin

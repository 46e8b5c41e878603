#pragma once
#include <span>
#include <string_view>

#include "app/messages.h"

namespace lexorin {

// What a row of the caption tables stands for in the menu bar.
enum class MenuRowKind {
  Menu,     // a menu of the menu bar
  Item,     // an item of the menu opened by the last Menu row
  TopItem,  // an item standing in the menu bar itself
  Blank,    // no item: where the menus have separators
};

// One row of the two caption tables: the Vietnamese and English caption of
// one menu item, its shortcut, and how the item behaves in the menu.
struct CaptionRow {
  int row;
  MenuRowKind kind;
  std::string_view item;           // object name of the menu item
  std::string_view vietnamese;
  std::string_view english;
  std::string_view shortcut;       // portable key sequence text; empty: none
  std::string_view designCaption;  // the caption before any table is applied; empty: the Vietnamese row
  bool checkable = false;
  bool checkedByDefault = false;
};

inline constexpr size_t kCaptionRowCount = 67;

std::span<const CaptionRow, kCaptionRowCount> CaptionRows();

std::string_view CaptionOf(const CaptionRow& row, InterfaceLanguage language);
std::string_view DesignCaptionOf(const CaptionRow& row);

// The row of a menu item, or nullptr when the item is not in the tables.
const CaptionRow* CaptionRowOf(std::string_view item);

}  // namespace lexorin

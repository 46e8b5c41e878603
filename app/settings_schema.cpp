#include "app/settings_schema.h"

#include "dictionary/catalogue.h"

namespace lexorin {
namespace {

using enum LiveTarget;
using enum ValueKind;

struct CaptureModeOption {
  std::string_view name;
  std::string_view item;
};
constexpr CaptureModeOption kCaptureModeOptions[] = {
    {"GlanceMouse", "miPointRightMouse"},
    {"GlanceMouseShift", "miPointShiftRightMouse"},
    {"GlanceMouseCtrl", "miPointCtrlRightMouse"},
    {"GlanceShift", "miPointMousePressShift"},
    {"GlanceCtrl", "miPointMousePressCtrl"},
    {"SelectMouse", "miSelectAndRightMouse"},
    {"SelectShift", "miSelectAndPressShift"},
    {"SelectCtrl", "miSelectAndPressCtrl"},
};

constexpr std::string_view kCaptureModeItems[] = {
    kCaptureModeOptions[0].item, kCaptureModeOptions[1].item, kCaptureModeOptions[2].item,
    kCaptureModeOptions[3].item, kCaptureModeOptions[4].item, kCaptureModeOptions[5].item,
    kCaptureModeOptions[6].item, kCaptureModeOptions[7].item,
};

constexpr std::string_view kFontControls[] = {
    "TntComboBox3",  "TntListBox3",   "TntListBox4",  "TntComboBox1",  "TntListBox1",  "TntComboBox6",
    "TntListBox6",   "TntListBox9",   "TntComboBox12", "TntListBox12", "TntComboBox15", "TntListBox15",
    "TntListBox18",  "TntComboBox21", "TntListBox21", "TntComboBox2",  "TntListBox13",
};

struct WordCountRow {
  std::string_view name;
  PaneId pane;
};
constexpr WordCountRow kWordCounts[] = {
    {"NgaViet", PaneId::RusViet},     {"NgaNga", PaneId::RusRus},     {"VietNga", PaneId::VietRus},
    {"AnhViet", PaneId::EngViet},     {"AnhAnh", PaneId::EngEng},     {"VietAnh", PaneId::VietEng},
    {"PhapViet", PaneId::FraViet},    {"VietPhap", PaneId::VietFra},  {"VietViet", PaneId::VietViet},
    {"Tuchon", PaneId::Selectable1},  {"Tunhap", PaneId::UserEdit},
};

StoredGroup Options() {
  StoredGroup group{"Options", Reading::AtCreateWhenKeyExists, Guard::EachValue, {}};
  auto& v = group.values;
  v.push_back({"AutoTranslate", Flag, CheckMark, "Tdngdch1"});
  v.push_back({"AutoFindInfinitive", Flag, CheckMark, "Tdngtimnguyenth1"});
  v.push_back({"AutoSpeak", Flag, CheckMark, "Tdngphatam1"});
  v.push_back({"MiniMode", Integer, MiniModeCounter, ""});
  v.push_back({"OnTop", Flag, CheckMark, "Luonhinth1"});
  v.push_back({"NoChangeUserDic", Flag, CheckMark, "Cdnhtdintchn1"});
  for (const CaptureModeOption& mode : kCaptureModeOptions) {
    v.push_back({std::string(mode.name), Flag, CheckMark, mode.item});
  }
  // Last, so that the menus change language once every mark is in place.
  v.push_back({"Language", Flag, InterfaceLanguage, "GiaodintingAnh1"});
  return group;
}

StoredGroup Positions() {
  // The window first; then the edges above the lower panes, then the edges
  // left of the right-hand columns.
  return {"Positions",
          Reading::AtCreateWhenKeyExists,
          Guard::EachValue,
          {
              {"FormTop", Integer, WindowTop, ""},
              {"FormLeft", Integer, WindowLeft, ""},
              {"FormWidth", Integer, WindowWidth, ""},
              {"FormHeight", Integer, WindowHeight, ""},
              {"TntSplitter1Top", Integer, LowerPaneEdge, "TntSplitter1"},
              {"TntSplitter3Top", Integer, LowerPaneEdge, "TntSplitter3"},
              {"TntSplitter5Top", Integer, LowerPaneEdge, "TntSplitter5"},
              {"TntSplitter2Left", Integer, RightColumnEdge, "TntSplitter2"},
              {"TntSplitter4Left", Integer, RightColumnEdge, "TntSplitter4"},
              {"TntSplitter6Left", Integer, RightColumnEdge, "TntSplitter6"},
          }};
}

StoredGroup Fonts() {
  StoredGroup group{"Font", Reading::AtCreateWhenKeyExists, Guard::EachValue, {}};
  for (const std::string_view control : kFontControls) {
    const std::string stem(control);
    group.values.push_back({stem + "FontName", Text, FontName, control});
    group.values.push_back({stem + "FontSize", Integer, FontSize, control});
    group.values.push_back({stem + "FontColor", Integer, FontColour, control});
  }
  return group;
}

StoredGroup ActiveGroupName() {
  return {kDicActiveKey, Reading::Never, Guard::EachValue, {{std::string(kDicActiveValue), Text, ActiveGroup, ""}}};
}

StoredGroup SelectablePaths() {
  return {kDicActiveKey,
          Reading::AtCreateWhenKeyExists,
          Guard::WholeBlock,
          {
              {"UserList", Text, SelectablePath, "", 0},
              {"UserSeg", Text, SelectablePath, "", 1},
              {"UserOff", Text, SelectablePath, "", 2},
              {"UserDict", Text, SelectablePath, "", 3},
          }};
}

StoredGroup Speakers() {
  // In group order: Russian, English, French, selectable, editable.
  StoredGroup group{"SpeechEngine", Reading::AtCreateWhenKeyExists, Guard::WholeBlock, {}};
  constexpr std::string_view kNames[kGroupCount] = {"engineru", "engineen", "enginefr", "engineuser", "engineedit"};
  for (size_t i = 0; i < kGroupCount; ++i) group.values.push_back({std::string(kNames[i]), Integer, Speaker, "", i});
  return group;
}

StoredGroup WordCounts() {
  StoredGroup group{"Words", Reading::Never, Guard::EachValue, {}};
  for (const WordCountRow& row : kWordCounts) {
    group.values.push_back({std::string(row.name), Integer, WordCount, "", static_cast<size_t>(row.pane)});
  }
  return group;
}

}  // namespace

std::span<const StoredGroup> StoredGroups() {
  static const std::vector<StoredGroup> kGroups = {Options(),          Positions(), Fonts(),     ActiveGroupName(),
                                                   SelectablePaths(), Speakers(),  WordCounts()};
  return kGroups;
}

std::span<const std::string_view, 17> FontControls() { return kFontControls; }

std::span<const std::string_view, 8> CaptureModeItems() { return kCaptureModeItems; }

bool EdgeAppliesAtMiniModeStep(LiveTarget edge, int32_t step) {
  switch (edge) {
    case LowerPaneEdge: return step == 0 || step == 1;
    case RightColumnEdge: return step == 0;
    default: return true;
  }
}

}  // namespace lexorin

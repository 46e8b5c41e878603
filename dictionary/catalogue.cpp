#include "dictionary/catalogue.h"

namespace lexorin {
namespace {

using enum PaneId;
using enum MarkupVariant;

constexpr PaneInfo kPanes[kPaneCount] = {
    // pane       base        word list       view                  input box        find          show          slot variant  group
    {RusViet,     "RusViet",     "ngaviet",  "TntListBox3",  "TntRichEdit2",      "TntComboBox3",  "TntButton3",  "Button4",    1, IpaFull,     GroupId::Russian},
    {RusRus,      "RusRus",      "nganga",   "TntListBox4",  "TntRichEdit1",      "TntComboBox3",  "TntButton4",  "Button10",   2, IpaFull,     GroupId::Russian},
    {VietRus,     "VietRus",     "vietnga",  "TntListBox1",  "TntRichEdit3",      "TntComboBox1",  "Button2",     "TntButton1", 3, IpaFull,     GroupId::Russian},
    {EngViet,     "EngViet",     "anhviet",  "TntListBox6",  "TntRichEdit4",      "TntComboBox6",  "TntButton5",  "",           1, IpaCore,     GroupId::English},
    {EngEng,      "EngEng",      "anhanh",   "TntListBox9",  "TntRichEdit5",      "TntComboBox6",  "TntButton6",  "TntButton8", 2, BracketOnly, GroupId::English},
    {VietEng,     "VietEng",     "vietanh",  "TntListBox12", "TntRichEdit6",      "TntComboBox12", "TntButton9",  "TntButton10",3, Core,        GroupId::English},
    {FraViet,     "FraViet",     "phapviet", "TntListBox15", "TntRichEdit7",      "TntComboBox15", "TntButton11", "TntButton12",1, CoreHash,    GroupId::French},
    {VietFra,     "VietFra",     "vietphap", "TntListBox18", "TntRichEdit8",      "TntComboBox15", "TntButton13", "TntButton14",2, Core,        GroupId::French},
    {VietViet,    "VietViet",    "vietviet", "TntListBox21", "TntRichEdit9",      "TntComboBox21", "TntButton15", "TntButton16",3, Core,        GroupId::French},
    {Selectable1, "Selectable1", "",         "TntListBox10", "MeaningSelectable1","TntComboBox10", "TntButton17", "TntButton18",1, IpaFull,     GroupId::Selectable},
    {UserEdit,    "UserEdit",    "edit",     "TntListBox13", "TntRichEdit11",     "TntComboBox2",  "TntButton19", "TntButton20",1, IpaFull,     GroupId::Editable},
};

constexpr PaneId kRussianPanes[] = {RusViet, RusRus, VietRus};
constexpr PaneId kEnglishPanes[] = {EngViet, EngEng, VietEng};
constexpr PaneId kFrenchPanes[] = {FraViet, VietFra, VietViet};
constexpr PaneId kSelectablePanes[] = {Selectable1};
constexpr PaneId kEditablePanes[] = {UserEdit};

constexpr std::string_view kRussianInputs[] = {"TntComboBox3", "TntComboBox1"};
constexpr std::string_view kEnglishInputs[] = {"TntComboBox6", "TntComboBox12"};
constexpr std::string_view kFrenchInputs[] = {"TntComboBox15", "TntComboBox21"};
constexpr std::string_view kSelectableInputs[] = {"TntComboBox10"};
constexpr std::string_view kEditableInputs[] = {"TntComboBox2"};

constexpr GroupInfo kGroups[kGroupCount] = {
    {GroupId::Russian, "Russian", 0, "Russian", "NgaVitNga1", "Nga - Việt, Việt - Nga, Nga - Nga",
     "Russian - Vietnamese, Vietnamese - Russian, Russian - Russian", "Ctrl+Shift+F1", kRussianPanes, kRussianInputs,
     "TntListBox3", "NgaVietNga"},
    {GroupId::English, "English", 1, "English", "AnhVitAnh1", "Anh - Việt, Việt - Anh, Anh - Anh",
     "English - Vietnamese, Vietnamese - English, English - English", "Ctrl+Shift+F2", kEnglishPanes, kEnglishInputs,
     "TntListBox6", "AnhVietAnh"},
    {GroupId::French, "France", 2, "French", "PhapVitVitPhapVitVit1", "Pháp - Việt, Việt - Pháp, Việt - Việt",
     "French - Vietnamese, Vietnamese - French, Vietnamese - Vietnamese", "Ctrl+Shift+F3", kFrenchPanes, kFrenchInputs,
     "TntListBox15", "PhapVietViet"},
    {GroupId::Selectable, "Selectable1", 3, "Selectable", "Nguidungtchn1", "Người dùng tự chọn", "Selectable",
     "Ctrl+Shift+F10", kSelectablePanes, kSelectableInputs, "TntListBox10", "Tuchon"},
    {GroupId::Editable, "UserEdit", 4, "Editable", "Nguidngtnhp1", "Người dùng tự nhập", "Editable", "Ctrl+Shift+F11",
     kEditablePanes, kEditableInputs, "TntListBox13", "Tunhap"},
};

constexpr SingleDictionaryInfo kSingles[6] = {
    {"cVit1Click", "cVit1", "Đức - Việt", "German - Vietnamese", "Ctrl+Shift+F6", "TntSpeedButton13",
     "German - Vietnamese Dictionary", "DucViet"},
    {"Vitc1Click", "Vitc1", "Việt - Đức", "Vietnamese - German", "Ctrl+Shift+F7", "TntSpeedButton14",
     "Vietnamese - German Dictionary", "VietDuc"},
    {"TinhcAnhAnh1Click", "TinhcAnhAnh1", "Anh - Anh Tin học", "English - English Computing", "Ctrl+Shift+F4", "", "",
     "AnhAnhTinHoc"},
    {"TinhcAnhVit1Click", "TinhcAnhVit1", "Anh - Việt Tin học", "English - Vietnamese Computing", "Ctrl+Shift+F5",
     "TntSpeedButton12", "English - Vietnamese Computing Dictionary", "AnhVietTinHoc"},
    {"NhtVit1Click", "NhtVit1", "Nhật - Việt", "Japanese - Vietnamese", "Ctrl+Shift+F8", "TntSpeedButton15",
     "Japanese - Vietnamese Dictionary", "NhatViet"},
    {"miKoreanVietnameseDictionaryClick", "miKoreanVietnameseDictionary", "Hàn - Việt", "Korean - Vietnamese",
     "Ctrl+Shift+F9", "btnKoreanVietnameseDictionary", "Korean - Vietnamese Dictionary", "HanViet"},
};

}  // namespace

std::span<const PaneInfo, kPaneCount> Panes() { return kPanes; }
std::span<const GroupInfo, kGroupCount> Groups() { return kGroups; }
std::span<const SingleDictionaryInfo, 6> SingleDictionaries() { return kSingles; }

const PaneInfo& Pane(PaneId id) { return kPanes[static_cast<size_t>(id)]; }
const GroupInfo& Group(GroupId id) { return kGroups[static_cast<size_t>(id)]; }

std::optional<PaneId> PaneByName(std::string_view name) {
  for (const PaneInfo& pane : kPanes) {
    if (pane.name == name) return pane.id;
  }
  return std::nullopt;
}

}  // namespace lexorin

#include "app/lookup_wiring.h"

namespace lexorin {
namespace {

using enum PaneId;
using enum ShowOnChange;
using G = GroupId;

constexpr PaneId kRusVietRusRus[] = {RusViet, RusRus};
constexpr PaneId kVietRus[] = {VietRus};
constexpr PaneId kEngVietEngEng[] = {EngViet, EngEng};
constexpr PaneId kVietEng[] = {VietEng};
constexpr PaneId kFraVietVietFra[] = {FraViet, VietFra};
constexpr PaneId kVietViet[] = {VietViet};
constexpr PaneId kSelectable[] = {Selectable1};
constexpr PaneId kUserEdit[] = {UserEdit};
constexpr std::span<const PaneId> kNone;

constexpr InputWiring kInputs[] = {
    // input box       group       find              show on change   when               show on Enter    base forms                 hidden on key
    {"TntComboBox3",  G::Russian,    kRusVietRusRus,  kRusVietRusRus,  WithAutoTranslate, kRusVietRusRus,  BaseFormLanguage::Russian, "TntListBox5"},
    {"TntComboBox1",  G::Russian,    kVietRus,        kVietRus,        Always,            kNone,           std::nullopt,              ""},
    {"TntComboBox6",  G::English,    kEngVietEngEng,  kEngVietEngEng,  WithAutoTranslate, kEngVietEngEng,  BaseFormLanguage::English, "TntListBox8"},
    {"TntComboBox12", G::English,    kVietEng,        kVietEng,        Always,            kNone,           std::nullopt,              ""},
    {"TntComboBox15", G::French,     kFraVietVietFra, kFraVietVietFra, WithAutoTranslate, kFraVietVietFra, std::nullopt,              ""},
    {"TntComboBox21", G::French,     kVietViet,       kVietViet,       Always,            kNone,           std::nullopt,              ""},
    {"TntComboBox10", G::Selectable, kSelectable,     kSelectable,     WithAutoTranslate, kSelectable,     std::nullopt,              "TntListBox11"},
    {"TntComboBox2",  G::Editable,   kUserEdit,       kUserEdit,       WithAutoTranslate, kUserEdit,       std::nullopt,              ""},
};

using enum HistoryPosition;

constexpr WordListWiring kWordLists[kPaneCount] = {
    {RusViet, Top, G::Russian},
    {RusRus, Top, G::Russian},
    {VietRus, Top, std::nullopt},
    {EngViet, Top, G::English},
    {EngEng, End, G::English},
    {VietEng, Top, std::nullopt},
    {FraViet, Top, G::French},
    {VietFra, Top, std::nullopt},
    {VietViet, Top, std::nullopt},
    {Selectable1, End, G::Selectable},
    {UserEdit, End, G::Editable},
};

constexpr ResultListWiring kResultListWirings[] = {
    {"TntListBox5", RusViet, true},
    {"TntListBox8", EngViet, true},
    {"TntListBox11", Selectable1, false},
};

constexpr ClearTarget kClearLeft[] = {
    {G::Russian, "TntComboBox3", RusViet, "TntListBox5"},
    {G::English, "TntComboBox6", EngViet, "TntListBox8"},
    {G::French, "TntComboBox15", FraViet, ""},
    {G::Selectable, "TntComboBox10", Selectable1, ""},
    {G::Editable, "TntComboBox2", UserEdit, ""},
};

constexpr ClearTarget kClearRight[] = {
    {G::Russian, "TntComboBox1", VietRus, ""},
    {G::English, "TntComboBox12", VietEng, ""},
    {G::French, "TntComboBox21", VietViet, ""},
};

constexpr bool WordListsFollowPaneOrder() {
  for (size_t i = 0; i < kPaneCount; ++i) {
    if (kWordLists[i].pane != static_cast<PaneId>(i)) return false;
  }
  return true;
}
static_assert(WordListsFollowPaneOrder());

}  // namespace

std::span<const InputWiring> InputWirings() { return kInputs; }
std::span<const WordListWiring, kPaneCount> WordListWirings() { return kWordLists; }
std::span<const ResultListWiring> ResultListWirings() { return kResultListWirings; }
std::span<const ClearTarget> ClearLeftTargets() { return kClearLeft; }
std::span<const ClearTarget> ClearRightTargets() { return kClearRight; }

const InputWiring* InputWiringOf(std::string_view inputBox) {
  for (const InputWiring& wiring : kInputs) {
    if (wiring.inputBox == inputBox) return &wiring;
  }
  return nullptr;
}

const WordListWiring& WordListWiringOf(PaneId pane) { return kWordLists[static_cast<size_t>(pane)]; }

}  // namespace lexorin

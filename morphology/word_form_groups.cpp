#include "morphology/word_form_groups.h"

namespace lexorin {
namespace {

constexpr WordFormGroup kGroups[] = {
    {GroupId::Russian, "ru", PaneId::RusViet, PaneId::RusRus, &FindRussianBaseForm, "TntListBox5"},
    {GroupId::English, "en", PaneId::EngViet, PaneId::EngEng, &FindEnglishBaseForm, "TntListBox8"},
};

}  // namespace

std::span<const WordFormGroup, 2> WordFormGroups() { return kGroups; }

const WordFormGroup* WordFormGroupOf(GroupId group) {
  for (const WordFormGroup& entry : kGroups) {
    if (entry.group == group) return &entry;
  }
  return nullptr;
}

const WordFormGroup* WordFormGroupByCode(std::string_view code) {
  for (const WordFormGroup& entry : kGroups) {
    if (entry.code == code) return &entry;
  }
  return nullptr;
}

}  // namespace lexorin

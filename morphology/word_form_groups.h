#pragma once
#include <optional>
#include <span>
#include <string_view>

#include "dictionary/catalogue.h"
#include "morphology/base_form.h"

namespace lexorin {

using FindBaseFormFunction = std::optional<BaseForm> (*)(std::u16string_view word, const BaseFormLists& lists);

// A group with a base-form finder and the approximate search: the Russian
// and the English group.
struct WordFormGroup {
  GroupId group;
  std::string_view code;         // "ru", "en"
  PaneId xVietnamese;            // decides base forms; the list the approximate search visits
  PaneId second;                 // shows a base form too when it lists it
  FindBaseFormFunction findBaseForm;
  std::string_view resultList;   // the approximate-search result list over the X-Vietnamese word list
};

std::span<const WordFormGroup, 2> WordFormGroups();
const WordFormGroup* WordFormGroupOf(GroupId group);
const WordFormGroup* WordFormGroupByCode(std::string_view code);

}  // namespace lexorin

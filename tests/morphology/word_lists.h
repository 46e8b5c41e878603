#pragma once
// Small headword lists for the finder tests, with their whole-word indexes.
#include <memory>
#include <string>
#include <vector>

#include "dictionary/exact_index.h"
#include "dictionary/headword_list.h"
#include "morphology/base_form.h"

namespace lexorin::test {

class IndexedList {
 public:
  explicit IndexedList(const std::vector<std::u16string>& words) {
    for (const auto& word : words) list_.push_back(word);
    index_ = std::make_unique<ExactMatchIndex>(list_);
  }
  const HeadwordList& list() const { return list_; }
  const ExactMatchIndex& index() const { return *index_; }

 private:
  HeadwordList list_;
  std::unique_ptr<ExactMatchIndex> index_;
};

// An X-Vietnamese list and a second list, as one group holds them.
class GroupLists {
 public:
  GroupLists(const std::vector<std::u16string>& xVietnamese, const std::vector<std::u16string>& second = {})
      : xVietnamese_(xVietnamese), second_(second) {}

  BaseFormLists lists() const { return {&xVietnamese_.index(), &second_.index()}; }

  // The X-Vietnamese item a finder result selects, or "(none)".
  std::u16string Selected(const std::optional<BaseForm>& found) const {
    return found ? std::u16string(xVietnamese_.list()[found->index]) : u"(none)";
  }
  std::u16string SecondSelected(const std::optional<BaseForm>& found) const {
    return found && found->second ? std::u16string(second_.list()[*found->second]) : u"(none)";
  }

 private:
  IndexedList xVietnamese_;
  IndexedList second_;
};

}  // namespace lexorin::test

#include "morphology/anagram_search.h"

#include <chrono>
#include <new>

namespace lexorin {

AnagramSearch::AnagramSearch(std::shared_ptr<const HeadwordList> list) : list_(std::move(list)) {}

AnagramSearch::~AnagramSearch() {
  if (building_.valid()) building_.wait();
}

void AnagramSearch::StartBuild() {
  if (building_.valid() || buildEnded_) return;
  building_ = std::async(std::launch::async, [list = list_]() -> std::unique_ptr<AnagramIndex> {
    try {
      return std::make_unique<AnagramIndex>(*list);
    } catch (const std::bad_alloc&) {
      return nullptr;
    }
  });
}

void AnagramSearch::TakeIndexIfBuilt(bool wait) {
  if (!building_.valid()) return;
  if (!wait && building_.wait_for(std::chrono::seconds(0)) != std::future_status::ready) return;
  index_ = building_.get();
  buildEnded_ = true;
}

std::vector<size_t> AnagramSearch::Find(std::u16string_view query) {
  if (query.empty()) return {};
  StartBuild();
  TakeIndexIfBuilt(false);
  return index_ ? index_->Find(query) : FindAnagramsByScan(query, *list_);
}

bool AnagramSearch::WaitUntilIndexed() {
  StartBuild();
  TakeIndexIfBuilt(true);
  return Indexed();
}

}  // namespace lexorin

#pragma once
#include <future>
#include <memory>
#include <string_view>
#include <vector>

#include "dictionary/headword_list.h"
#include "morphology/anagram.h"

namespace lexorin {

// The approximate search over one headword list, as the window runs it. The
// index is built once, on a worker thread that the first search starts;
// until it is ready, searches visit the whole list, which gives the same
// results in the same order. Holding the list keeps it alive for the worker.
class AnagramSearch {
 public:
  explicit AnagramSearch(std::shared_ptr<const HeadwordList> list);
  // Waits for a build that is still running.
  ~AnagramSearch();
  AnagramSearch(const AnagramSearch&) = delete;
  AnagramSearch& operator=(const AnagramSearch&) = delete;

  // Indexes of the headwords made of exactly the query's units, in list order.
  std::vector<size_t> Find(std::u16string_view query);

  const HeadwordList& list() const { return *list_; }
  bool Indexed() const { return index_ != nullptr; }
  // Starts the build if no search has, and waits for it. Returns whether the
  // index could be built (a build that ran out of memory leaves the scan).
  bool WaitUntilIndexed();

 private:
  void StartBuild();
  void TakeIndexIfBuilt(bool wait);

  std::shared_ptr<const HeadwordList> list_;
  std::future<std::unique_ptr<AnagramIndex>> building_;
  std::unique_ptr<AnagramIndex> index_;
  bool buildEnded_ = false;  // the build ran; index_ is what it gave
};

}  // namespace lexorin

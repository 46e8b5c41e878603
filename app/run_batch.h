#pragma once
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "dictionary/render.h"

namespace lexorin {

struct RenderedRun {
  std::u16string text;
  RunFormat format;
};

// A piece of a rendered entry, handed from a render worker to its view in
// one queued call. `generation` names the render it belongs to; the view
// drops batches of a render that a newer one has replaced.
struct RunBatch {
  uint64_t generation = 0;
  bool clear = false;          // empty the view before writing the runs
  std::vector<RenderedRun> runs;
  bool showBeginning = false;  // the entry is complete: scroll to its start

  bool empty() const { return !clear && runs.empty() && !showBeginning; }
};

// Where render workers leave batches for their view. The view takes them
// on its own thread; the lock makes the hand-over visible to race checkers
// whatever the event queue that wakes the view does.
class BatchMailbox {
 public:
  void Put(RunBatch&& batch) {
    const std::lock_guard lock(mutex_);
    batches_.push_back(std::move(batch));
  }
  std::deque<RunBatch> TakeAll() {
    const std::lock_guard lock(mutex_);
    return std::exchange(batches_, {});
  }

 private:
  std::mutex mutex_;
  std::deque<RunBatch> batches_;
};

// Collects a worker's runs into a few large batches: adjacent runs of the
// same format are merged, and a batch is delivered when it holds
// `flushUnits` code units and more text follows, at the end of the entry, or
// on Flush.
class BatchingRunSink : public RunSink {
 public:
  using Deliver = std::function<void(RunBatch&&)>;

  BatchingRunSink(uint64_t generation, size_t flushUnits, Deliver deliver);

  void Clear() override;
  void WriteRun(std::u16string_view text, const RunFormat& format) override;
  void ShowBeginning() override;

  // Delivers what is pending (nothing when nothing is).
  void Flush();

 private:
  uint64_t generation_;
  size_t flushUnits_;
  Deliver deliver_;
  RunBatch pending_;
  size_t pendingUnits_ = 0;
};

}  // namespace lexorin

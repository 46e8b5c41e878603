#include "app/run_batch.h"

namespace lexorin {

BatchingRunSink::BatchingRunSink(uint64_t generation, size_t flushUnits, Deliver deliver)
    : generation_(generation), flushUnits_(flushUnits), deliver_(std::move(deliver)) {
  pending_.generation = generation_;
}

void BatchingRunSink::Clear() {
  pending_.runs.clear();
  pending_.clear = true;
  pendingUnits_ = 0;
}

void BatchingRunSink::WriteRun(std::u16string_view text, const RunFormat& format) {
  if (text.empty()) return;
  // A full batch goes when more text follows, so the end of the entry always
  // travels with some text.
  if (pendingUnits_ >= flushUnits_) Flush();
  if (!pending_.runs.empty() && pending_.runs.back().format == format) {
    pending_.runs.back().text.append(text);
  } else {
    pending_.runs.push_back({std::u16string(text), format});
  }
  pendingUnits_ += text.size();
}

void BatchingRunSink::ShowBeginning() {
  pending_.showBeginning = true;
  Flush();
}

void BatchingRunSink::Flush() {
  if (pending_.empty()) return;
  RunBatch batch = std::move(pending_);
  pending_ = RunBatch{};
  pending_.generation = generation_;
  pendingUnits_ = 0;
  deliver_(std::move(batch));
}

}  // namespace lexorin

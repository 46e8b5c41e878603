#include "hooklib/captured_word.h"

namespace lexorin::hooklib {

namespace {

// Copies up to the terminator, never more than the field holds, and
// terminates the copy. Returns the number of characters copied.
template <class From, class To>
std::int32_t copyTerminated(const From* from, To* to) {
  std::size_t length = 0;
  while (length < kCapturedWordMaxLength && from[length] != From{}) {
    to[length] = static_cast<To>(from[length]);
    ++length;
  }
  to[length] = To{};
  return static_cast<std::int32_t>(length);
}

}  // namespace

void fillCaptureRecord(CaptureRecord& record, const CapturedWord& word) {
  if (word.isWide) {
    record.length = copyTerminated(word.wide, record.wideText);
    record.wideFlag = 1;
  } else {
    record.length = copyTerminated(word.narrow, record.narrowText);
    record.wideFlag = 0;
  }
}

}  // namespace lexorin::hooklib

// Any UTF-16 text rendered in every variant: the runs, put together, must
// be the text with codes replaced, never longer than twice the input.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "dictionary/render.h"

namespace {

class Counter : public lexorin::RunSink {
 public:
  void Clear() override { units = 0; }
  void WriteRun(std::u16string_view text, const lexorin::RunFormat& format) override {
    if (text.empty() || format.italic || format.colourState < 0 || format.colourState > 5) std::abort();
    units += text.size();
  }
  size_t units = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::u16string text(size / 2, u'\0');
  for (size_t i = 0; i < text.size(); ++i) text[i] = static_cast<char16_t>(data[2 * i] | (data[2 * i + 1] << 8));
  for (auto variant : {lexorin::MarkupVariant::IpaFull, lexorin::MarkupVariant::IpaCore, lexorin::MarkupVariant::Core,
                       lexorin::MarkupVariant::CoreHash, lexorin::MarkupVariant::BracketOnly}) {
    Counter counter;
    lexorin::RenderEntry(text, variant, counter);
    if (counter.units > 2 * text.size()) std::abort();
  }
  return 0;
}

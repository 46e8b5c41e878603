#pragma once
#include <cstdint>
#include <limits>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace lexorin {

// Lines of text kept compactly: all of them in one buffer, and the start of
// each beside it. The headword list and the two number lists of a dictionary
// are kept this way.
template <class Char>
class PackedLines {
 public:
  using View = std::basic_string_view<Char>;

  size_t size() const { return starts_.empty() ? 0 : starts_.size() - 1; }
  bool empty() const { return size() == 0; }
  View operator[](size_t index) const {
    return View(text_).substr(starts_[index], starts_[index + 1] - starts_[index]);
  }
  // The line at `index`, or nothing past the end.
  std::optional<View> At(size_t index) const {
    if (index >= size()) return std::nullopt;
    return (*this)[index];
  }

  void push_back(View line) { insert(size(), line); }

  void insert(size_t index, View line) {
    if (starts_.empty()) starts_.push_back(0);
    if (text_.size() + line.size() > std::numeric_limits<uint32_t>::max()) throw std::length_error("list too large");
    text_.insert(starts_[index], line);
    starts_.insert(starts_.begin() + static_cast<std::ptrdiff_t>(index) + 1, starts_[index]);
    for (size_t i = index + 1; i < starts_.size(); ++i) starts_[i] += static_cast<uint32_t>(line.size());
  }

  void erase(size_t index) {
    const uint32_t length = starts_[index + 1] - starts_[index];
    text_.erase(starts_[index], length);
    starts_.erase(starts_.begin() + static_cast<std::ptrdiff_t>(index) + 1);
    for (size_t i = index + 1; i < starts_.size(); ++i) starts_[i] -= length;
    if (starts_.size() == 1) starts_.clear();
  }

  size_t MemoryBytes() const { return text_.capacity() * sizeof(Char) + starts_.capacity() * sizeof(uint32_t); }

 protected:
  // Splits `text` into lines, taking over its storage: a NUL ends the text;
  // a line ends at a unit for which `isBreak` holds; after a line, each unit
  // of `skipAfter` is skipped once, in order, when it is next; a break at the
  // very end adds no empty line. Lines are moved down over the breaks in
  // place, so no second buffer is needed.
  template <class IsBreak>
  void Split(std::basic_string<Char>&& text, IsBreak isBreak, View skipAfter) {
    const size_t nul = text.find(Char(0));
    if (nul != std::basic_string<Char>::npos) text.resize(nul);
    if (text.size() > std::numeric_limits<uint32_t>::max()) throw std::length_error("file too large");
    starts_.clear();
    starts_.push_back(0);
    size_t read = 0;
    size_t write = 0;
    while (read < text.size()) {
      size_t end = read;
      while (end < text.size() && !isBreak(text[end])) ++end;
      if (write != read) std::char_traits<Char>::move(text.data() + write, text.data() + read, end - read);
      write += end - read;
      starts_.push_back(static_cast<uint32_t>(write));
      read = end;
      for (Char skipped : skipAfter) {
        if (read < text.size() && text[read] == skipped) ++read;
      }
    }
    text.resize(write);
    text.shrink_to_fit();
    text_ = std::move(text);
    if (starts_.size() == 1) starts_.clear();
    starts_.shrink_to_fit();
  }

 private:
  std::basic_string<Char> text_;
  std::vector<uint32_t> starts_;  // size() + 1 entries when not empty
};

}  // namespace lexorin

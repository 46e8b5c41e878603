#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace lexorin {

// How one candidate base form is made from an inflected word. The stem is
// the word without the ending that its rule matched.
enum class CandidateKind : uint8_t {
  Stem,                      // the stem alone
  StemPlus,                  // the stem followed by `text`
  StemWithOInserted,         // о before the stem's last letter; an empty stem gives о
  WordPlus,                  // the whole word followed by `text`
  WordWithoutSecondLastPlus, // the word without its second-to-last letter, then `text`;
                             // a word of fewer than two letters stays whole
};

struct CandidateBuilder {
  CandidateKind kind;
  std::u16string_view text;
};

// Builder shorthands for the rule tables.
inline constexpr CandidateBuilder kStemAlone{CandidateKind::Stem, {}};
inline constexpr CandidateBuilder kOInserted{CandidateKind::StemWithOInserted, {}};
constexpr CandidateBuilder Plus(std::u16string_view ending) { return {CandidateKind::StemPlus, ending}; }
constexpr CandidateBuilder WordPlus(std::u16string_view letter) { return {CandidateKind::WordPlus, letter}; }
constexpr CandidateBuilder WordWithoutSecondLastPlus(std::u16string_view letter) {
  return {CandidateKind::WordWithoutSecondLastPlus, letter};
}

// One rule: the endings it applies to and the candidates it tries, in order.
// `endings` holds endings of one length separated by single spaces, written
// exactly as they must appear at the end of the word (letter case counts);
// a rule without endings applies to every word and its stem is the word.
class EndingRule {
 public:
  static constexpr size_t kMaxBuilders = 7;

  constexpr EndingRule(std::u16string_view endings, std::initializer_list<CandidateBuilder> builders)
      : endings_(endings), count_(builders.size()) {
    size_t i = 0;
    for (const CandidateBuilder& builder : builders) {
      if (i < kMaxBuilders) builders_[i] = builder;
      ++i;
    }
  }

  constexpr std::u16string_view endings() const { return endings_; }
  constexpr std::span<const CandidateBuilder> builders() const {
    return std::span<const CandidateBuilder>(builders_.data(), count_ < kMaxBuilders ? count_ : kMaxBuilders);
  }

  // The length of every ending of the rule (0 for a rule without endings).
  constexpr size_t endingLength() const {
    const size_t space = endings_.find(u' ');
    return space == std::u16string_view::npos ? endings_.size() : space;
  }

  // True when the endings are non-empty, all of one length, separated by
  // single spaces, and there are 1 to kMaxBuilders builders. Checked at
  // compile time for every table.
  constexpr bool IsWellFormed() const {
    if (count_ == 0 || count_ > kMaxBuilders) return false;
    if (endings_.empty()) return true;
    const size_t length = endingLength();
    if (length == 0 || (endings_.size() + 1) % (length + 1) != 0) return false;
    for (size_t at = length; at < endings_.size(); at += length + 1) {
      if (endings_[at] != u' ') return false;
    }
    for (size_t at = 0; at < endings_.size(); at += length + 1) {
      for (size_t k = 0; k < length; ++k) {
        if (endings_[at + k] == u' ') return false;
      }
    }
    return true;
  }

  // The stem length when the word ends with one of the endings, compared
  // unit for unit; for a rule without endings, the whole word.
  std::optional<size_t> StemLength(std::u16string_view word) const;

 private:
  std::u16string_view endings_;
  std::array<CandidateBuilder, kMaxBuilders> builders_{};
  size_t count_;
};

template <size_t N>
constexpr bool AllWellFormed(const EndingRule (&rules)[N]) {
  for (const EndingRule& rule : rules) {
    if (!rule.IsWellFormed()) return false;
  }
  return true;
}

// Writes into `out` the candidate that `builder` makes from `word`, whose
// first `stemLength` units are the stem.
void BuildCandidate(const CandidateBuilder& builder, std::u16string_view word, size_t stemLength, std::u16string& out);

}  // namespace lexorin

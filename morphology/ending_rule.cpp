#include "morphology/ending_rule.h"

namespace lexorin {

std::optional<size_t> EndingRule::StemLength(std::u16string_view word) const {
  if (endings_.empty()) return word.size();
  const size_t length = endingLength();
  if (word.size() < length) return std::nullopt;
  const std::u16string_view tail = word.substr(word.size() - length);
  for (size_t at = 0; at < endings_.size(); at += length + 1) {
    if (endings_.substr(at, length) == tail) return word.size() - length;
  }
  return std::nullopt;
}

void BuildCandidate(const CandidateBuilder& builder, std::u16string_view word, size_t stemLength, std::u16string& out) {
  const std::u16string_view stem = word.substr(0, stemLength);
  switch (builder.kind) {
    case CandidateKind::Stem:
      out.assign(stem);
      return;
    case CandidateKind::StemPlus:
      out.assign(stem);
      out.append(builder.text);
      return;
    case CandidateKind::StemWithOInserted:
      if (stem.empty()) {
        out.assign(u"о");
      } else {
        out.assign(stem.substr(0, stem.size() - 1));
        out.push_back(u'о');
        out.push_back(stem.back());
      }
      return;
    case CandidateKind::WordPlus:
      out.assign(word);
      out.append(builder.text);
      return;
    case CandidateKind::WordWithoutSecondLastPlus:
      if (word.size() < 2) {
        out.assign(word);
      } else {
        out.assign(word.substr(0, word.size() - 2));
        out.push_back(word.back());
      }
      out.append(builder.text);
      return;
  }
}

}  // namespace lexorin

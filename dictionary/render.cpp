#include "dictionary/render.h"

#include <span>
#include <string>

namespace lexorin {
namespace {

// Bit masks of the variants a code belongs to.
enum : unsigned {
  kIpaFull = 1u << static_cast<int>(MarkupVariant::IpaFull),
  kIpaCore = 1u << static_cast<int>(MarkupVariant::IpaCore),
  kCore = 1u << static_cast<int>(MarkupVariant::Core),
  kCoreHash = 1u << static_cast<int>(MarkupVariant::CoreHash),
  kBracketOnly = 1u << static_cast<int>(MarkupVariant::BracketOnly),
  kIpa = kIpaFull | kIpaCore,
  kAllButBrackets = kIpaFull | kIpaCore | kCore | kCoreHash,
};

struct MarkupCode {
  char16_t code;
  std::u16string_view ipaOutput;   // output in IpaFull and IpaCore
  std::u16string_view coreOutput;  // output in Core, CoreHash and BracketOnly
  bool bold;
  int colourState;
  unsigned variants;
};

// The codes: character, output, bold after it, colour state after it, and
// the variants that know it. The bullets are those of kBulletTable.
constexpr MarkupCode kCodes[] = {
    {u'@', u"◊ ", u"◊ ", true, 1, kAllButBrackets},
    {u'*', u" ", u"  ", false, 5, kAllButBrackets},
    {u'-', u"▪", u"▪ ", false, 4, kAllButBrackets},
    {u'=', u"◦ ", u"◦ ", false, 3, kAllButBrackets},
    {u'+', u" ", u" ", false, 4, kAllButBrackets},
    {u'!', u"▫ ", u"▫ ", false, 2, kIpa},
    {u'#', u" ", u" ", false, 2, kCoreHash},
    {u'{', u" ", u" ", false, 3, kIpaFull},
    {u'}', u" ", u" ", false, 4, kIpaFull},
    {u'[', u" ", u" ", false, 2, kIpaFull},
    {u']', u" ", u" ", false, 4, kIpaFull},
    {u'‡', u" ", u" ", false, 4, kIpaFull},
    {u'†', u" ", u" ", false, 3, kIpaFull},
    // The English-English brackets.
    {u'{', u" ", u" ", false, 3, kBracketOnly},
    {u'}', u" ", u" ", false, 4, kBracketOnly},
    {u'[', u" ", u" ", false, 5, kBracketOnly},
    {u']', u" ", u" ", false, 4, kBracketOnly},
};

// Phonetic characters the pane fonts lack, and the look-alikes shown instead.
constexpr std::pair<char16_t, char16_t> kPhoneticSubstitutions[] = {
    {u'ə', u'з'}, {u'ɔ', u'o'}, {u'ʃ', u'∫'}, {u'ɳ', u'ŋ'}, {u'ɑ', u'α'}, {u'ʌ', u'Δ'}, {u'ʤ', u'З'},
};

bool HasPhoneticSubstitutions(MarkupVariant variant) {
  return variant == MarkupVariant::IpaFull || variant == MarkupVariant::IpaCore;
}

char16_t Substitute(char16_t c) {
  for (const auto& [from, to] : kPhoneticSubstitutions) {
    if (c == from) return to;
  }
  return c;
}

// The codes of one variant, looked up by character.
class CodeTable {
 public:
  explicit CodeTable(MarkupVariant variant) {
    const unsigned bit = 1u << static_cast<int>(variant);
    for (const MarkupCode& code : kCodes) {
      if (code.variants & bit) codes_[count_++] = &code;
    }
    ipaOutput_ = HasPhoneticSubstitutions(variant);
  }
  const MarkupCode* Find(char16_t c) const {
    for (size_t i = 0; i < count_; ++i) {
      if (codes_[i]->code == c) return codes_[i];
    }
    return nullptr;
  }
  std::u16string_view OutputOf(const MarkupCode& code) const { return ipaOutput_ ? code.ipaOutput : code.coreOutput; }

 private:
  const MarkupCode* codes_[std::size(kCodes)] = {};
  size_t count_ = 0;
  bool ipaOutput_ = false;
};

// Every code character is ASCII or one of the two daggers.
bool MayBeCode(char16_t c) { return c < 0x80 || c == u'‡' || c == u'†'; }

}  // namespace

bool RenderEntry(std::u16string_view text, MarkupVariant variant, RunSink& sink, std::stop_token stop) {
  const size_t nul = text.find(u'\0');
  if (nul != std::u16string_view::npos) text = text.substr(0, nul);

  const CodeTable codes(variant);
  const bool substitute = HasPhoneticSubstitutions(variant);

  sink.Clear();
  RunFormat inForce;  // the formatting the pending run is written with
  std::u16string pending;
  pending.reserve(256);
  for (size_t i = 0; i < text.size(); ++i) {
    if ((i & 255) == 0 && stop.stop_requested()) return false;
    char16_t c = text[i];
    if (substitute) c = Substitute(c);
    const MarkupCode* code = MayBeCode(c) ? codes.Find(c) : nullptr;
    if (!code) {
      pending.push_back(c);
      continue;
    }
    pending.append(codes.OutputOf(*code));
    sink.WriteRun(pending, inForce);
    pending.clear();
    inForce.bold = code->bold;
    inForce.italic = false;
    inForce.colourState = code->colourState;
  }
  if (stop.stop_requested()) return false;
  if (!pending.empty()) sink.WriteRun(pending, inForce);
  sink.ShowBeginning();
  return true;
}

}  // namespace lexorin

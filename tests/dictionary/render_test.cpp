// Rendering entry mark-up into runs, in every variant.
#include "dictionary/render.h"

#include <gtest/gtest.h>

#include <vector>

namespace lexorin {
namespace {

struct Run {
  std::u16string text;
  bool bold;
  int colour;
  bool operator==(const Run&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Run& run) {
  out << "{";
  for (char16_t c : run.text) out << (c < 0x80 ? static_cast<char>(c) : '?');
  return out << ", bold " << run.bold << ", colour " << run.colour << "}";
}

// Records every call; italic must never be on.
class Recorder : public RunSink {
 public:
  void Clear() override { calls.push_back("clear"); }
  void WriteRun(std::u16string_view text, const RunFormat& format) override {
    EXPECT_FALSE(format.italic);
    runs.push_back({std::u16string(text), format.bold, format.colourState});
  }
  void ShowBeginning() override { calls.push_back("beginning"); }
  std::vector<Run> runs;
  std::vector<std::string> calls;
};

std::vector<Run> Render(std::u16string_view text, MarkupVariant variant) {
  Recorder recorder;
  EXPECT_TRUE(RenderEntry(text, variant, recorder));
  EXPECT_EQ(recorder.calls, (std::vector<std::string>{"clear", "beginning"}));
  return recorder.runs;
}

using enum MarkupVariant;

struct RenderCase {
  const char* what;
  MarkupVariant variant;
  std::u16string_view text;
  std::vector<Run> runs;
};

TEST(RenderEntry, CodesWriteTheirOutputInThePreviousFormatting) {
  const RenderCase cases[] = {
      {"headword and kind of word", IpaFull, u"a@b*c",
       {{u"a◊ ", false, 0}, {u"b ", true, 1}, {u"c", false, 5}}},
      {"meaning in a Core pane", Core, u"x-y", {{u"x▪ ", false, 0}, {u"y", false, 4}}},
      {"meaning in an Ipa pane", IpaCore, u"x-y", {{u"x▪", false, 0}, {u"y", false, 4}}},
      {"two spaces for * in Core", CoreHash, u"*a", {{u"  ", false, 0}, {u"a", false, 5}}},
      {"example and translation", IpaFull, u"=ex+tr", {{u"◦ ", false, 0}, {u"ex ", false, 3}, {u"tr", false, 4}}},
      {"English-English brackets", BracketOnly, u"a{b}c",
       {{u"a ", false, 0}, {u"b ", false, 3}, {u"c", false, 4}}},
      {"blue part of speech in English-English", BracketOnly, u"[n]x", {{u" ", false, 0}, {u"n ", false, 5}, {u"x", false, 4}}},
      {"mark-up is plain text in English-English", BracketOnly, u"@ə*<>", {{u"@ə*<>", false, 0}}},
      {"hash in French-Vietnamese", CoreHash, u"a#b", {{u"a ", false, 0}, {u"b", false, 2}}},
      {"hash is plain text elsewhere", IpaFull, u"a#b", {{u"a#b", false, 0}}},
      {"idiom mark in Ipa panes only", IpaCore, u"!a", {{u"▫ ", false, 0}, {u"a", false, 2}}},
      {"idiom mark is plain text in Core", Core, u"!a", {{u"!a", false, 0}}},
      {"brackets and daggers of IpaFull", IpaFull, u"[p]{q}†r‡s",
       {{u" ", false, 0}, {u"p ", false, 2}, {u" ", false, 4}, {u"q ", false, 3}, {u" ", false, 4}, {u"r ", false, 3},
        {u"s", false, 4}}},
      {"brackets are plain text in IpaCore", IpaCore, u"[p]", {{u"[p]", false, 0}}},
      {"phonetic look-alikes in Ipa panes", IpaCore, u"əɔʃɳɑʌʤ", {{u"зo∫ŋαΔЗ", false, 0}}},
      {"no look-alikes in Core panes", Core, u"ʃ", {{u"ʃ", false, 0}}},
      {"bold stays until a code turns it off", IpaFull, u"@a\r\nb-c", {{u"◊ ", false, 0}, {u"a\r\nb▪", true, 1}, {u"c", false, 4}}},
      {"ends with a code", IpaFull, u"a@", {{u"a◊ ", false, 0}}},
      {"no codes: one run", Core, u"plain text", {{u"plain text", false, 0}}},
      {"NUL ends the text", IpaFull, std::u16string_view(u"a@b\0*c", 6), {{u"a◊ ", false, 0}, {u"b", true, 1}}},
      {"empty entry only clears", IpaFull, u"", {}},
  };
  for (const RenderCase& c : cases) EXPECT_EQ(Render(c.text, c.variant), c.runs) << c.what;
}

TEST(RenderEntry, StopsWhenANewerRenderTakesOver) {
  std::stop_source source;
  source.request_stop();
  Recorder recorder;
  EXPECT_FALSE(RenderEntry(std::u16string(1000, u'a') + u"@b", MarkupVariant::IpaFull, recorder, source.get_token()));
  EXPECT_TRUE(recorder.runs.empty());
  EXPECT_EQ(recorder.calls, std::vector<std::string>{"clear"});
}

}  // namespace
}  // namespace lexorin

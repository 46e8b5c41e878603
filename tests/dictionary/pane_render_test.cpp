// What a pane's render worker shows for good and damaged entries.
#include "dictionary/pane_render.h"

#include <gtest/gtest.h>

#include "dictionary/dictionary_writer.h"
#include "tests/support/temp_dir.h"

namespace lexorin {
namespace {

class TextSink : public RunSink {
 public:
  void Clear() override { text.clear(), cleared = true; }
  void WriteRun(std::u16string_view run, const RunFormat&) override { text += run; }
  std::u16string text;
  bool cleared = false;
};

// A dictionary whose number files are written by hand:
//   0 "aa": offset A, length A (both zero)
//   1 "bb": a good entry
//   2 "cc": offset far past the end of the entry file
//   3 "dd": no number lines at all (the number files are one line short)
class PaneRenderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_.Write("d.index1", "aa\r\nbb\r\ncc\r\ndd\r\n");
    dir_.Write("d.index2", "A\r\nA\r\nBAAAA\r\n");
    dir_.Write("d.index3", "A\r\nF\r\nB\r\n");
    dir_.Write("d.dict", "@bb-x");
    dictionary_ = LoadedDictionary::Load(DictionaryPaths::ForBase(dir_.path(), "d"));
  }
  PaneRenderOutcome Show(PaneId pane, std::optional<size_t> index, TextSink& sink) {
    return RenderPaneEntry(*dictionary_, pane, index, sink);
  }

  test::TempDir dir_;
  std::shared_ptr<const LoadedDictionary> dictionary_;
};

TEST_F(PaneRenderTest, RussianVietnameseReportsWhatOtherPanesShowEmpty) {
  struct Case {
    std::optional<size_t> index;
    PaneRenderOutcome rusViet;
    PaneRenderOutcome rusRus;
  };
  using enum PaneRenderOutcome;
  const Case cases[] = {
      {std::nullopt, NoSelection, NoSelection},
      {0, Unchanged, Rendered},
      {1, Rendered, Rendered},
      {2, ReadError, Rendered},
      {3, ReadError, Rendered},
  };
  for (const Case& c : cases) {
    TextSink rusViet, rusRus;
    EXPECT_EQ(Show(PaneId::RusViet, c.index, rusViet), c.rusViet) << c.index.value_or(99);
    EXPECT_EQ(Show(PaneId::RusRus, c.index, rusRus), c.rusRus) << c.index.value_or(99);
    EXPECT_EQ(rusViet.cleared, c.rusViet == Rendered);
    if (c.index != 1u) EXPECT_TRUE(rusRus.text.empty());
  }
  TextSink sink;
  Show(PaneId::RusViet, 1, sink);
  EXPECT_EQ(sink.text, u"◊ bb▪x");
}

TEST_F(PaneRenderTest, StoppedBeforeWritingLeavesTheViewAlone) {
  std::stop_source stop;
  stop.request_stop();
  TextSink sink;
  EXPECT_EQ(RenderPaneEntry(*dictionary_, PaneId::RusRus, 1, sink, stop.get_token()), PaneRenderOutcome::Stopped);
  EXPECT_FALSE(sink.cleared);
}

TEST(EditableDictionary, EachReadSeesTheFileAsItIsNow) {
  test::TempDir dir;
  const auto paths = DictionaryPaths::ForBase(dir.path(), "edit");
  WriteDictionary(paths, {{u"word", "@word-old"}});
  const auto dictionary = LoadedDictionary::Load(paths, EntryFileMode::ReopenPerRead);
  EXPECT_EQ(dictionary->ReadEntryAt(0).text, u"@word-old");
  // The editor rewrites the entry file in place between two renders.
  dir.Write("edit.dict", "@word-new");
  EXPECT_EQ(dictionary->ReadEntryAt(0).text, u"@word-new");
}

}  // namespace
}  // namespace lexorin

// How a render worker's runs are collected into batches for its view.
#include "app/run_batch.h"

#include <gtest/gtest.h>

namespace lexorin {
namespace {

std::u16string TextOf(const std::vector<RunBatch>& batches) {
  std::u16string text;
  for (const RunBatch& batch : batches) {
    if (batch.clear) text.clear();
    for (const RenderedRun& run : batch.runs) text += run.text;
  }
  return text;
}

TEST(BatchingRunSink, AWholeEntryIsOneBatchWithMergedRuns) {
  std::vector<RunBatch> batches;
  BatchingRunSink sink(7, 1000, [&](RunBatch&& batch) { batches.push_back(std::move(batch)); });
  const RunFormat plain{};
  const RunFormat bold{true, false, 1};
  sink.Clear();
  sink.WriteRun(u"◊ ", plain);
  sink.WriteRun(u"книга", bold);
  sink.WriteRun(u"", plain);
  sink.WriteRun(u" /ˈkniɡə/", bold);
  sink.WriteRun(u"▪ sách", plain);
  EXPECT_TRUE(batches.empty()) << "nothing is handed over before the entry ends";
  sink.ShowBeginning();

  ASSERT_EQ(batches.size(), 1u);
  const RunBatch& batch = batches[0];
  EXPECT_EQ(batch.generation, 7u);
  EXPECT_TRUE(batch.clear);
  EXPECT_TRUE(batch.showBeginning);
  ASSERT_EQ(batch.runs.size(), 3u);
  EXPECT_EQ(batch.runs[1].text, u"книга /ˈkniɡə/");
  EXPECT_EQ(batch.runs[1].format, bold);
  EXPECT_EQ(TextOf(batches), u"◊ книга /ˈkniɡə/▪ sách");
}

TEST(BatchingRunSink, LongEntriesArriveInAFewLargeBatches) {
  std::vector<RunBatch> batches;
  BatchingRunSink sink(1, 100, [&](RunBatch&& batch) { batches.push_back(std::move(batch)); });
  sink.Clear();
  std::u16string expected;
  for (int i = 0; i < 1000; ++i) {
    const std::u16string run(1, static_cast<char16_t>(u'a' + i % 26));
    sink.WriteRun(run, RunFormat{i % 2 == 0, false, i % 6});
    expected += run;
  }
  sink.ShowBeginning();
  EXPECT_EQ(batches.size(), 10u);
  EXPECT_TRUE(batches.front().clear);
  for (size_t i = 1; i < batches.size(); ++i) EXPECT_FALSE(batches[i].clear);
  EXPECT_TRUE(batches.back().showBeginning);
  EXPECT_EQ(TextOf(batches), expected);
}

TEST(BatchingRunSink, FlushHandsOverOnlyWhatIsPending) {
  std::vector<RunBatch> batches;
  BatchingRunSink sink(3, 1000, [&](RunBatch&& batch) { batches.push_back(std::move(batch)); });
  sink.Flush();
  EXPECT_TRUE(batches.empty());
  sink.Clear();
  sink.WriteRun(u"partial", RunFormat{});
  sink.Flush();  // a stopped render hands over what it wrote
  sink.Flush();
  ASSERT_EQ(batches.size(), 1u);
  EXPECT_TRUE(batches[0].clear);
  EXPECT_FALSE(batches[0].showBeginning);
  EXPECT_EQ(TextOf(batches), u"partial");
}

}  // namespace
}  // namespace lexorin

// Compressed article files: random access through the chunk table, plain
// gzip, and damaged headers and chunk tables.
#include <gtest/gtest.h>

#include "importers/dictzip.h"
#include "importers/import_error.h"
#include "tests/importers/fixtures.h"

namespace lexorin {
namespace {

std::string SampleText(size_t size) {
  std::string text;
  for (size_t i = 0; text.size() < size; ++i) text += "entry " + std::to_string(i * 7919 % 1000) + " văn bản\n";
  text.resize(size);
  return text;
}

TEST(Dictzip, ReadsAnyRangeAcrossChunks) {
  const std::string text = SampleText(1000);
  for (const bool finalBlockInLastChunk : {false, true}) {
    SCOPED_TRACE(finalBlockInLastChunk);
    DictzipReader reader(test::MakeDictzip(text, 64, finalBlockInLastChunk).bytes, "t.dict.dz");
    ASSERT_EQ(reader.size(), text.size());
    // Within a chunk, across one and several boundaries, backwards, the
    // partial last chunk, everything, and nothing.
    const std::pair<uint64_t, uint64_t> ranges[] = {{5, 10},  {60, 10}, {100, 300}, {0, 64},
                                                    {990, 10}, {3, 997}, {0, 1000},  {500, 0}};
    for (const auto& [offset, length] : ranges) EXPECT_EQ(reader.Read(offset, length), text.substr(offset, length));
    EXPECT_EQ(reader.Read(700, 50), text.substr(700, 50));
    EXPECT_EQ(reader.Read(10, 50), text.substr(10, 50));
    EXPECT_THROW(reader.Read(990, 11), ImportError);
  }
}

TEST(Dictzip, GzipWithoutChunkTableIsReadWhole) {
  const std::string text = SampleText(5000);
  DictzipReader reader(test::MakeGzip(text), "t.dict.dz");
  EXPECT_EQ(reader.size(), text.size());
  EXPECT_EQ(reader.Read(4000, 1000), text.substr(4000));
}

struct Damage {
  std::string name;
  void (*apply)(test::Dictzip&);
  std::string expected;  // a part of the message, which names the file and a byte
};

void Patch16(test::Dictzip& file, size_t at, uint32_t value) { file.bytes.replace(at, 2, test::Little(value, 2)); }

TEST(Dictzip, DamagedChunkTablesAndHeadersNameTheByte) {
  // 1000 bytes in chunks of 64: 16 chunks; the table starts at byte 16 and
  // the first chunk at byte 54.
  const Damage cases[] = {
      {"not gzip", [](test::Dictzip& f) { f.bytes[0] = 'x'; }, "byte 0: not a gzip file"},
      {"table version", [](test::Dictzip& f) { Patch16(f, f.tableAt, 2); }, "byte 16: unknown chunk table version 2"},
      {"more chunks listed than held", [](test::Dictzip& f) { Patch16(f, f.tableAt + 4, 17); },
       "byte 16: the chunk table lists 17 chunks but holds 16"},
      {"chunks larger than the file",
       [](test::Dictzip& f) { Patch16(f, f.tableAt + 6 + 2 * 15, f.chunkSizes[15] + 100u); },
       "byte 16: the chunk table covers"},
      {"an empty chunk", [](test::Dictzip& f) { Patch16(f, f.tableAt + 6 + 2 * 3, 0); }, "byte 28: chunk 3 is empty"},
      {"last chunk shorter than listed",
       [](test::Dictzip& f) {
         Patch16(f, f.tableAt + 6 + 2 * 14, f.chunkSizes[14] + 1u);
         Patch16(f, f.tableAt + 6 + 2 * 15, f.chunkSizes[15] - 1u);
       },
       "chunk 15"},
      {"wrong size in the trailer", [](test::Dictzip& f) { f.bytes[f.bytes.size() - 4] ^= 1; },
       "the chunks inflate to a size other than the one the trailer gives"},
      {"cut short", [](test::Dictzip& f) { f.bytes.resize(f.bytes.size() - 20); }, "byte 16: the chunk table covers"},
  };
  const std::string text = SampleText(1000);
  for (const Damage& damage : cases) {
    SCOPED_TRACE(damage.name);
    test::Dictzip file = test::MakeDictzip(text, 64);
    ASSERT_EQ(file.tableAt, 16u);
    ASSERT_EQ(file.chunkSizes.size(), 16u);
    damage.apply(file);
    try {
      DictzipReader reader(file.bytes, "t.dict.dz");
      ADD_FAILURE() << "opened";
    } catch (const ImportError& error) {
      const std::string message = error.what();
      EXPECT_TRUE(message.starts_with("t.dict.dz: byte ")) << message;
      EXPECT_NE(message.find(damage.expected), std::string::npos) << message;
    }
  }
}

TEST(Dictzip, ChunkSizesThatSumRightButLieAreFoundWhenTheChunkIsRead) {
  // Moving bytes from chunk 0 to chunk 1 in the table keeps the total, so
  // the file opens; reading chunk 0 then fails at that chunk's byte.
  const std::string text = SampleText(1000);
  test::Dictzip file = test::MakeDictzip(text, 64);
  Patch16(file, file.tableAt + 6, file.chunkSizes[0] - 20u);
  Patch16(file, file.tableAt + 8, file.chunkSizes[1] + 20u);
  DictzipReader reader(file.bytes, "t.dict.dz");
  EXPECT_EQ(reader.Read(900, 100), text.substr(900));  // later chunks are sound
  try {
    reader.Read(10, 20);
    ADD_FAILURE() << "read a damaged chunk";
  } catch (const ImportError& error) {
    EXPECT_TRUE(std::string(error.what()).starts_with("t.dict.dz: byte 54: chunk 0 ")) << error.what();
  }
}

}  // namespace
}  // namespace lexorin

// Reading one entry by its offset and length lines, with damaged numbers.
#include <gtest/gtest.h>

#include "dictionary/entry_file.h"
#include "dictionary/radix64.h"
#include "tests/support/temp_dir.h"

namespace lexorin {
namespace {

class EntryReadTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // "đọc sách" (12 bytes) at 0, "@book" at 12, then bad UTF-8 at 17.
    path_ = dir_.Write("test.dict", "đọc sách@book\xC3(x");
    file_ = OpenEntryFile(path_);
  }
  EntryText Read(int64_t offset, int64_t length) {
    return ReadEntry(file_, Numeral(offset), Numeral(length));
  }
  static std::string Numeral(int64_t n) {
    if (n >= 0) return EncodeRadix64(static_cast<uint32_t>(n));
    return "A=";  // decodes to -1
  }

  test::TempDir dir_;
  std::filesystem::path path_;
  EntryFile file_;
};

struct ReadCase {
  const char* what;
  int64_t offset;
  int64_t length;
  int32_t bytesRead;
  std::u16string_view text;
};

TEST_F(EntryReadTest, ReadsAndConvertsOrReadsNothing) {
  const ReadCase cases[] = {
      {"whole entry", 0, 12, 12, u"đọc sách"},
      {"second entry", 12, 5, 5, u"@book"},
      {"zero length", 0, 0, 0, u""},
      {"offset past the end", 1000, 5, 0, u""},
      {"length past the end", 12, 1000, 8, u"@book\uFFFD(x"},
      {"malformed UTF-8", 17, 3, 3, u"\uFFFD(x"},
      {"negative offset", -1, 5, 0, u""},
      {"negative length", 0, -1, 0, u""},
  };
  for (const ReadCase& c : cases) {
    const EntryText entry = Read(c.offset, c.length);
    EXPECT_EQ(entry.bytesRead, c.bytesRead) << c.what;
    EXPECT_EQ(entry.text, c.text) << c.what;
    EXPECT_EQ(entry.unitsConverted, static_cast<int32_t>(c.text.size())) << c.what;
  }
}

TEST_F(EntryReadTest, MissingFileReadsNothing) {
  const EntryFile missing = OpenEntryFile(dir_ / "missing.dict");
  EXPECT_FALSE(missing.IsOpen());
  EXPECT_EQ(ReadEntry(missing, "A", "M").bytesRead, 0);
}

TEST(EntryReadLimits, SixtyFourThousandBytesAndNoMore) {
  test::TempDir dir;
  // 64000 bytes of two-byte letters: read whole, 32000 units.
  std::string twoByte;
  for (int i = 0; i < 32000; ++i) twoByte += "ă";
  // Then 70000 bytes of three-byte letters, which the reader cuts at 64000
  // bytes without leaving half a letter.
  std::string threeByte;
  for (int i = 0; i < 70002 / 3; ++i) threeByte += "ọ";
  const EntryFile file = OpenEntryFile(dir.Write("big.dict", twoByte + threeByte));

  const EntryText exact = ReadEntry(file, "A", EncodeRadix64(64000));
  EXPECT_EQ(exact.bytesRead, 64000);
  EXPECT_EQ(exact.text.size(), 32000u);
  EXPECT_EQ(exact.text.back(), u'ă');

  const EntryText cut = ReadEntry(file, EncodeRadix64(64000), EncodeRadix64(70002));
  EXPECT_EQ(cut.bytesRead, 64000);
  EXPECT_EQ(cut.text.size(), 21333u);  // 63999 bytes of whole letters
  EXPECT_EQ(cut.text.back(), u'ọ');
}

TEST(EntryReadLimits, ConversionAboveSixtyFourThousandUnitsGivesNothing) {
  EXPECT_EQ(ConvertEntryBytes(std::string(64000, 'a')).unitsConverted, 64000);
  const EntryText tooLong = ConvertEntryBytes(std::string(64001, 'a'));
  EXPECT_EQ(tooLong.unitsConverted, 0);
  EXPECT_TRUE(tooLong.text.empty());
}

}  // namespace
}  // namespace lexorin

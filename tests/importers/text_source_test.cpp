// Our own source format and the order of an imported dictionary.
#include <gtest/gtest.h>

#include "importers/import_error.h"
#include "importers/importer.h"
#include "importers/text_source.h"
#include "tests/importers/fixtures.h"
#include "tests/support/temp_dir.h"

namespace lexorin {
namespace {

using Entries = std::vector<std::pair<std::string, std::string>>;

Entries ImportText(const test::TempDir& dir, std::string_view source) {
  const auto path = dir.Write("source.txt", source);
  ImportDictionary(*ImportFormatByName("text"), path, dir / "out", ArticleStyle::AsIs);
  return test::ReadBack(dir / "out");
}

TEST(TextSource, EntriesSurviveTheRoundTrip) {
  // A byte-order mark, CR LF breaks, a doubled blank line and blank-looking
  // lines of spaces between entries are all tolerated.
  test::TempDir dir;
  EXPECT_EQ(ImportText(dir, "\xEF\xBB\xBFplay\r\n@play\r\n*động từ\r\n-chơi\r\n\r\n\r\nbook\n@book /bʊk/\n-sách\n  \nđi\n-to go\n"),
            (Entries{{"book", "@book /bʊk/\n-sách"}, {"play", "@play\n*động từ\n-chơi"}, {"đi", "-to go"}}));
}

TEST(TextSource, AnEntryOfTheLargestSizeIsReadWhole) {
  test::TempDir dir;
  const std::string body = "-" + std::string(63996, 'x') + "ạ";  // 64000 bytes, ending in a 3-byte character
  const Entries entries = ImportText(dir, "word\n" + body + "\n");
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].second, body);
}

TEST(ImportOrder, SortedByHeadwordWithEqualHeadwordsInSourceOrder) {
  // Upper-case mapping decides, a prefix sorts first, and headwords equal
  // but for case keep the order they came in.
  test::TempDir dir;
  const Entries entries =
      ImportText(dir, "zebra\n-1\n\nab\n-2\n\nÄhre\n-3\n\na b\n-4\n\nabc\n-5\n\nAB\n-6\n\nAb\n-7\n\nđá\n-8\n\nea\n-9\n");
  std::vector<std::string> order;
  for (const auto& [headword, body] : entries) order.push_back(headword + body);
  EXPECT_EQ(order, (std::vector<std::string>{"a b-4", "ab-2", "AB-6", "Ab-7", "abc-5", "ea-9", "zebra-1", "Ähre-3",
                                             "đá-8"}));
}

struct DamagedSource {
  std::string text;
  int line;
  std::string reason;
};

TEST(TextSource, DamagedSourcesNameTheLine) {
  const DamagedSource cases[] = {
      {"a\n-x\n\nb\n\nc\n-y\n", 4, "no body"},
      {"a\n-x\n-y\xFF\n", 3, "not UTF-8"},
      {"a\n-x\n-y" + std::string(1, '\0') + "z\n", 3, "NUL"},
      {"a\r\n-x\ry\r\n", 2, "lone CR"},
      {"a\n-x\n\nb\xE2\x80\xA8" "c\n-y\n", 4, "line break"},
      {"a\n-x\n\nbig\n-" + std::string(64000, 'x') + "\n", 4, "at most 64000"},
  };
  for (const DamagedSource& damaged : cases) {
    SCOPED_TRACE(damaged.reason);
    try {
      ParseTextSource(damaged.text, "dict.txt");
      ADD_FAILURE() << "no error";
    } catch (const ImportError& error) {
      const std::string message = error.what();
      EXPECT_TRUE(message.starts_with("dict.txt: line " + std::to_string(damaged.line) + ": ")) << message;
      EXPECT_NE(message.find(damaged.reason), std::string::npos) << message;
    }
  }
}

}  // namespace
}  // namespace lexorin

// Dict-server databases: the index, plain and compressed article files,
// the headword shown for a normalised key, and damaged indexes.
#include <gtest/gtest.h>

#include "dictionary/radix64.h"
#include "importers/dictd.h"
#include "importers/import_error.h"
#include "importers/importer.h"
#include "tests/importers/fixtures.h"
#include "tests/support/temp_dir.h"

namespace lexorin {
namespace {

using Entries = std::vector<std::pair<std::string, std::string>>;

// A database written by the test: articles one after another, and index
// lines "key TAB offset TAB length [TAB original]" pointing at them.
struct DictdFixture {
  struct Line {
    std::string key;
    size_t article;
    std::string original;
  };
  std::vector<std::string> articles;
  std::vector<Line> lines;

  std::filesystem::path Write(const test::TempDir& dir, bool compressed) const {
    std::string dict;
    std::vector<size_t> offsets;
    for (const std::string& article : articles) {
      offsets.push_back(dict.size());
      dict += article;
    }
    std::string index;
    for (const Line& line : lines) {
      index += line.key + "\t" + EncodeRadix64(static_cast<uint32_t>(offsets[line.article])) + "\t" +
               EncodeRadix64(static_cast<uint32_t>(articles[line.article].size()));
      if (!line.original.empty()) index += "\t" + line.original;
      index += "\n";
    }
    if (compressed) {
      dir.Write("db.dict.dz", test::MakeDictzip(dict, 32).bytes);
    } else {
      dir.Write("db.dict", dict);
    }
    return dir.Write("db.index", index);
  }
};

const DictdFixture kDatabase{
    {"\n",
     "00-database-short\n     A test database\n",
     "'s Gravenhage\n    n 1: the seat of government of the Netherlands\n",
     "Flag Day\n    n 1: a day\n",
     "flame\nflamage\n\n   <messaging> To rant.\n",
     "Dilute \\Di*lute\"\\, v. t.\n   To thin.\n",
     "Dilute \\Di*lute\"\\, a.\n   Thin.\n",
     "C++\n\n   <language> A language.\n"},
    {{"'s gravenhage", 2, ""},
     {"00-database-allchars", 0, ""},
     {"00-database-short", 1, ""},
     {"c++", 7, "C++"},
     {"dilute", 5, ""},
     {"dilute", 6, ""},
     {"flag day", 3, ""},
     {"flamage", 4, ""},
     {"flame", 4, ""}}};

TEST(Dictd, PlainAndCompressedDatabasesImportTheSameEntries) {
  // Description keys are left out; keys take the headword as the article
  // writes it (or as the index's fourth field gives it); equal headwords
  // keep the index's order; articles are kept as they are.
  const Entries expected{
      {"'s Gravenhage", "'s Gravenhage\n    n 1: the seat of government of the Netherlands"},
      {"C++", "C++\n\n   <language> A language."},
      {"dilute", "Dilute \\Di*lute\"\\, v. t.\n   To thin."},
      {"dilute", "Dilute \\Di*lute\"\\, a.\n   Thin."},
      {"Flag Day", "Flag Day\n    n 1: a day"},
      {"flamage", "flame\nflamage\n\n   <messaging> To rant."},
      {"flame", "flame\nflamage\n\n   <messaging> To rant."},
  };
  for (const bool compressed : {false, true}) {
    SCOPED_TRACE(compressed);
    test::TempDir dir;
    ImportDictionary(*ImportFormatByName("dictd"), kDatabase.Write(dir, compressed), dir / "out", ArticleStyle::AsIs);
    EXPECT_EQ(test::ReadBack(dir / "out"), expected);
  }
}

TEST(Dictd, DisplayHeadwordOfANormalisedKey) {
  struct Case {
    std::string key;
    std::string article;
    bool keepsAllCharacters;
    std::string expected;
  };
  const Case cases[] = {
      {"flag day", "Flag Day\n    n 1: a day\n", true, "Flag Day"},
      {"flamage", "flame\nflamage\nflaming\n\n   text\n", true, "flamage"},
      {"box", "Box  \n  text\n", true, "Box"},
      // Without all characters the key also lost its punctuation.
      {"s gravenhage", "'s Gravenhage\n    n 1: text\n", false, "'s Gravenhage"},
      {"s gravenhage", "'s Gravenhage\n    n 1: text\n", true, "s gravenhage"},
      // No name of the article matches: the key stays.
      {"dilute", "Dilute \\Di*lute\"\\, v. t.\n   To thin.\n", true, "dilute"},
      {"đá", "ĐÁ\n  text\n", true, "ĐÁ"},
      {"word", "", true, "word"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Utf16ToUtf8(DictdDisplayHeadword(c.key, c.article, c.keepsAllCharacters)), c.expected) << c.key;
  }
}

TEST(Dictd, Latin1ArticlesBecomeUtf8) {
  EXPECT_EQ(DictdTextAsUtf8("caf\xE9"), "café");
  EXPECT_EQ(DictdTextAsUtf8("café"), "café");
}

TEST(Dictd, DamagedIndexesNameTheLine) {
  struct Damage {
    std::string index;
    std::string expected;
  };
  const Damage cases[] = {
      {"a\tA\tB\nb\tB\n", "db.index: line 2: expected HEADWORD, OFFSET and LENGTH separated by tabs"},
      {"a\tA\tB\nb\tA*\tB\n", "db.index: line 2: bad offset \"A*\""},
      {"a\tA\t\n", "db.index: line 1: bad length \"\""},
      {"a\tA\tB\n\nb\tC\tZ\n", "db.index: line 3: the article at offset 2, 25 bytes long, lies past the end of db.dict (4 bytes)"},
  };
  for (const Damage& damage : cases) {
    test::TempDir dir;
    dir.Write("db.dict", "abcd");
    const auto index = dir.Write("db.index", damage.index);
    try {
      ImportDictionary(*ImportFormatByName("dictd"), index, dir / "out", ArticleStyle::AsIs);
      ADD_FAILURE() << "imported " << damage.index;
    } catch (const ImportError& error) {
      const std::string message = error.what();
      EXPECT_TRUE(message.ends_with(damage.expected)) << message;
      EXPECT_FALSE(test::AnyDictionaryFile(dir / "out"));
    }
  }
}

}  // namespace
}  // namespace lexorin

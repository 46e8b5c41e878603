// StarDict dictionaries: plain and compressed article files, 32- and 64-bit
// offsets, synonyms, article fields and damaged files.
#include <gtest/gtest.h>

#include "importers/import_error.h"
#include "importers/importer.h"
#include "importers/stardict.h"
#include "tests/importers/fixtures.h"
#include "tests/support/temp_dir.h"

namespace lexorin {
namespace {

using Entries = std::vector<std::pair<std::string, std::string>>;

// A StarDict dictionary written by the test. Articles lie in the article
// file in the reverse order of the index, as nothing requires them in order.
struct StarDictFixture {
  Entries articles;  // word, article bytes
  std::vector<std::pair<std::string, uint32_t>> synonyms;
  int offsetBits = 32;
  bool compressed = false;
  std::string sameTypeSequence = "m";
  bool compressedIndex = false;  // .idx.gz

  std::string IndexBytes(const std::vector<uint64_t>& offsets) const {
    std::string idx;
    for (size_t i = 0; i < articles.size(); ++i) {
      idx += articles[i].first + std::string(1, '\0') + test::BigEndian(offsets[i], offsetBits / 8) +
             test::BigEndian(articles[i].second.size(), 4);
    }
    return idx;
  }

  std::filesystem::path Write(const test::TempDir& dir, std::string_view name = "dict") const {
    std::string dict;
    std::vector<uint64_t> offsets(articles.size());
    for (size_t i = articles.size(); i-- > 0;) {
      offsets[i] = dict.size();
      dict += articles[i].second;
    }
    const std::string idx = IndexBytes(offsets);
    std::string ifo = "StarDict's dict ifo file\nversion=" + std::string(offsetBits == 64 ? "3.0.0" : "2.4.2") +
                      "\nbookname=Test\nwordcount=" + std::to_string(articles.size()) +
                      "\nidxfilesize=" + std::to_string(idx.size()) + "\n";
    if (offsetBits == 64) ifo += "idxoffsetbits=64\n";
    if (!sameTypeSequence.empty()) ifo += "sametypesequence=" + sameTypeSequence + "\n";
    const std::string base(name);
    if (compressedIndex) {
      dir.Write(base + ".idx.gz", test::MakeGzip(idx));
    } else {
      dir.Write(base + ".idx", idx);
    }
    if (compressed) {
      dir.Write(base + ".dict.dz", test::MakeDictzip(dict, 16).bytes);
    } else {
      dir.Write(base + ".dict", dict);
    }
    if (!synonyms.empty()) {
      std::string syn;
      for (const auto& [word, entry] : synonyms) syn += word + std::string(1, '\0') + test::BigEndian(entry, 4);
      dir.Write(base + ".syn", syn);
    }
    return dir.Write(base + ".ifo", ifo);
  }
};

Entries Import(const test::TempDir& dir, const std::filesystem::path& ifo) {
  ImportDictionary(*ImportFormatByName("stardict"), ifo, dir / "out", ArticleStyle::AsIs);
  return test::ReadBack(dir / "out");
}

// The error of importing a damaged dictionary; checks nothing was written.
std::string ImportFailure(const test::TempDir& dir, const std::filesystem::path& ifo) {
  try {
    Import(dir, ifo);
  } catch (const ImportError& error) {
    EXPECT_FALSE(test::AnyDictionaryFile(dir / "out"));
    return error.what();
  }
  ADD_FAILURE() << "no error";
  return {};
}

const Entries kArticles{{"apple", "-quả táo"}, {"Book", "@Book\n-sách, cuốn sách"}, {"cat", "-con mèo"}};

TEST(StarDict, EveryLayoutImportsTheSameEntries) {
  struct Layout {
    int offsetBits;
    bool compressed;
    bool synonyms;
    bool compressedIndex;
  };
  for (const Layout layout : {Layout{32, false, false, false}, Layout{32, true, true, false},
                              Layout{64, false, true, true}, Layout{64, true, false, false}}) {
    SCOPED_TRACE(testing::Message() << layout.offsetBits << " bits, compressed " << layout.compressed
                                    << ", synonyms " << layout.synonyms << ", .idx.gz " << layout.compressedIndex);
    test::TempDir dir;
    StarDictFixture fixture{kArticles, {}, layout.offsetBits, layout.compressed};
    fixture.compressedIndex = layout.compressedIndex;
    if (layout.synonyms) fixture.synonyms = {{"tome", 1}, {"kitty", 2}, {"Apple", 0}};
    Entries expected{{"apple", "-quả táo"}, {"Book", "@Book\n-sách, cuốn sách"}, {"cat", "-con mèo"}};
    if (layout.synonyms) {
      // Each synonym shows its entry's text, and sorts after an equal headword.
      expected = {{"apple", "-quả táo"}, {"Apple", "-quả táo"}, {"Book", "@Book\n-sách, cuốn sách"},
                  {"cat", "-con mèo"}, {"kitty", "-con mèo"}, {"tome", "@Book\n-sách, cuốn sách"}};
    }
    EXPECT_EQ(Import(dir, fixture.Write(dir)), expected);
  }
}

TEST(StarDict, ArticlesWithTheirOwnFieldTypes) {
  // Without a same-type sequence each field carries its type; text fields
  // end at NUL, binary ones have a size. Sounds are left out; 8-bit text
  // that is not UTF-8 is Vietnamese code page 1258; HTML and XDXF become
  // text with line marks.
  test::TempDir dir;
  const std::string nul(1, '\0');
  const std::string article = "m-plain" + nul + "W" + test::BigEndian(3, 4) + "wav" + "l-\xD0i" + nul +
                              "h<b>in</b> &amp; <i>out</i><br>next" + nul + "x<k>go</k> <tr>ɡoʊ</tr><dtrn>đi</dtrn>" + nul;
  StarDictFixture fixture{{{"go", article}}};
  fixture.sameTypeSequence.clear();
  EXPECT_EQ(Import(dir, fixture.Write(dir)), (Entries{{"go", "-plain\n-Đi\nin & out\nnext\n@go [ɡoʊ]\n-đi"}}));
}

TEST(StarDict, SameTypeSequenceLeavesTheLastFieldUnterminated) {
  test::TempDir dir;
  const std::string nul(1, '\0');
  StarDictFixture fixture{{{"book", "bʊk" + nul + "-sách"}, {"go", "ɡoʊ" + nul + "-đi"}}};
  fixture.sameTypeSequence = "tm";
  EXPECT_EQ(Import(dir, fixture.Write(dir)), (Entries{{"book", "bʊk\n-sách"}, {"go", "ɡoʊ\n-đi"}}));
}

TEST(StarDict, TruncatedIndexNamesTheEntryThatIsCut) {
  // Entries of "apple", "Book", "cat" with 32-bit numbers: 14, 13 and 12
  // bytes, so "cat" starts at byte 27.
  for (const size_t keep : {28u, 31u, 35u, 38u}) {
    SCOPED_TRACE(keep);
    test::TempDir dir;
    const auto ifo = StarDictFixture{kArticles}.Write(dir);
    const std::string idx = test::ReadFileBytes(dir / "dict.idx");
    dir.Write("dict.idx", idx.substr(0, keep));
    const std::string message = ImportFailure(dir, ifo);
    EXPECT_NE(message.find("dict.idx: byte 27: entry 2 is cut short"), std::string::npos) << message;
  }
}

TEST(StarDict, InconsistentFilesAreReportedWhereTheyGoWrong) {
  // Each case damages a good dictionary after it is written.
  struct Damage {
    std::string name;
    void (*apply)(const test::TempDir&, const StarDictFixture&);
    std::string expected;
  };
  const Damage cases[] = {
      {"synonym past the last entry",
       [](const test::TempDir& dir, const StarDictFixture&) {
         dir.Write("dict.syn", "tome" + std::string(1, '\0') + test::BigEndian(1, 4) + "dog" + std::string(1, '\0') +
                                   test::BigEndian(3, 4));
       },
       "dict.syn: byte 9: points at entry 3 of 3"},
      {"article past the end of the article file",
       [](const test::TempDir& dir, const StarDictFixture& f) { dir.Write("dict.idx", f.IndexBytes({0, 0, 1000})); },
       "dict.idx: byte 27: the article at offset 1000, 9 bytes long, lies past the end of dict.dict"},
      {"article field without its NUL",
       [](const test::TempDir& dir, const StarDictFixture&) {
         // Typed fields; the article of "b" (first in the file) ends inside
         // its text field.
         StarDictFixture typed{{{"a", "m-x" + std::string(1, '\0')}, {"b", "mtext"}}};
         typed.sameTypeSequence.clear();
         typed.Write(dir);
       },
       "dict.dict: byte 1: a field of the article at byte 0 is cut short"},
      {"word count other than the index's",
       [](const test::TempDir& dir, const StarDictFixture&) {
         dir.Write("dict.ifo", "StarDict's dict ifo file\nversion=2.4.2\nwordcount=4\nsametypesequence=m\n");
       },
       "dict.idx: byte 39: holds 3 entries, the .ifo's wordcount says 4"},
  };
  for (const Damage& damage : cases) {
    SCOPED_TRACE(damage.name);
    test::TempDir dir;
    const StarDictFixture fixture{kArticles};
    const auto ifo = fixture.Write(dir);
    damage.apply(dir, fixture);
    const std::string message = ImportFailure(dir, ifo);
    EXPECT_NE(message.find(damage.expected), std::string::npos) << message;
  }
}

}  // namespace
}  // namespace lexorin

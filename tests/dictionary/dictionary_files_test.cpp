// The headword and number files: encodings, line breaks, damaged files, and
// the writer that makes all four files.
#include <gtest/gtest.h>

#include "dictionary/data_file_error.h"
#include "dictionary/dictionary_writer.h"
#include "dictionary/headword_list.h"
#include "dictionary/loaded_dictionary.h"
#include "dictionary/number_lines.h"
#include "tests/support/temp_dir.h"

namespace lexorin {
namespace {

using namespace std::literals;

// The bytes of a string literal, embedded NULs included.
template <size_t N>
std::string Bytes(const char (&literal)[N]) {
  return std::string(literal, N - 1);
}

std::vector<std::u16string> Items(const HeadwordList& list) {
  std::vector<std::u16string> items;
  for (size_t i = 0; i < list.size(); ++i) items.emplace_back(list[i]);
  return items;
}

std::string Utf16Le(std::u16string_view text) {
  std::string bytes;
  for (char16_t u : text) {
    bytes.push_back(static_cast<char>(u & 0xFF));
    bytes.push_back(static_cast<char>(u >> 8));
  }
  return bytes;
}

std::string Utf16Be(std::u16string_view text) {
  std::string bytes;
  for (char16_t u : text) {
    bytes.push_back(static_cast<char>(u >> 8));
    bytes.push_back(static_cast<char>(u & 0xFF));
  }
  return bytes;
}

TEST(HeadwordFile, EveryEncodingGivesTheSameHeadwords) {
  const std::u16string text = u"ăn\r\nđọc\r\nчитать\r\n";
  const std::vector<std::u16string> expected = {u"ăn", u"đọc", u"читать"};
  const std::string encodings[] = {
      "\xFF\xFE" + Utf16Le(text),
      "\xFE\xFF" + Utf16Be(text),
      "\xEF\xBB\xBF" "ăn\r\nđọc\r\nчитать\r\n",
      "ăn\r\nđọc\r\nчитать\r\n",  // no mark, well-formed UTF-8
  };
  for (const std::string& bytes : encodings) EXPECT_EQ(Items(ParseHeadwords(bytes)), expected);

  // The same through files, which take the direct UTF-16 path.
  test::TempDir dir;
  EXPECT_EQ(Items(LoadHeadwords(dir.Write("le", encodings[0]))), expected);
  EXPECT_EQ(Items(LoadHeadwords(dir.Write("be", encodings[1]))), expected);
  EXPECT_EQ(Items(LoadHeadwords(dir.Write("u8", encodings[2]))), expected);
}

TEST(HeadwordFile, UnmarkedNonUtf8IsVietnameseCodePage) {
  // "đi" and "ăn" in code page 1258.
  EXPECT_EQ(Items(ParseHeadwords("\xF0i\r\n\xE3n")), (std::vector<std::u16string>{u"đi", u"ăn"}));
}

struct LineCase {
  std::u16string_view text;
  std::vector<std::u16string> headwords;
};

TEST(HeadwordFile, LineBreakRules) {
  const LineCase cases[] = {
      {u"a\r\n\r\nb", {u"a", u"", u"b"}},
      {u"a\r\n", {u"a"}},
      {u"a\nb\rc\u2028d", {u"a", u"b", u"c", u"d"}},
      {u"a\r\n\u2028b", {u"a", u"b"}},     // CR LF U+2028 is one break
      {u"a\n\rb", {u"a", u"", u"b"}},      // LF CR is two
      {u"a\r\rb", {u"a", u"", u"b"}},
      {u"a\0b\r\nc"sv, {u"a"}},            // NUL ends the text
      {u"", {}},
      {u"\r\n", {u""}},
      {u" a \tb", {u" a \tb"}},            // stored exactly as written
  };
  for (const LineCase& c : cases) {
    EXPECT_EQ(Items(ParseHeadwords("\xFF\xFE" + Utf16Le(c.text))), c.headwords);
  }
}

TEST(HeadwordFile, ShortAndOddFiles) {
  EXPECT_TRUE(ParseHeadwords("\xFF\xFE").empty());
  EXPECT_TRUE(ParseHeadwords("\xFF\xFE" "a").empty());  // one byte after the mark
  EXPECT_EQ(Items(ParseHeadwords(Bytes("\xFF\xFE" "a\0b"))), std::vector<std::u16string>{u"a"});  // odd last byte ignored
  test::TempDir dir;
  EXPECT_EQ(Items(LoadHeadwords(dir.Write("odd", Bytes("\xFF\xFE" "a\0b")))),
            std::vector<std::u16string>{u"a"});
  EXPECT_TRUE(LoadHeadwords(dir.Write("empty", "")).empty());
}

TEST(HeadwordFile, MissingFileNamesTheFile) {
  test::TempDir dir;
  try {
    LoadHeadwords(dir / "ngaviet.index1");
    FAIL() << "no error";
  } catch (const DataFileError& error) {
    EXPECT_NE(std::string(error.what()).find("ngaviet.index1"), std::string::npos);
  }
  EXPECT_THROW(LoadNumberLines(dir / "x.index2"), DataFileError);
  EXPECT_THROW(LoadHeadwords(dir.path()), DataFileError);  // a folder is not a headword file
}

TEST(NumberFile, LinesAreKeptAsBytes) {
  const NumberLines lines = NumberLines::FromBytes(Bytes("A\r\nBA\n//\rx\r\n\r\nZ\0junk"));
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[0], "A");
  EXPECT_EQ(lines[3], "x");
  EXPECT_EQ(lines[4], "");
  EXPECT_EQ(lines[5], "Z");
  EXPECT_FALSE(lines.At(6).has_value());
  // A byte-order mark is not recognised: it stays part of the first line.
  EXPECT_EQ(NumberLines::FromBytes("\xEF\xBB\xBF" "A")[0], "\xEF\xBB\xBF" "A");
}

TEST(DictionaryWriter, WritesFilesThatLoadBackSorted) {
  test::TempDir dir;
  std::vector<DictionaryEntry> entries = {
      {u"book", "@book\nsách"}, {u"Apple", "@Apple\ntáo"}, {u"book", "@book\nđặt trước"}, {u"ăn", "@ăn\neat"}};
  SortEntries(entries);
  const auto paths = DictionaryPaths::ForBase(dir.path(), "test");
  WriteDictionary(paths, entries);
  const auto dictionary = LoadedDictionary::Load(paths);
  ASSERT_EQ(dictionary->size(), 4u);
  EXPECT_EQ(dictionary->headwords()[0], u"Apple");
  EXPECT_EQ(dictionary->headwords()[1], u"book");
  EXPECT_EQ(dictionary->ReadEntryAt(1).text, u"@book\nsách");
  EXPECT_EQ(dictionary->ReadEntryAt(2).text, u"@book\nđặt trước");  // equal headwords keep their order
  EXPECT_EQ(dictionary->headwords()[3], u"ăn");                     // U+0103 sorts after ASCII
}

TEST(DictionaryWriter, HeadwordsSharingAnArticleShareOneCopy) {
  test::TempDir dir;
  const auto paths = DictionaryPaths::ForBase(dir.path(), "syn");
  WriteDictionary(paths, {{u"car", "a motor vehicle"}, {u"auto", "a motor vehicle"}, {u"bus", "a coach"}});
  EXPECT_EQ(std::filesystem::file_size(paths.entries), std::string("a motor vehiclea coach").size());
  const auto dictionary = LoadedDictionary::Load(paths);
  EXPECT_EQ(dictionary->ReadEntryAt(0).text, u"a motor vehicle");
  EXPECT_EQ(dictionary->ReadEntryAt(1).text, u"a motor vehicle");
  EXPECT_EQ(dictionary->ReadEntryAt(2).text, u"a coach");
}

TEST(DictionaryWriter, FailureLeavesNoFiles) {
  test::TempDir dir;
  const auto paths = DictionaryPaths::ForBase(dir.path(), "bad");
  EXPECT_THROW(WriteDictionary(paths, {{u"a\r\nb", "x"}}), DataFileError);
  EXPECT_THROW(WriteDictionary(DictionaryPaths::ForBase(dir / "missing-folder", "x"), {{u"a", "x"}}), DataFileError);
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

}  // namespace
}  // namespace lexorin

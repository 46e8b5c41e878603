// The lexorin program end to end on a small data folder.
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <cstdio>

#include "dictionary/dictionary_writer.h"
#include "tests/support/temp_dir.h"

namespace lexorin {
namespace {

struct Result {
  int exitCode;
  std::string out;
};

class LexorinCli : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteDictionary(DictionaryPaths::ForBase(data_.path(), "anhviet"),
                    {{u"book", "@book /bʊk/\n*danh từ\n-sách"}, {u"go", "@go\n-đi"}, {u"play", "@play\n-chơi ʃ"}});
    // The Russian-Vietnamese pane: a good entry, an entry with both numbers
    // zero, and one whose offset lies past the end of the entry file.
    data_.Write("ngaviet.index1", "\xFF\xFE" + Utf16(u"дом\r\nокно\r\nсон\r\n"));
    data_.Write("ngaviet.index2", "A\r\nA\r\nBAAA\r\n");
    data_.Write("ngaviet.index3", "J\r\nA\r\nE\r\n");
    data_.Write("ngaviet.dict", "@дом-nhà");
  }

  static std::string Utf16(std::u16string_view text) {
    std::string bytes;
    for (char16_t u : text) bytes += {static_cast<char>(u & 0xFF), static_cast<char>(u >> 8)};
    return bytes;
  }

  Result Run(const std::string& arguments, const std::string& input = "") {
    const auto inputFile = data_.Write("stdin.txt", input);
    const std::string command = std::string(LEXORIN_BINARY) + " --data " + data_.path().string() + " " + arguments +
                                " < " + inputFile.string() + " 2>" + (data_ / "stderr.txt").string();
    FILE* pipe = popen(command.c_str(), "r");
    std::string out;
    char buffer[4096];
    while (size_t n = fread(buffer, 1, sizeof buffer, pipe)) out.append(buffer, n);
    const int status = pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
  }

  test::TempDir data_;
};

TEST_F(LexorinCli, LookupPrintsTheNearestHeadwordAndItsEntry) {
  // Plain output to a pipe: no escape codes; the phonetic look-alike shows.
  const Result plain = Run("lookup --pane EngViet PLAY");
  EXPECT_EQ(plain.exitCode, 0);
  EXPECT_EQ(plain.out, "play\n◊ play\n▪chơi ∫\n");

  const Result json = Run("lookup --json boo");  // EngViet is the default pane
  EXPECT_EQ(json.exitCode, 0);
  EXPECT_EQ(json.out,
            "{\"index\": 0, \"headword\": \"book\", \"runs\": [{\"text\": \"◊ \", \"bold\": false, \"italic\": false, "
            "\"colour\": 0}, {\"text\": \"book /bʊk/\\n \", \"bold\": true, \"italic\": false, \"colour\": 1}, "
            "{\"text\": \"danh từ\\n▪\", \"bold\": false, \"italic\": false, \"colour\": 5}, {\"text\": \"sách\", "
            "\"bold\": false, \"italic\": false, \"colour\": 4}]}\n");
}

TEST_F(LexorinCli, RussianVietnameseSpecialCases) {
  EXPECT_EQ(Run("lookup --pane RusViet --json окно").out, "{\"index\": 1, \"headword\": \"окно\", \"runs\": null}\n");
  EXPECT_EQ(Run("lookup --pane RusViet --json сон").out,
            "{\"index\": 2, \"headword\": \"сон\", \"runs\": null, \"message\": \"Read File Error\"}\n");
  // The same damaged entry in a pane that does not report: an empty entry.
  std::filesystem::copy_file(data_ / "ngaviet.index1", data_ / "nganga.index1");
  std::filesystem::copy_file(data_ / "ngaviet.index2", data_ / "nganga.index2");
  std::filesystem::copy_file(data_ / "ngaviet.index3", data_ / "nganga.index3");
  std::filesystem::copy_file(data_ / "ngaviet.dict", data_ / "nganga.dict");
  EXPECT_EQ(Run("lookup --pane RusRus --json сон").out, "{\"index\": 2, \"headword\": \"сон\", \"runs\": []}\n");
}

TEST_F(LexorinCli, BatchListAndFiles) {
  // In a three-word list a query before the first headword selects it; a
  // word between neighbours takes the far side of the last probe.
  const Result batch = Run("lookup --json --batch -", "a\r\nzzz\n");
  EXPECT_EQ(batch.exitCode, 0);
  EXPECT_TRUE(batch.out.starts_with("{\"index\": 0, ")) << batch.out;
  EXPECT_NE(batch.out.find("\n{\"index\": 2, "), std::string::npos);

  EXPECT_EQ(Run("list --files " + (data_ / "anhviet").string()).out, "book\ngo\nplay\n");
  EXPECT_EQ(Run("list --json --pane EngViet").out, "[\"book\", \"go\", \"play\"]\n");
}

TEST_F(LexorinCli, Radix64Commands) {
  EXPECT_EQ(Run("radix64 encode 0 64 4095").out, "A\nBA\n//\n");
  EXPECT_EQ(Run("radix64 decode BAAA A=").out, "262144\n-1\n");
}

struct ExitCase {
  const char* arguments;
  int exitCode;
};

TEST_F(LexorinCli, ExitCodes) {
  WriteDictionary(DictionaryPaths::ForBase(data_.path(), "vietanh"), {{u"b", "x"}, {u"d", "y"}});
  const ExitCase cases[] = {
      {"lookup --pane VietEng a", 1},     // two headwords: nothing before the first
      {"lookup --pane VietEng --json a", 1},
      {"lookup --pane Nowhere a", 2},
      {"lookup", 2},
      {"lookup --pane EngViet --files x a", 2},
      {"radix64 encode -1", 2},
      {"frobnicate", 2},
      {"lookup --pane FraViet a", 3},     // no phapviet files
  };
  for (const ExitCase& c : cases) EXPECT_EQ(Run(c.arguments).exitCode, c.exitCode) << c.arguments;
  EXPECT_EQ(Run("lookup --pane VietEng --json a").out, "{\"index\": null}\n");
  Run("lookup --pane FraViet a");
  std::ifstream err(data_ / "stderr.txt");
  std::string line;
  std::getline(err, line);
  EXPECT_NE(line.find("phapviet.index1"), std::string::npos) << line;
}

}  // namespace
}  // namespace lexorin

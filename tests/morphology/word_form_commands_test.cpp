// The base-form and anagrams commands of the lexorin program, run on a small
// set of dictionaries written by the test.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <functional>

#include "dictionary/dictionary_writer.h"
#include "tests/support/temp_dir.h"

namespace lexorin {
namespace {

struct ProgramRun {
  int exitCode;
  std::string out;
};

std::string Quoted(std::string_view arg) {
  std::string quoted = "'";
  for (char c : arg) {
    if (c == '\'') {
      quoted += "'\\''";
    } else {
      quoted += c;
    }
  }
  return quoted + "'";
}

class WordFormCommands : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    data_ = new test::TempDir;
    Write("ngaviet", {u"окно", u"стол", u"читать", u"кар", u"рак"});
    Write("nganga", {u"Читать", u"читый"});
    Write("anhviet", {u"book", u"go", u"play", u"the"});
    Write("anhanh", {u"go"});
  }
  static void TearDownTestSuite() {
    delete data_;
    data_ = nullptr;
  }

  static void Write(std::string_view base, const std::vector<std::u16string>& headwords) {
    std::vector<DictionaryEntry> entries;
    for (const auto& headword : headwords) entries.push_back({headword, "entry"});
    WriteDictionary(DictionaryPaths::ForBase(data_->path(), base), entries);
  }

  // Runs lexorin with the test's data folder; `input` becomes standard input.
  static ProgramRun Lexorin(const std::vector<std::string>& args, const std::string& dataDir = "",
                     const std::string& input = "") {
    std::string command = Quoted(LEXORIN_BINARY) + " --data " + Quoted(dataDir.empty() ? data_->path().string() : dataDir);
    for (const std::string& arg : args) command += " " + Quoted(arg);
    command += " < " + Quoted(data_->Write("stdin.txt", input).string()) + " 2>/dev/null";
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) return {-1, ""};
    std::string out;
    char buffer[4096];
    while (const size_t read = std::fread(buffer, 1, sizeof buffer, pipe)) out.append(buffer, read);
    const int status = ::pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
  }

  static test::TempDir* data_;
};

test::TempDir* WordFormCommands::data_ = nullptr;

struct CommandCase {
  std::vector<std::string> args;
  std::string input;
  int exitCode;
  std::string out;
};

void ExpectRuns(const std::vector<CommandCase>& cases, const std::function<ProgramRun(const CommandCase&)>& run) {
  for (const CommandCase& c : cases) {
    std::string joined;
    for (const auto& arg : c.args) joined += arg + " ";
    const ProgramRun result = run(c);
    EXPECT_EQ(result.exitCode, c.exitCode) << joined;
    EXPECT_EQ(result.out, c.out) << joined;
  }
}

TEST_F(WordFormCommands, BaseForm) {
  ExpectRuns(
      {
          {{"base-form", "ru", "читаю"}, "", 0, "читать\n"},
          {{"base-form", "ru", "--json", "читаю"}, "", 0,
           "{\"found\": true, \"index\": 2, \"headword\": \"читать\", \"second\": 0}\n"},
          // Found in the Russian-Vietnamese list only.
          {{"base-form", "ru", "--json", "столом"}, "", 0,
           "{\"found\": true, \"index\": 1, \"headword\": \"стол\", \"second\": null}\n"},
          // The adjective читый is only in the second list and is not taken.
          {{"base-form", "ru", "--json", "читого"}, "", 1, "{\"found\": false}\n"},
          {{"base-form", "ru", "окон"}, "", 0, "окно\n"},
          {{"base-form", "ru", "гулял"}, "", 1, ""},
          {{"base-form", "en", "going"}, "", 0, "go\n"},
          {{"base-form", "en", "--json", "played"}, "", 0,
           "{\"found\": true, \"index\": 2, \"headword\": \"play\", \"second\": null}\n"},
          {{"base-form", "en", "--json", "goes"}, "", 0,
           "{\"found\": true, \"index\": 1, \"headword\": \"go\", \"second\": 0}\n"},
          // One result line per word, also for an empty line and a miss; exit 0.
          {{"base-form", "ru", "--batch", "-"}, "читаю\n\nгулял\r\nстолом\n", 0, "читать\n\n\nстол\n"},
          {{"base-form", "en", "--json", "--batch", "-"}, "books\nxyz\n", 0,
           "{\"found\": true, \"index\": 0, \"headword\": \"book\", \"second\": null}\n{\"found\": false}\n"},
      },
      [](const CommandCase& c) { return Lexorin(c.args, "", c.input); });
}

TEST_F(WordFormCommands, BatchFromAFile) {
  const auto file = data_->Write("words.txt", "books\r\nthe\n");
  const ProgramRun run = Lexorin({"base-form", "en", "--batch", file.string()});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.out, "book\nthe\n");
}

TEST_F(WordFormCommands, Anagrams) {
  ExpectRuns(
      {
          {{"anagrams", "ru", "арк"}, "", 0, "кар\nрак\n"},
          {{"anagrams", "ru", "--json", "рак"}, "", 0, "[\"кар\", \"рак\"]\n"},
          {{"anagrams", "en", "teh"}, "", 0, "the\n"},
          {{"anagrams", "en", "Teh"}, "", 1, ""},
          {{"anagrams", "en", "--json", "xyz"}, "", 1, "[]\n"},
          {{"anagrams", "en", ""}, "", 1, ""},
          {{"anagrams", "en", "--json", ""}, "", 1, ""},
      },
      [](const CommandCase& c) { return Lexorin(c.args); });
}

TEST_F(WordFormCommands, WrongCommandLinesAndMissingFiles) {
  ExpectRuns(
      {
          {{"base-form", "fr", "mot"}, "", 2, ""},
          {{"base-form"}, "", 2, ""},
          {{"base-form", "ru"}, "", 2, ""},
          {{"base-form", "ru", "a", "b"}, "", 2, ""},
          {{"base-form", "ru", "--batch", "-", "читаю"}, "", 2, ""},
          {{"base-form", "ru", "--pane", "RusViet", "читаю"}, "", 2, ""},
          {{"anagrams", "ru"}, "", 2, ""},
          {{"anagrams", "de", "abc"}, "", 2, ""},
          {{"base-form", "ru", "--batch", "/nonexistent/words.txt"}, "", 3, ""},
      },
      [](const CommandCase& c) { return Lexorin(c.args); });

  // The group's second dictionary is missing: a data error, not a miss.
  test::TempDir partial;
  std::filesystem::copy(data_->path() / "anhviet.index1", partial.path());
  std::filesystem::copy(data_->path() / "anhviet.index2", partial.path());
  std::filesystem::copy(data_->path() / "anhviet.index3", partial.path());
  EXPECT_EQ(Lexorin({"base-form", "en", "books"}, partial.path().string()).exitCode, 3);
  EXPECT_EQ(Lexorin({"anagrams", "en", "eht"}, partial.path().string()).out, "the\n");
  EXPECT_EQ(Lexorin({"anagrams", "ru", "рак"}, partial.path().string()).exitCode, 3);
}

}  // namespace
}  // namespace lexorin

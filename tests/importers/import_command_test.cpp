// lexorin import end to end: what it prints, its exit codes, and that a
// damaged source leaves the dictionary that was there untouched.
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <cstdio>

#include "dictionary/radix64.h"
#include "tests/importers/fixtures.h"
#include "tests/support/temp_dir.h"

namespace lexorin {
namespace {

struct Result {
  int exitCode;
  std::string out;
  std::string err;
};

class ImportCommand : public ::testing::Test {
 protected:
  Result Run(const std::string& arguments) {
    const auto errFile = dir_ / "stderr.txt";
    const std::string command = std::string(LEXORIN_BINARY) + " import " + arguments + " 2>" + errFile.string();
    FILE* pipe = popen(command.c_str(), "r");
    std::string out;
    char buffer[4096];
    while (size_t n = fread(buffer, 1, sizeof buffer, pipe)) out.append(buffer, n);
    const int status = pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out, test::ReadFileBytes(errFile)};
  }

  // The dictionary files at `base`, to compare before and after.
  std::string Snapshot(const std::filesystem::path& base) {
    std::string all;
    for (const char* extension : {".index1", ".index2", ".index3", ".dict"}) {
      all += test::ReadFileBytes(base.string() + extension) + "|";
    }
    return all;
  }

  bool OnlyExpectedFiles() {
    for (const auto& entry : std::filesystem::directory_iterator(dir_.path())) {
      if (entry.path().string().ends_with(".partial")) return false;
    }
    return true;
  }

  test::TempDir dir_;
};

TEST_F(ImportCommand, ImportsAndReportsTheHeadwordCount) {
  const auto source = dir_.Write("src.txt", "go\n-đi\n\nbook\n-sách\n\nbook\n-quyển\n");
  const auto out = dir_ / "Data" / "anhviet";  // the folder is made when missing
  const Result good = Run("text " + source.string() + " " + out.string());
  EXPECT_EQ(good.exitCode, 0) << good.err;
  EXPECT_EQ(good.out, "3 headwords written to " + out.string() + "\n");
  EXPECT_EQ(test::ReadBack(out), (std::vector<std::pair<std::string, std::string>>{
                                     {"book", "-sách"}, {"book", "-quyển"}, {"go", "-đi"}}));
}

TEST_F(ImportCommand, DamagedSourcesExitWithThreeAndWriteNothing) {
  const auto out = dir_ / "dict";
  ASSERT_EQ(Run("text " + dir_.Write("good.txt", "a\n-x\n").string() + " " + out.string()).exitCode, 0);
  const std::string before = Snapshot(out);

  // A text source, a dict-server database whose compressed article file has
  // a chunk table larger than the file, and a StarDict index cut short.
  test::Dictzip packed = test::MakeDictzip("hello world, hello dictionary", 8);
  packed.bytes.replace(packed.tableAt + 6, 2, test::Little(packed.chunkSizes[0] + 50u, 2));
  dir_.Write("db.dict.dz", packed.bytes);
  dir_.Write("db.index", "hello\tA\tF\n");
  dir_.Write("sd.ifo", "StarDict's dict ifo file\nversion=2.4.2\nwordcount=2\nsametypesequence=m\n");
  dir_.Write("sd.idx", std::string("one\0", 4) + test::BigEndian(0, 4) + test::BigEndian(1, 4) + "tw");
  dir_.Write("sd.dict", "xy");
  const std::pair<std::string, std::string> cases[] = {
      {"text " + dir_.Write("bad.txt", "a\n-x\n\nb\n").string(), (dir_ / "bad.txt").string() + ": line 4: "},
      {"dictd " + (dir_ / "db.index").string(), (dir_ / "db.dict.dz").string() + ": byte 16: the chunk table covers"},
      {"stardict " + (dir_ / "sd.ifo").string(), (dir_ / "sd.idx").string() + ": byte 12: entry 1 is cut short"},
  };
  for (const auto& [arguments, expected] : cases) {
    SCOPED_TRACE(arguments);
    const Result result = Run(arguments + " " + out.string());
    EXPECT_EQ(result.exitCode, 3);
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err.find("lexorin: " + expected), std::string::npos) << result.err;
    EXPECT_EQ(Snapshot(out), before);
    EXPECT_TRUE(OnlyExpectedFiles());
  }
}

TEST_F(ImportCommand, WrongCommandLinesAreUsageErrors) {
  const auto source = dir_.Write("src.txt", "a\n-x\n");
  for (const std::string& arguments : std::vector<std::string>{
           "text " + source.string(), "pdf " + source.string() + " out", "dictd --style fancy x.index out",
        "text --style wordnet " + source.string() + " out"}) {
    SCOPED_TRACE(arguments);
    EXPECT_EQ(Run(arguments).exitCode, 2);
  }
  EXPECT_EQ(Run("text " + (dir_ / "missing.txt").string() + " " + (dir_ / "out").string()).exitCode, 3);
}

}  // namespace
}  // namespace lexorin

// Figures for the dictionary core on a generated dictionary of 1,000,000
// headwords: loading against merely reading the three index files (the I/O
// floor), the nearest-headword search, and rendering a 64000-byte entry.
//   lexorin_bench_dictionary [google benchmark flags]
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <random>

#include "dictionary/dictionary_writer.h"
#include "dictionary/file_bytes.h"
#include "dictionary/loaded_dictionary.h"
#include "dictionary/locate.h"
#include "dictionary/render.h"
#include "dictionary/text_encoding.h"

namespace {

using namespace lexorin;

constexpr size_t kHeadwords = 1'000'000;

std::u16string RandomWord(std::mt19937& random) {
  static const std::u16string letters = u"abcdefghijklmnopqrstuvwxyzăâđêôơư";
  std::u16string word;
  const size_t length = 3 + random() % 9;
  for (size_t i = 0; i < length; ++i) word.push_back(letters[random() % letters.size()]);
  return word;
}

std::string RandomEntry(std::mt19937& random, std::u16string_view headword) {
  std::string body = "@" + Utf16ToUtf8(headword) + " [ˈwɜːd]\n*danh từ\n";
  for (size_t sense = 0, n = 1 + random() % 4; sense < n; ++sense) {
    body += "-nghĩa thứ " + std::to_string(sense + 1) + " của từ này\n=an example sentence\n+một câu ví dụ\n";
  }
  return body;
}

// The generated dictionary, made once per run in a temporary folder.
struct Fixture {
  Fixture() {
    dir = std::filesystem::temp_directory_path() / ("lexorin-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    std::mt19937 random(42);
    std::vector<DictionaryEntry> entries;
    entries.reserve(kHeadwords);
    for (size_t i = 0; i < kHeadwords; ++i) {
      std::u16string word = RandomWord(random) + u" " + RandomWord(random);
      std::string body = RandomEntry(random, word);
      entries.push_back({std::move(word), std::move(body)});
    }
    SortEntries(entries);
    for (size_t i = 0; i < kHeadwords; i += kHeadwords / 1000) queries.push_back(entries[i].headword + u"x");
    paths = DictionaryPaths::ForBase(dir, "bench");
    WriteDictionary(paths, entries);
  }
  ~Fixture() { std::filesystem::remove_all(dir); }

  std::filesystem::path dir;
  DictionaryPaths paths;
  std::vector<std::u16string> queries;
};

Fixture& TheFixture() {
  static Fixture fixture;
  return fixture;
}

void ReadIndexFiles(const DictionaryPaths& paths) {
  for (const auto& path : {paths.headwords, paths.offsets, paths.lengths}) {
    std::string bytes;
    ReadWholeFile(path, bytes);
    benchmark::DoNotOptimize(bytes.data());
  }
}

void BM_LocateHeadword(benchmark::State& state) {
  const auto dictionary = LoadedDictionary::Load(TheFixture().paths);
  const auto& queries = TheFixture().queries;
  size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(LocateHeadword(queries[i++ % queries.size()], dictionary->headwords()));
  }
}
BENCHMARK(BM_LocateHeadword);

class NullSink : public RunSink {
 public:
  void Clear() override {}
  void WriteRun(std::u16string_view text, const RunFormat&) override { benchmark::DoNotOptimize(text.data()); }
};

void BM_RenderEntry64000(benchmark::State& state) {
  // A 64000-byte entry of realistic mark-up: Vietnamese text, IPA, codes.
  std::string entry;
  while (entry.size() < 63000) entry += "-nghĩa của từ [ˈʃɔːt] *danh từ =ví dụ +example ";
  const std::u16string text = Utf8ToUtf16(entry);
  NullSink sink;
  for (auto _ : state) RenderEntry(text, MarkupVariant::IpaFull, sink);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * entry.size()));
}
BENCHMARK(BM_RenderEntry64000)->Unit(benchmark::kMicrosecond);

double Seconds(const std::function<void()>& f) {
  const auto start = std::chrono::steady_clock::now();
  f();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  // Loading against merely reading the three index files into fresh
  // buffers, run alternately so both see the same machine state.
  const auto& paths = TheFixture().paths;
  std::vector<double> floors, loads;
  size_t memory = 0;
  for (int round = 0; round < 7; ++round) {
    floors.push_back(Seconds([&] { ReadIndexFiles(paths); }));
    loads.push_back(Seconds([&] {
      const auto dictionary = LoadedDictionary::Load(paths);
      memory = dictionary->MemoryBytes();
    }));
  }
  const double floor = Median(floors), load = Median(loads);
  std::printf("load of %zu headwords: %.1f ms (median of 7), reading the index files: %.1f ms, ratio %.2f; "
              "%.1f MiB in memory\n",
              kHeadwords, load * 1e3, floor * 1e3, load / floor, static_cast<double>(memory) / (1 << 20));
  benchmark::Shutdown();
  return 0;
}

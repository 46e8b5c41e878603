// Figures for the compressed article reader on a generated 8 MB article
// file in chunks of 58315 bytes (the usual chunk length): every article read
// in file order, and the same articles in random order.
//   lexorin_bench_importers [google benchmark flags]
#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>

#include "importers/dictzip.h"
#include "tests/importers/fixtures.h"

namespace {

constexpr size_t kTextSize = 8u << 20;
constexpr size_t kArticleSize = 400;

const std::string& CompressedText() {
  static const std::string bytes = [] {
    std::mt19937 random(7);
    std::string text;
    while (text.size() < kTextSize) text += "sense " + std::to_string(random() % 100000) + ": a definition; ";
    text.resize(kTextSize);
    return lexorin::test::MakeDictzip(text, 58315).bytes;
  }();
  return bytes;
}

void ReadArticles(benchmark::State& state, bool inFileOrder) {
  std::vector<uint64_t> offsets;
  for (uint64_t at = 0; at + kArticleSize <= kTextSize; at += kArticleSize) offsets.push_back(at);
  if (!inFileOrder) std::shuffle(offsets.begin(), offsets.end(), std::mt19937(11));
  for (auto _ : state) {
    lexorin::DictzipReader reader(CompressedText(), "bench.dict.dz");
    size_t total = 0;
    for (const uint64_t offset : offsets) total += reader.Read(offset, kArticleSize).size();
    benchmark::DoNotOptimize(total);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * offsets.size() * kArticleSize));
  state.counters["articles"] = static_cast<double>(offsets.size());
}

void BM_ArticlesInFileOrder(benchmark::State& state) { ReadArticles(state, true); }
void BM_ArticlesInRandomOrder(benchmark::State& state) { ReadArticles(state, false); }

BENCHMARK(BM_ArticlesInFileOrder)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ArticlesInRandomOrder)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();

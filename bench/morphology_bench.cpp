// Base forms and the approximate search, per word, on generated lists of
// 1,000,000 headwords in headword order: random pronounceable words plus the
// base forms that the inflected test words lead to.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <random>
#include <string>
#include <unordered_set>
#include <vector>

#include "dictionary/exact_index.h"
#include "dictionary/headword_compare.h"
#include "dictionary/text_encoding.h"
#include "morphology/anagram.h"
#include "morphology/base_form.h"
#include "morphology/word_form_groups.h"

namespace lexorin {
namespace {

constexpr size_t kHeadwords = 1'000'000;

struct Alphabet {
  std::u16string consonants;
  std::u16string vowels;
};

// A sorted list of `count` distinct headwords: the required ones and random
// words of two to five syllables, none of them one of the `avoided` words.
HeadwordList GenerateList(const Alphabet& alphabet, const std::vector<std::u16string>& required,
                          const std::vector<std::u16string>& avoided, size_t count) {
  std::mt19937 random(7);
  std::unordered_set<std::u16string> unique(required.begin(), required.end());
  const auto pick = [&](const std::u16string& letters) { return letters[random() % letters.size()]; };
  while (unique.size() < count) {
    std::u16string word;
    const size_t syllables = 2 + random() % 4;
    for (size_t s = 0; s < syllables; ++s) {
      if (random() % 4 != 0) word.push_back(pick(alphabet.consonants));
      word.push_back(pick(alphabet.vowels));
      if (random() % 3 == 0) word.push_back(pick(alphabet.consonants));
    }
    if (std::find(avoided.begin(), avoided.end(), word) == avoided.end()) unique.insert(std::move(word));
  }
  std::vector<std::u16string> words(unique.begin(), unique.end());
  std::sort(words.begin(), words.end(), [](const auto& a, const auto& b) { return CompareHeadwords(a, b) < 0; });
  HeadwordList list;
  for (const auto& word : words) list.push_back(word);
  return list;
}

// The words timed below, and the base forms the inflected ones lead to.
// The misses fit many rules (ая, ом, participle and reflexive endings) but
// have no base form in the list, so that every rule is tried.
const std::vector<std::u16string> kRussianBaseForms = {u"читать", u"пройти", u"помочь", u"сон", u"окно", u"стол",
                                                       u"новый", u"рисовать", u"нести", u"идти"};
const std::vector<std::u16string> kRussianInflected = {u"читаю", u"читающий", u"пройденный", u"помогший", u"новому",
                                                       u"рисуют", u"столом", u"сна", u"окон", u"идет"};
const std::vector<std::u16string> kRussianMisses = {u"щукаемая", u"брызгающийся", u"жмыхом", u"хлюпнувшихся",
                                                    u"ЗЫБЬЮ", u"ъ"};
const std::vector<std::u16string> kEnglishBaseForms = {u"book", u"make", u"play", u"box"};
const std::vector<std::u16string> kEnglishInflected = {u"books", u"boxes", u"making", u"played"};
const std::vector<std::u16string> kEnglishMisses = {u"xyzzying"};

std::vector<std::u16string> Joined(const std::vector<std::u16string>& a, const std::vector<std::u16string>& b) {
  std::vector<std::u16string> all = a;
  all.insert(all.end(), b.begin(), b.end());
  return all;
}

struct Group {
  HeadwordList xVietnamese;
  HeadwordList second;
  std::unique_ptr<ExactMatchIndex> xVietnameseIndex;
  std::unique_ptr<ExactMatchIndex> secondIndex;
  BaseFormLists lists() const { return {xVietnameseIndex.get(), secondIndex.get()}; }
};

std::unique_ptr<Group> MakeGroup(const Alphabet& alphabet, const std::vector<std::u16string>& baseForms,
                                 const std::vector<std::u16string>& avoided) {
  auto group = std::make_unique<Group>();
  group->xVietnamese = GenerateList(alphabet, baseForms, avoided, kHeadwords);
  group->second = GenerateList(alphabet, baseForms, avoided, kHeadwords / 4);
  group->xVietnameseIndex = std::make_unique<ExactMatchIndex>(group->xVietnamese);
  group->secondIndex = std::make_unique<ExactMatchIndex>(group->second);
  return group;
}

const Group& Russian() {
  static const auto group = MakeGroup({u"бвгджзклмнпрстфхцчшщ", u"аеиоуыэюяё"}, kRussianBaseForms,
                                      Joined(kRussianInflected, kRussianMisses));
  return *group;
}

const Group& English() {
  static const auto group = MakeGroup({u"bcdfghjklmnprstvwxz", u"aeiouy"}, kEnglishBaseForms,
                                      Joined(kEnglishInflected, kEnglishMisses));
  return *group;
}

// The middle headword of the given length, spelt backwards.
std::u16string QueryOfLength(size_t length) {
  const HeadwordList& list = Russian().xVietnamese;
  for (size_t i = list.size() / 2; i < list.size(); ++i) {
    if (list[i].size() == length) return std::u16string(list[i].rbegin(), list[i].rend());
  }
  return std::u16string(length, u'а');
}

// Built on first use, like the window's.
const AnagramIndex& RussianAnagramIndex() {
  static const AnagramIndex index(Russian().xVietnamese);
  return index;
}

// One benchmark per word, so that the time shown is the time per word. The
// word's result is checked once first: a miss must miss, a hit must hit.
void RegisterBaseForms(const char* name, const Group& (*group)(), FindBaseFormFunction finder,
                       const std::vector<std::u16string>& words, bool found) {
  for (const std::u16string& word : words) {
    const std::string title = std::string(name) + (found ? "/found/" : "/miss/") + Utf16ToUtf8(word);
    benchmark::RegisterBenchmark(title.c_str(), [=](benchmark::State& state) {
      const BaseFormLists lists = group().lists();
      if (finder(word, lists).has_value() != found) {
        state.SkipWithError("the word's result is not the expected one");
        return;
      }
      for (auto _ : state) benchmark::DoNotOptimize(finder(word, lists));
    })->Unit(benchmark::kMicrosecond);
  }
}

// Queries of 3, 6 and 9 letters: headwords of the list spelt backwards, so
// that each has at least one result.
void RegisterRussianAnagrams() {
  for (const size_t length : {3u, 6u, 9u}) {
    const std::string name = "RussianAnagrams/" + std::to_string(length) + "_letters";
    benchmark::RegisterBenchmark((name + "/index").c_str(), [=](benchmark::State& state) {
      const std::u16string query = QueryOfLength(length);
      const AnagramIndex& index = RussianAnagramIndex();
      for (auto _ : state) benchmark::DoNotOptimize(index.Find(query));
      state.counters["results"] = static_cast<double>(index.Find(query).size());
    })->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark((name + "/scan").c_str(), [=](benchmark::State& state) {
      const std::u16string query = QueryOfLength(length);
      const HeadwordList& list = Russian().xVietnamese;
      for (auto _ : state) benchmark::DoNotOptimize(FindAnagramsByScan(query, list));
      state.counters["results"] = static_cast<double>(FindAnagramsByScan(query, list).size());
    })->Unit(benchmark::kMillisecond);
  }
}

void BuildAnagramIndex(benchmark::State& state) {
  const HeadwordList& list = Russian().xVietnamese;
  for (auto _ : state) benchmark::DoNotOptimize(AnagramIndex(list));
}
BENCHMARK(BuildAnagramIndex)->Unit(benchmark::kMillisecond);

void BuildWholeWordIndex(benchmark::State& state) {
  const HeadwordList& list = Russian().xVietnamese;
  for (auto _ : state) benchmark::DoNotOptimize(ExactMatchIndex(list));
}
BENCHMARK(BuildWholeWordIndex)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lexorin

int main(int argc, char** argv) {
  using namespace lexorin;
  RegisterBaseForms("RussianBaseForm", &Russian, &FindRussianBaseForm, kRussianMisses, false);
  RegisterBaseForms("RussianBaseForm", &Russian, &FindRussianBaseForm, kRussianInflected, true);
  RegisterBaseForms("EnglishBaseForm", &English, &FindEnglishBaseForm, kEnglishMisses, false);
  RegisterBaseForms("EnglishBaseForm", &English, &FindEnglishBaseForm, kEnglishInflected, true);
  RegisterRussianAnagrams();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

// The word-form commands of the Dictionary window on a Russian group whose
// Russian-Vietnamese and Russian-Russian lists hold 1,000,000 headwords each
// (random pronounceable words plus the base forms of the typed words):
// - one keystroke in the Russian input box with "Auto find infinitive" on,
//   for an inflected word that the finder reduces and for one that every
//   rule tries in vain (the GUI-thread time of the key event);
// - the first keystroke right after the group has loaded, and the same after
//   the user's usual pause (the whole-word indexes are built on workers when
//   the lists load);
// - "Find approach": the first run on a freshly loaded list (it visits the
//   list and starts the index) and later runs (on the index), including
//   filling the result list.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QListWidget>
#include <QThread>
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <memory>
#include <random>
#include <unordered_set>

#include "app/dictionary_window.h"
#include "bench/window_bench_support.h"
#include "app/main_form.h"
#include "app/word_form_controller.h"
#include "dictionary/dictionary_writer.h"

namespace lexorin {
namespace {

constexpr size_t kHeadwords = 1'000'000;

const std::vector<std::u16string> kBaseForms = {u"читать", u"пройти", u"окно", u"стол"};

// Distinct random words of two to five syllables over Russian letters, and
// the base forms above.
std::vector<DictionaryEntry> GenerateEntries() {
  const std::u16string consonants = u"бвгджзклмнпрстфхцчшщ";
  const std::u16string vowels = u"аеиоуыэюяё";
  std::mt19937 random(11);
  const auto pick = [&](const std::u16string& letters) { return letters[random() % letters.size()]; };
  std::unordered_set<std::u16string> words(kBaseForms.begin(), kBaseForms.end());
  while (words.size() < kHeadwords) {
    std::u16string word;
    for (size_t s = 2 + random() % 4; s > 0; --s) {
      if (random() % 4 != 0) word.push_back(pick(consonants));
      word.push_back(pick(vowels));
      if (random() % 3 == 0) word.push_back(pick(consonants));
    }
    words.insert(std::move(word));
  }
  std::vector<DictionaryEntry> entries;
  entries.reserve(words.size());
  for (const std::u16string& word : words) entries.push_back({word, "@слово\n*danh từ\n-nghĩa"});
  SortEntries(entries);
  return entries;
}

class LargeRussianGroup {
 public:
  LargeRussianGroup() {
    folder_ = std::filesystem::temp_directory_path() / ("lexorin-bench-wordforms-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder_ / "Data");
    const std::vector<DictionaryEntry> entries = GenerateEntries();
    for (const char* base : {"ngaviet", "nganga"}) WriteDictionary(DictionaryPaths::ForBase(folder_ / "Data", base), entries);
    WriteDictionary(DictionaryPaths::ForBase(folder_ / "Data", "vietnga"), {{u"nhà", "@nhà"}});
    // A query for Find approach: a six-letter headword spelt backwards.
    for (size_t i = entries.size() / 2; i < entries.size(); ++i) {
      if (entries[i].headword.size() == 6) {
        approachQuery_.assign(entries[i].headword.rbegin(), entries[i].headword.rend());
        break;
      }
    }
  }
  ~LargeRussianGroup() { std::filesystem::remove_all(folder_); }
  const std::filesystem::path& folder() const { return folder_; }
  const std::u16string& approachQuery() const { return approachQuery_; }

 private:
  std::filesystem::path folder_;
  std::u16string approachQuery_;
};

LargeRussianGroup* group = nullptr;
bench::DiscardMessages messages;

std::unique_ptr<DictionaryWindow> LoadedWindow() {
  auto window = std::make_unique<DictionaryWindow>(WindowServices{group->folder(), &messages});
  window->form().show();
  window->form().MenuItem("NgaVitNga1")->trigger();
  QApplication::processEvents();
  return window;
}

QComboBox* RussianInput(DictionaryWindow& window) { return window.form().InputBox("TntComboBox3"); }

void TypeLetter(QComboBox* input, char16_t letter) { bench::SendKey(input, Qt::Key_unknown, QString(QChar(letter))); }

void Idle(std::chrono::milliseconds time) {
  const auto end = std::chrono::steady_clock::now() + time;
  while (std::chrono::steady_clock::now() < end) {
    QApplication::processEvents();
    QThread::msleep(5);
  }
}

// Types the word's last letter and takes it back, alternately; only the key
// events are timed (the change handler, and so the finder, runs inside them).
void KeystrokeWithBaseForms(benchmark::State& state, std::u16string word, bool found) {
  auto window = LoadedWindow();
  Idle(std::chrono::milliseconds(500));
  if (window->wordForms().FindAndShow(BaseFormLanguage::Russian, word) != found) {
    state.SkipWithError("the word's result is not the expected one");
    return;
  }
  QComboBox* input = RussianInput(*window);
  input->setEditText(QString::fromStdU16String(word.substr(0, word.size() - 1)));
  bool typed = false;
  for (auto _ : state) {
    if (typed) {
      bench::SendKey(input, Qt::Key_Backspace, {});
    } else {
      TypeLetter(input, word.back());
    }
    typed = !typed;
    state.PauseTiming();
    QApplication::processEvents();
    state.ResumeTiming();
  }
}
BENCHMARK_CAPTURE(KeystrokeWithBaseForms, found_chitayushchiy, std::u16string(u"читающий"), true)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(KeystrokeWithBaseForms, miss_shchukaemaya, std::u16string(u"щукаемая"), false)
    ->Unit(benchmark::kMicrosecond);

// One keystroke `pause` after the group has loaded.
void FirstKeystrokeAfterLoad(benchmark::State& state, std::chrono::milliseconds pause) {
  for (auto _ : state) {
    state.PauseTiming();
    auto window = LoadedWindow();
    if (pause.count() > 0) Idle(pause);
    QComboBox* input = RussianInput(*window);
    state.ResumeTiming();
    TypeLetter(input, u'ч');
    state.PauseTiming();
    window.reset();
    state.ResumeTiming();
  }
}
BENCHMARK_CAPTURE(FirstKeystrokeAfterLoad, at_once, std::chrono::milliseconds(0))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK_CAPTURE(FirstKeystrokeAfterLoad, after_300ms, std::chrono::milliseconds(300))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

void FindApproachFirstRun(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    auto window = LoadedWindow();
    RussianInput(*window)->setEditText(QString::fromStdU16String(group->approachQuery()));
    QAction* findApproach = window->form().MenuItem("Timgndungvit1");
    state.ResumeTiming();
    findApproach->trigger();
    state.PauseTiming();
    window.reset();  // waits for the index build it started
    state.ResumeTiming();
  }
}
BENCHMARK(FindApproachFirstRun)->Unit(benchmark::kMillisecond)->Iterations(3);

void FindApproachLaterRuns(benchmark::State& state) {
  auto window = LoadedWindow();
  RussianInput(*window)->setEditText(QString::fromStdU16String(group->approachQuery()));
  QAction* findApproach = window->form().MenuItem("Timgndungvit1");
  findApproach->trigger();
  Idle(std::chrono::seconds(2));  // the index is built meanwhile
  for (auto _ : state) findApproach->trigger();
  state.counters["results"] = window->form().ResultList("TntListBox5")->count();
}
BENCHMARK(FindApproachLaterRuns)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace lexorin

int main(int argc, char** argv) {
  std::unique_ptr<lexorin::LargeRussianGroup> data;
  return lexorin::bench::RunWindowBenchmarks(argc, argv, [&] {
    data = std::make_unique<lexorin::LargeRussianGroup>();
    lexorin::group = data.get();
    return "two dictionaries of 1,000,000 headwords";
  });
}

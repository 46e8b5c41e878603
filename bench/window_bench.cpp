// The Dictionary window on a Russian group whose three dictionaries hold
// 1,000,000 headwords each: the time to activate the group (load the nine
// index files and fill the three word lists), and the GUI-thread time of one
// keystroke in the Russian input box (the change handler: two searches and
// two render starts), plus the time until both views show the new entries.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "app/catalogue_controller.h"
#include "app/dictionary_window.h"
#include "bench/window_bench_support.h"
#include "app/entry_view.h"
#include "app/main_form.h"
#include "dictionary/dictionary_writer.h"

namespace lexorin {
namespace {

constexpr size_t kHeadwords = 1'000'000;

// Distinct Cyrillic words of four to seven letters: the number i written in
// base 32 with the letters а..я, after a two-letter prefix that spreads them.
std::u16string WordOf(size_t i) {
  std::u16string word = {static_cast<char16_t>(u'а' + i % 7), static_cast<char16_t>(u'о' + i % 5)};
  for (size_t n = i; n > 0 || word.size() < 4; n /= 32) word.push_back(static_cast<char16_t>(u'а' + n % 32));
  return word;
}

// A folder with the three dictionaries of the Russian group in Data/.
class LargeRussianGroup {
 public:
  LargeRussianGroup() {
    folder_ = std::filesystem::temp_directory_path() / ("lexorin-bench-window-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder_ / "Data");
    std::vector<DictionaryEntry> entries;
    entries.reserve(kHeadwords);
    for (size_t i = 0; i < kHeadwords; ++i) {
      entries.push_back({WordOf(i), "@" + std::to_string(i) + " /ˈslovə/\n*danh từ\n-nghĩa thứ " + std::to_string(i) +
                                        "\n=пример\n+ví dụ"});
    }
    SortEntries(entries);
    for (const char* base : {"ngaviet", "nganga", "vietnga"}) {
      WriteDictionary(DictionaryPaths::ForBase(folder_ / "Data", base), entries);
    }
  }
  ~LargeRussianGroup() { std::filesystem::remove_all(folder_); }
  const std::filesystem::path& folder() const { return folder_; }

 private:
  std::filesystem::path folder_;
};

LargeRussianGroup* group = nullptr;
bench::DiscardMessages messages;

std::unique_ptr<DictionaryWindow> NewWindow() {
  auto window = std::make_unique<DictionaryWindow>(WindowServices{group->folder(), &messages});
  window->form().show();
  QApplication::processEvents();
  return window;
}

void BM_ActivateRussianGroup(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    auto window = NewWindow();
    state.ResumeTiming();
    window->form().MenuItem("NgaVitNga1")->trigger();
    state.PauseTiming();
    window.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_ActivateRussianGroup)->Unit(benchmark::kMillisecond)->Iterations(3);

// Types one letter and takes it back, alternately; only the key events are
// timed: the change handler runs inside them.
void BM_KeystrokeInRussianInput(benchmark::State& state) {
  auto window = NewWindow();
  window->form().MenuItem("NgaVitNga1")->trigger();
  QComboBox* input = window->form().InputBox("TntComboBox3");
  input->setEditText(QString::fromStdU16String(WordOf(kHeadwords / 3).substr(0, 3)));
  bool typed = false;
  for (auto _ : state) {
    if (typed) {
      bench::SendKey(input, Qt::Key_Backspace, {});
    } else {
      bench::SendKey(input, Qt::Key_unknown, QString(QChar(u'к')));
    }
    typed = !typed;
    state.PauseTiming();
    QApplication::processEvents();  // the views take the rendered entries
    state.ResumeTiming();
  }
}
BENCHMARK(BM_KeystrokeInRussianInput)->Unit(benchmark::kMicrosecond);

// From the key press until both upper views show the entries of the new text.
void BM_KeystrokeUntilShown(benchmark::State& state) {
  auto window = NewWindow();
  window->form().MenuItem("NgaVitNga1")->trigger();
  MainForm& form = window->form();
  QComboBox* input = form.InputBox("TntComboBox3");
  input->setEditText(QString::fromStdU16String(WordOf(kHeadwords / 2).substr(0, 4)));
  const EntryView* views[] = {form.Controls(PaneId::RusViet).view, form.Controls(PaneId::RusRus).view};
  bool typed = false;
  for (auto _ : state) {
    if (typed) {
      bench::SendKey(input, Qt::Key_Backspace, {});
    } else {
      bench::SendKey(input, Qt::Key_unknown, QString(QChar(u'л')));
    }
    typed = !typed;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    for (const EntryView* view : views) {
      while (view->completedGeneration() != view->generation() && std::chrono::steady_clock::now() < deadline) {
        QApplication::processEvents(QEventLoop::AllEvents, 1);
      }
    }
  }
}
BENCHMARK(BM_KeystrokeUntilShown)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace lexorin

int main(int argc, char** argv) {
  std::unique_ptr<lexorin::LargeRussianGroup> data;
  return lexorin::bench::RunWindowBenchmarks(argc, argv, [&] {
    data = std::make_unique<lexorin::LargeRussianGroup>();
    lexorin::group = data.get();
    return "three dictionaries of 1,000,000 headwords";
  });
}

#pragma once
// What the benchmarks of the Dictionary window share: a message service that
// shows nothing, key events sent straight to a widget, and a main that
// starts Qt offscreen, prepares the data and runs the benchmarks.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <chrono>
#include <cstdio>
#include <functional>

#include "app/services.h"

namespace lexorin::bench {

class DiscardMessages final : public MessageService {
 public:
  void Show(std::string_view, std::string_view) override {}
};

inline void SendKey(QWidget* target, int key, const QString& text) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QApplication::sendEvent(target, &press);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
  QApplication::sendEvent(target, &release);
}

// Runs the registered benchmarks after `prepare` (which makes the data and
// names it, for the line printed with its time).
inline int RunWindowBenchmarks(int argc, char** argv, const std::function<const char*()>& prepare) {
  if (qgetenv("QT_QPA_PLATFORM").isEmpty()) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  const auto start = std::chrono::steady_clock::now();
  const char* what = prepare();
  std::printf("generated %s in %.1f s\n", what,
              std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

}  // namespace lexorin::bench

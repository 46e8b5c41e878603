#include "app/splitter_edge.h"

#include <QEvent>
#include <QSplitter>
#include <algorithm>

namespace lexorin {
namespace {

constexpr char kWaitingEdge[] = "lexorinWaitingEdge";

void ApplyEdge(QSplitter& splitter, int edge) {
  const QList<int> sizes = splitter.sizes();
  int total = 0;
  for (const int size : sizes) total += size;
  splitter.setSizes({edge, std::max(0, total - edge)});
}

// Applies the waiting edge when its splitter is first shown.
class WaitingEdgeFilter final : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show) {
      auto* splitter = static_cast<QSplitter*>(watched);
      const QVariant edge = splitter->property(kWaitingEdge);
      splitter->setProperty(kWaitingEdge, QVariant());
      splitter->removeEventFilter(this);
      if (edge.isValid()) ApplyEdge(*splitter, edge.toInt());
      deleteLater();
    }
    return false;
  }
};

}  // namespace

void SetSplitterEdge(QSplitter& splitter, int edge) {
  if (splitter.isVisible()) {
    ApplyEdge(splitter, edge);
    return;
  }
  if (!splitter.property(kWaitingEdge).isValid()) splitter.installEventFilter(new WaitingEdgeFilter(&splitter));
  splitter.setProperty(kWaitingEdge, edge);
}

int SplitterEdge(const QSplitter& splitter) {
  const QVariant waiting = splitter.property(kWaitingEdge);
  if (waiting.isValid()) return waiting.toInt();
  const QList<int> sizes = splitter.sizes();
  return sizes.isEmpty() ? 0 : sizes.front();
}

}  // namespace lexorin

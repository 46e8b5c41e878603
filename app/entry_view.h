#pragma once
#include <QTextEdit>
#include <cstdint>
#include <memory>

#include "app/run_batch.h"

namespace lexorin {

// A pane's rich-text view. Rendered entries arrive in batches tagged with
// the generation of their render; starting a render or clearing the view
// begins a new generation, and batches of older generations are dropped, so
// a superseded render never writes into the view again.
class EntryView : public QTextEdit {
  Q_OBJECT
 public:
  explicit EntryView(QWidget* parent = nullptr);

  uint64_t generation() const { return generation_; }
  // The generation whose entry was last written completely.
  uint64_t completedGeneration() const { return completed_; }
  uint64_t BeginGeneration() { return ++generation_; }

  // Writes a batch when it belongs to the current generation.
  void ApplyBatch(const RunBatch& batch);
  // Render workers leave their batches here and then ask the view, through
  // its event queue, to take them (TakeDelivered).
  const std::shared_ptr<BatchMailbox>& mailbox() const { return mailbox_; }
  void TakeDelivered();
  // Empties the view and supersedes every render still on its way.
  void ClearEntry();

 private:
  uint64_t generation_ = 0;
  uint64_t completed_ = 0;
  std::shared_ptr<BatchMailbox> mailbox_ = std::make_shared<BatchMailbox>();
};

}  // namespace lexorin

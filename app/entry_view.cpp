#include "app/entry_view.h"

#include <QScrollBar>
#include <QTextCursor>

namespace lexorin {
namespace {

QTextCharFormat FormatOf(const RunFormat& run, const QPalette& palette) {
  QTextCharFormat format;
  format.setFontWeight(run.bold ? QFont::Bold : QFont::Normal);
  format.setFontItalic(run.italic);
  switch (ColourOfState(run.colourState)) {
    case EntryColour::Red: format.setForeground(QColor(0xC0, 0x00, 0x00)); break;
    case EntryColour::Desktop: format.setForeground(QColor(0x00, 0x80, 0x80)); break;
    case EntryColour::Purple: format.setForeground(QColor(0x80, 0x00, 0x80)); break;
    case EntryColour::Automatic: format.setForeground(palette.color(QPalette::Text)); break;
    case EntryColour::Blue: format.setForeground(QColor(0x00, 0x00, 0xE0)); break;
    case EntryColour::ViewDefault: break;
  }
  return format;
}

}  // namespace

EntryView::EntryView(QWidget* parent) : QTextEdit(parent) {
  setReadOnly(true);
  setAcceptRichText(false);
  setUndoRedoEnabled(false);
}

void EntryView::ApplyBatch(const RunBatch& batch) {
  if (batch.generation != generation_) return;
  if (batch.clear) clear();
  if (!batch.runs.empty()) {
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    cursor.beginEditBlock();
    for (const RenderedRun& run : batch.runs) {
      cursor.insertText(QString::fromUtf16(run.text.data(), static_cast<qsizetype>(run.text.size())),
                        FormatOf(run.format, palette()));
    }
    cursor.endEditBlock();
  }
  if (batch.showBeginning) {
    moveCursor(QTextCursor::Start);
    verticalScrollBar()->setValue(0);
    completed_ = batch.generation;
  }
}

void EntryView::TakeDelivered() {
  for (const RunBatch& batch : mailbox_->TakeAll()) ApplyBatch(batch);
}

void EntryView::ClearEntry() {
  BeginGeneration();
  clear();
}

}  // namespace lexorin

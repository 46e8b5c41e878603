// Rendering a pane's entry on its worker slot: what reaches the view, what a
// superseded render may no longer write, and the Russian-Vietnamese pane's
// failure reports.
#include <QComboBox>
#include <QTest>
#include <chrono>
#include <thread>
#include <QTextCursor>

#include "app/entry_view.h"
#include "app/headword_list_model.h"
#include "app/render_controller.h"
#include "app/word_list_view.h"
#include "dictionary/dictionary_writer.h"
#include "tests/app/window_fixture.h"

namespace lexorin::test {

namespace {

RunBatch Batch(uint64_t generation, bool clear, std::u16string text) {
  RunBatch batch;
  batch.generation = generation;
  batch.clear = clear;
  batch.runs.push_back({std::move(text), RunFormat{}});
  return batch;
}

}  // namespace

class RenderTest : public QObject {
  Q_OBJECT
 private slots:
  void viewDropsBatchesOfSupersededRenders();
  void supersededRenderWritesNothingAfterTheNewOneCleared();
  void renderedEntryKeepsItsFormatting();
  void russianVietnameseReportsWhatOtherPanesShowEmpty();
};

void RenderTest::viewDropsBatchesOfSupersededRenders() {
  EntryView view;
  const uint64_t old = view.BeginGeneration();
  view.ApplyBatch(Batch(old, true, u"old part one "));
  const uint64_t current = view.BeginGeneration();
  view.ApplyBatch(Batch(current, true, u"new"));
  view.ApplyBatch(Batch(old, false, u"old part two"));  // arrives late
  QCOMPARE(view.toPlainText(), QString("new"));

  view.ClearEntry();
  view.ApplyBatch(Batch(current, false, u" more"));
  QCOMPARE(view.toPlainText(), QString());
}

void RenderTest::supersededRenderWritesNothingAfterTheNewOneCleared() {
  WindowFixture fixture;
  // A long entry (under the 64000-byte limit) that arrives in several batches.
  std::vector<DictionaryEntry> entries = {{u"long", "@long"}, {u"short", "@short-entry"}};
  for (int i = 0; i < 1500; ++i) entries[0].body += "-line " + std::to_string(i) + " =example +translation";
  SortEntries(entries);
  lexorin::WriteDictionary(DictionaryPaths::ForBase(fixture.folder().path() / "Data", "ngaviet"), entries);
  fixture.ClickMenuItem("NgaVitNga1");
  const PaneControls& rusViet = fixture.form().Controls(PaneId::RusViet);
  RenderController& render = fixture.window().render();
  const QString shortEntry = QString::fromUtf16(u"◊ short▪entry");

  // The worker finishes while the GUI thread is busy, so every batch of the
  // long entry is waiting in the queue when the view is cleared.
  rusViet.list->SelectFromCode(0);
  render.StartRender(PaneId::RusViet);
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  fixture.ClickMenuItem("HpnhpNgaVit1");
  QTest::qWait(20);
  QCOMPARE(fixture.ViewText(PaneId::RusViet), QString());

  // Quick successive renders: the last one is what stays.
  for (int round = 0; round < 20; ++round) {
    rusViet.list->SelectFromCode(0);
    render.StartRender(PaneId::RusViet);
    if (round % 2 == 0) std::this_thread::sleep_for(std::chrono::milliseconds(2));
    rusViet.list->SelectFromCode(1);
    render.StartRender(PaneId::RusViet);
    QTRY_COMPARE(fixture.ViewText(PaneId::RusViet), shortEntry);
    QTest::qWait(5);
    QCOMPARE(fixture.ViewText(PaneId::RusViet), shortEntry);
  }
  // The long entry itself arrives whole.
  rusViet.list->SelectFromCode(0);
  render.StartRender(PaneId::RusViet);
  QTRY_VERIFY(fixture.ViewText(PaneId::RusViet).endsWith(QString::fromUtf16(u"▪line 1499 ◦ example  translation")));
}

void RenderTest::renderedEntryKeepsItsFormatting() {
  WindowFixture fixture;
  fixture.ClickMenuItem("AnhVitAnh1");
  fixture.Input("TntComboBox6")->setEditText("make");
  QTRY_COMPARE(fixture.ViewText(PaneId::EngViet), QString::fromUtf16(u"◊ make▪anhviet"));
  QTextCursor cursor(fixture.form().Controls(PaneId::EngViet).view->document());
  cursor.setPosition(4);  // inside the bold, red headword
  QCOMPARE(cursor.charFormat().fontWeight(), int(QFont::Bold));
  QCOMPARE(cursor.charFormat().foreground().color(), QColor(0xC0, 0x00, 0x00));
  cursor.setPosition(10);  // inside the plain meaning
  QCOMPARE(cursor.charFormat().fontWeight(), int(QFont::Normal));
}

void RenderTest::russianVietnameseReportsWhatOtherPanesShowEmpty() {
  WindowFixture fixture;
  // aa: offset and length both 0; bb: a good entry; cc: an offset far past
  // the end of the entry file. The Russian-Russian pane reads the same files.
  for (const char* base : {"ngaviet", "nganga"}) {
    fixture.folder().Write(std::string("Data/") + base + ".index1", "aa\r\nbb\r\ncc\r\n");
    fixture.folder().Write(std::string("Data/") + base + ".index2", "A\r\nA\r\nBAAAA\r\n");
    fixture.folder().Write(std::string("Data/") + base + ".index3", "A\r\nF\r\nB\r\n");
    fixture.folder().Write(std::string("Data/") + base + ".dict", "@bb-x");
  }
  fixture.ClickMenuItem("NgaVitNga1");
  RenderController& render = fixture.window().render();
  const auto show = [&](PaneId pane, size_t row) {
    fixture.form().Controls(pane).list->SelectFromCode(row);
    render.StartRender(pane);
  };
  show(PaneId::RusViet, 1);
  show(PaneId::RusRus, 1);
  QTRY_COMPARE(fixture.ViewText(PaneId::RusViet), QString::fromUtf16(u"◊ bb▪x"));
  QTRY_COMPARE(fixture.ViewText(PaneId::RusRus), QString::fromUtf16(u"◊ bb▪x"));

  // Zero offset and length: the Russian-Vietnamese view is left alone, silently.
  show(PaneId::RusViet, 0);
  show(PaneId::RusRus, 0);
  QTRY_COMPARE(fixture.ViewText(PaneId::RusRus), QString());
  // Unreadable: a message, and the view is still left alone.
  show(PaneId::RusViet, 2);
  QTRY_COMPARE(fixture.messages().shown.size(), size_t{1});
  QCOMPARE(fixture.messages().shown[0], std::make_pair(std::string("tavrel"), std::string("Read File Error")));
  QCOMPARE(fixture.messages().shownWithoutWaiting, size_t{1});  // typing goes on while the box is open
  QCOMPARE(fixture.ViewText(PaneId::RusViet), QString::fromUtf16(u"◊ bb▪x"));
  show(PaneId::RusRus, 1);
  QTRY_COMPARE(fixture.ViewText(PaneId::RusRus), QString::fromUtf16(u"◊ bb▪x"));
  show(PaneId::RusRus, 2);
  QTRY_COMPARE(fixture.ViewText(PaneId::RusRus), QString());
  QCOMPARE(fixture.messages().shown.size(), size_t{1});
}

}  // namespace lexorin::test

QTEST_MAIN(lexorin::test::RenderTest)
#include "window_render_test.moc"

// The menus and the interface language: every item of the caption tables in
// its menu, the language switch and the language of the message boxes.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
#include <QTest>
#include <QToolButton>

#include "app/interface_captions.h"
#include "app/language_controller.h"
#include "tests/app/window_fixture.h"

namespace lexorin::test {

namespace {

QString Q(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QString CaptionShown(MainForm& form, const CaptionRow& row) {
  return row.kind == MenuRowKind::Menu ? form.Menu(row.item)->title() : form.MenuItem(row.item)->text();
}

// The menu that holds an item, or nothing for an item of the menu bar.
QString MenuOf(MainForm& form, QAction* item) {
  if (form.menuBar()->actions().contains(item)) return "menu bar";
  for (QMenu* menu : form.menuBar()->findChildren<QMenu*>()) {
    if (!menu->objectName().isEmpty() && menu->actions().contains(item)) return menu->objectName();
  }
  return "none";
}

}  // namespace

class LanguageTest : public QObject {
  Q_OBJECT
 private slots:
  void everyItemIsInItsMenuWithDesignCaptionAndShortcut();
  void itemsOfLaterWorkAreDisabled();
  void switchingTwiceReturnsToTheVietnameseTable();
  void messagesFollowTheLanguage();
};

void LanguageTest::everyItemIsInItsMenuWithDesignCaptionAndShortcut() {
  WindowFixture fixture;
  MainForm& form = fixture.form();
  QString menu;
  for (const CaptionRow& row : CaptionRows()) {
    switch (row.kind) {
      case MenuRowKind::Blank: continue;
      case MenuRowKind::Menu:
        menu = Q(row.item);
        QVERIFY2(form.Menu(row.item), row.item.data());
        QVERIFY(form.menuBar()->actions().contains(form.Menu(row.item)->menuAction()));
        break;
      case MenuRowKind::Item:
      case MenuRowKind::TopItem: {
        QAction* item = form.MenuItem(row.item);
        QVERIFY2(item, row.item.data());
        QCOMPARE(MenuOf(form, item), row.kind == MenuRowKind::TopItem ? QString("menu bar") : menu);
        QCOMPARE(item->shortcut(), QKeySequence(Q(row.shortcut), QKeySequence::PortableText));
        QVERIFY2(row.shortcut.empty() || !item->shortcut().isEmpty(), row.item.data());
        QCOMPARE(item->isChecked(), row.checkedByDefault);
        break;
      }
    }
    QCOMPARE(CaptionShown(form, row), Q(DesignCaptionOf(row)));
  }
  QCOMPARE(form.MenuItem("GiaodintingAnh1")->text(), QString::fromUtf16(u"Giao diện tiếng Anh (English Interface)"));
  QCOMPARE(form.MenuItem("HpnhpNgaVit1")->shortcut(), QKeySequence(Qt::Key_F4));
  QCOMPARE(form.MenuItem("Xoacactdaxem1")->shortcut(), QKeySequence(Qt::SHIFT | Qt::Key_Delete));
  QCOMPARE(form.windowTitle(), QString("Lexorin"));
  QCOMPARE(form.objectName(), QString("TMainForm"));
}

void LanguageTest::itemsOfLaterWorkAreDisabled() {
  WindowFixture fixture;
  const QStringList working = {"Timnguyenth1", "Timgndungvit1", "HpnhpNgaVit1", "HpnhpVitNga1", "Tdngdch1", "Tdngtimnguyenth1", "Tdngphatam1",
                               "GiaodintingAnh1", "NgaVitNga1", "AnhVitAnh1", "PhapVitVitPhapVitVit1", "TinhcAnhAnh1",
                               "TinhcAnhVit1", "cVit1", "Vitc1", "NhtVit1", "miKoreanVietnameseDictionary",
                               "Nguidungtchn1", "Nguidngtnhp1", "Thitlpmcdnh1", "Thoat2",
                               "Khonghinthkhikhidng1"};
  for (const CaptionRow& row : CaptionRows()) {
    if (row.kind != MenuRowKind::Item && row.kind != MenuRowKind::TopItem) continue;
    QCOMPARE(fixture.form().MenuItem(row.item)->isEnabled(), working.contains(Q(row.item)));
  }
  // A disabled item does nothing, also through its shortcut.
  QAction* speak = fixture.form().MenuItem("Phatam1");
  bool ran = false;
  QObject::connect(speak, &QAction::triggered, [&] { ran = true; });
  speak->trigger();
  QVERIFY(!ran);
}

void LanguageTest::switchingTwiceReturnsToTheVietnameseTable() {
  WindowFixture fixture;
  MainForm& form = fixture.form();
  form.MenuItem("Tdngdch1")->setChecked(false);
  const QString koreanHint = form.QuickButton("btnKoreanVietnameseDictionary")->toolTip();

  QTest::keyClick(&form, Qt::Key_I, Qt::ControlModifier);
  QVERIFY(form.MenuItem("GiaodintingAnh1")->isChecked());
  for (const CaptionRow& row : CaptionRows()) {
    if (row.kind != MenuRowKind::Blank) QCOMPARE(CaptionShown(form, row), Q(row.english));
  }
  QCOMPARE(form.MenuItem("miSelectAndPressShift")->text(), QString("Translate by: Select word - Press Shift"));
  QCOMPARE(form.MenuItem("miSelectAndPressCtrl")->text(), QString("Translate by: Select word - Press Ctrl"));

  fixture.ClickMenuItem("GiaodintingAnh1");
  QVERIFY(!form.MenuItem("GiaodintingAnh1")->isChecked());
  for (const CaptionRow& row : CaptionRows()) {
    if (row.kind != MenuRowKind::Blank) QCOMPARE(CaptionShown(form, row), Q(row.vietnamese));
  }
  QCOMPARE(form.MenuItem("GiaodintingAnh1")->text(), QString("English Interface"));
  QCOMPARE(form.MenuItem("cVit1")->text(), QString::fromUtf16(u"Đức Việt"));
  // Check marks, shortcuts, tabs and hints are not the tables' business.
  QVERIFY(!form.MenuItem("Tdngdch1")->isChecked());
  QVERIFY(form.MenuItem("Tdngphatam1")->isChecked());
  QCOMPARE(form.MenuItem("cVit1")->shortcut(), QKeySequence("Ctrl+Shift+F6"));
  QCOMPARE(form.TabControl()->tabText(0), QString("Russian"));
  QCOMPARE(form.QuickButton("btnKoreanVietnameseDictionary")->toolTip(), koreanHint);
}

void LanguageTest::messagesFollowTheLanguage() {
  WindowFixture fixture;
  LanguageController& language = fixture.window().language();
  language.ShowTableMessage(Message::WordSaved);
  fixture.ClickMenuItem("GiaodintingAnh1");
  language.ShowTableMessage(Message::WordSaved);
  language.ShowTableMessage(Message::IncreaseVirtualMemory);
  fixture.ClickMenuItem("GiaodintingAnh1");
  language.ShowTableMessage(Message::IncreaseVirtualMemory);
  const std::vector<std::pair<std::string, std::string>> expected = {
      {"tavrel", "Từ mới đã được lưu."},
      {"tavrel", "Word saved successfully"},
      {"tavrel", "You need to increase your Virtual Memory, then restart Lexorin."},
      {"tavrel", "Bạn cần tăng bộ nhớ ảo (Virtual Memory) cho máy của bạn. Sau đó khởi động lại từ điển."},
  };
  QCOMPARE(fixture.messages().shown, expected);
}

}  // namespace lexorin::test

QTEST_MAIN(lexorin::test::LanguageTest)
#include "window_language_test.moc"

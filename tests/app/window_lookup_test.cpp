// The look-up chain: typing, Enter, list clicks and the history, the clear
// commands, and the base-form finder and speech it calls.
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include "app/entry_view.h"
#include "app/lookup_controller.h"
#include "tests/app/window_fixture.h"

namespace lexorin::test {

namespace {

QStringList HistoryOf(QComboBox* input) {
  QStringList items;
  for (int i = 0; i < input->count(); ++i) items << input->itemText(i);
  return items;
}

// Finds the base form of exactly one word.
class OneWordFinder final : public BaseFormFinder {
 public:
  bool FindAndShow(BaseFormLanguage language, std::u16string_view word) override {
    asked.emplace_back(language, std::u16string(word));
    return word == known;
  }
  std::u16string known;
  std::vector<std::pair<BaseFormLanguage, std::u16string>> asked;
};

}  // namespace

class LookupTest : public QObject {
  Q_OBJECT
 private slots:
  void typingFollowsAutoTranslate();
  void typingFindsHeadwordsInAnyLetterCase();
  void baseFormFinderComesFirstWithAutoFindInfinitive();
  void enterShowsBothPanesAndKeepsTheHistory();
  void listClicksAddToTheHistoryAtTheirPosition();
  void keysHideTheResultList();
  void clearCommands_data();
  void clearCommands();
  void hiddenButtonsAreReachableByName();
};

void LookupTest::typingFollowsAutoTranslate() {
  WindowFixture fixture;
  MainForm& form = fixture.form();
  fixture.ClickMenuItem("NgaVitNga1");
  fixture.ClickMenuItem("Tdngdch1");
  QVERIFY(!form.MenuItem("Tdngdch1")->isChecked());

  WindowFixture::Type(fixture.Input("TntComboBox3"), QString::fromUtf16(u"кни"));
  QCOMPARE(fixture.SelectedHeadword(PaneId::RusViet), QString::fromUtf16(u"книга"));
  QCOMPARE(fixture.SelectedHeadword(PaneId::RusRus), QString::fromUtf16(u"книга"));
  // No render was even started for the two panes.
  QCOMPARE(form.Controls(PaneId::RusViet).view->generation(), uint64_t{0});
  QCOMPARE(form.Controls(PaneId::RusRus).view->generation(), uint64_t{0});
  // The right-hand input shows on every change.
  WindowFixture::Type(fixture.Input("TntComboBox1"), QString::fromUtf16(u"nhà"));
  QTRY_COMPARE(fixture.ViewText(PaneId::VietRus), QString::fromUtf16(u"◊ nhà▪vietnga"));
  QCOMPARE(fixture.ViewText(PaneId::RusViet), QString());

  fixture.ClickMenuItem("Tdngdch1");
  WindowFixture::Type(fixture.Input("TntComboBox3"), QString::fromUtf16(u"\b\b\bдом"));
  QTRY_COMPARE(fixture.ViewText(PaneId::RusViet), QString::fromUtf16(u"◊ дом▪ngaviet"));
  QTRY_COMPARE(fixture.ViewText(PaneId::RusRus), QString::fromUtf16(u"◊ дом▪nganga"));
}

void LookupTest::typingFindsHeadwordsInAnyLetterCase() {
  WindowFixture fixture;
  fixture.ClickMenuItem("PhapVitVitPhapVitVit1");
  WindowFixture::Type(fixture.Input("TntComboBox15"), QString::fromUtf16(u"ÉCOLE"));
  QCOMPARE(fixture.SelectedHeadword(PaneId::FraViet), QString::fromUtf16(u"école"));
  QTRY_COMPARE(fixture.ViewText(PaneId::FraViet), QString::fromUtf16(u"◊ école▪ phapviet"));
  // The French input also searches the Vietnamese-French list.
  QCOMPARE(fixture.SelectedHeadword(PaneId::VietFra), QString::fromUtf16(u"sách"));
}

void LookupTest::baseFormFinderComesFirstWithAutoFindInfinitive() {
  OneWordFinder finder;
  finder.known = u"books";
  WindowServices services;
  services.baseForms = &finder;
  WindowFixture fixture(services);
  fixture.ClickMenuItem("AnhVitAnh1");
  QComboBox* input = fixture.Input("TntComboBox6");

  input->setEditText("books");
  QCOMPARE(finder.asked.size(), size_t{1});
  QCOMPARE(finder.asked[0].first, BaseFormLanguage::English);
  QCOMPARE(fixture.form().WordHandOver()->text(), QString("books"));
  // The finder showed the word itself: the chain stops.
  QCOMPARE(fixture.SelectedHeadword(PaneId::EngViet), QString());

  input->setEditText("play");  // not found: the chain goes on as typed
  QCOMPARE(fixture.SelectedHeadword(PaneId::EngViet), QString("play"));

  fixture.ClickMenuItem("Tdngtimnguyenth1");
  input->setEditText("books");
  QCOMPARE(finder.asked.size(), size_t{2});
  QCOMPARE(fixture.SelectedHeadword(PaneId::EngViet), QString("book"));
  // Inputs without a finder never ask it.
  fixture.ClickMenuItem("Tdngtimnguyenth1");
  fixture.Input("TntComboBox12")->setEditText("nh");
  QCOMPARE(finder.asked.size(), size_t{2});
}

void LookupTest::enterShowsBothPanesAndKeepsTheHistory() {
  WindowFixture fixture;
  fixture.ClickMenuItem("AnhVitAnh1");
  fixture.ClickMenuItem("Tdngdch1");
  QComboBox* input = fixture.Input("TntComboBox6");
  WindowFixture::Type(input, "bo");
  QTest::keyClick(input, Qt::Key_Return);
  QCOMPARE(HistoryOf(input), QStringList{"book"});
  QCOMPARE(input->currentText(), QString("bo"));
  QTRY_COMPARE(fixture.ViewText(PaneId::EngViet), QString::fromUtf16(u"◊ book▪anhviet"));
  QTRY_COMPARE(fixture.ViewText(PaneId::EngEng), QString::fromUtf16(u"@book-anhanh"));

  WindowFixture::Type(input, "x");
  QTest::keyClick(input, Qt::Key_Enter);
  WindowFixture::Type(input, QString("\b\b\bBOOK"));
  QTest::keyClick(input, Qt::Key_Return);
  QCOMPARE(HistoryOf(input), (QStringList{"box", "book"}));
  QCOMPARE(input->currentText(), QString("BOOK"));
  // The right-hand inputs have no Enter behaviour.
  QComboBox* right = fixture.Input("TntComboBox12");
  WindowFixture::Type(right, "nh");
  QTest::keyClick(right, Qt::Key_Return);
  QCOMPARE(right->count(), 0);
}

void LookupTest::listClicksAddToTheHistoryAtTheirPosition() {
  RecordingSpeech speech;
  WindowServices services;
  services.speech = &speech;
  WindowFixture fixture(services);
  fixture.ClickMenuItem("AnhVitAnh1");
  QComboBox* input = fixture.Input("TntComboBox6");
  input->setEditText("pl");

  fixture.ClickWordList(PaneId::EngEng, 2);   // go: at the end
  fixture.ClickWordList(PaneId::EngViet, 3);  // make: at the top
  fixture.ClickWordList(PaneId::EngEng, 0);   // book: at the end
  fixture.ClickWordList(PaneId::EngViet, 3);  // make again: stays where it is
  fixture.ClickWordList(PaneId::EngEng, 2);
  QCOMPARE(HistoryOf(input), (QStringList{"make", "go", "book"}));
  QCOMPARE(input->currentText(), QString("pl"));
  QTRY_COMPARE(fixture.ViewText(PaneId::EngEng), QString::fromUtf16(u"@go-anhanh"));
  QTRY_COMPARE(fixture.ViewText(PaneId::EngViet), QString::fromUtf16(u"◊ make▪anhviet"));
  QCOMPARE(speech.spoken.size(), size_t{5});
  QCOMPARE(speech.spoken[1], std::make_pair(GroupId::English, QString("make")));

  // The Vietnamese-English list has no voice; without Auto pronounce nothing is spoken.
  fixture.ClickWordList(PaneId::VietEng, 1);
  QCOMPARE(HistoryOf(fixture.Input("TntComboBox12")), QStringList{QString::fromUtf16(u"sách")});
  fixture.ClickMenuItem("Tdngphatam1");
  fixture.ClickWordList(PaneId::EngViet, 0);
  QCOMPARE(speech.spoken.size(), size_t{5});
  QCOMPARE(HistoryOf(input), (QStringList{"make", "go", "book"}));
}

void LookupTest::keysHideTheResultList() {
  WindowFixture fixture;
  fixture.ClickMenuItem("NgaVitNga1");
  QListWidget* results = fixture.form().ResultList("TntListBox5");
  results->addItem(QString::fromUtf16(u"окно"));
  results->show();
  QTest::keyClick(fixture.Input("TntComboBox3"), Qt::Key_Left);
  QVERIFY(!results->isVisible());

  // A click on a result selects and shows the word and keeps it in the history.
  results->show();
  QTest::mouseClick(results->viewport(), Qt::LeftButton, {}, results->visualItemRect(results->item(0)).center());
  QCOMPARE(fixture.SelectedHeadword(PaneId::RusViet), QString::fromUtf16(u"окно"));
  QTRY_COMPARE(fixture.ViewText(PaneId::RusViet), QString::fromUtf16(u"◊ окно▪ngaviet"));
  QCOMPARE(HistoryOf(fixture.Input("TntComboBox3")), QStringList{QString::fromUtf16(u"окно")});
}

void LookupTest::clearCommands_data() {
  QTest::addColumn<QString>("groupItem");
  QTest::addColumn<int>("key");
  QTest::addColumn<QString>("input");
  QTest::addColumn<int>("pane");
  QTest::addColumn<QString>("word");
  QTest::newRow("Russian left") << "NgaVitNga1" << int(Qt::Key_F4) << "TntComboBox3" << int(PaneId::RusViet)
                                << QString::fromUtf16(u"окно");
  QTest::newRow("Russian right") << "NgaVitNga1" << int(Qt::Key_F3) << "TntComboBox1" << int(PaneId::VietRus) << "anh";
  QTest::newRow("English left") << "AnhVitAnh1" << int(Qt::Key_F4) << "TntComboBox6" << int(PaneId::EngViet) << "go";
  QTest::newRow("English right") << "AnhVitAnh1" << int(Qt::Key_F3) << "TntComboBox12" << int(PaneId::VietEng) << "nh";
  QTest::newRow("French left") << "PhapVitVitPhapVitVit1" << int(Qt::Key_F4) << "TntComboBox15"
                               << int(PaneId::FraViet) << "livre";
  QTest::newRow("French right") << "PhapVitVitPhapVitVit1" << int(Qt::Key_F3) << "TntComboBox21"
                                << int(PaneId::VietViet) << "sa";
  QTest::newRow("Editable left") << "Nguidngtnhp1" << int(Qt::Key_F4) << "TntComboBox2" << int(PaneId::UserEdit)
                                 << QString::fromUtf16(u"từ");
}

void LookupTest::clearCommands() {
  QFETCH(QString, groupItem);
  QFETCH(int, key);
  QFETCH(QString, input);
  QFETCH(int, pane);
  QFETCH(QString, word);
  WindowFixture fixture;
  fixture.ClickMenuItem(groupItem.toStdString());
  QComboBox* box = fixture.Input(input.toStdString());
  box->setEditText(word);
  QTest::keyClick(box, Qt::Key_Return);
  QTRY_VERIFY(!fixture.ViewText(static_cast<PaneId>(pane)).isEmpty());
  QTest::keyClick(&fixture.form(), static_cast<Qt::Key>(key));
  QCOMPARE(box->currentText(), QString());
  QCOMPARE(fixture.ViewText(static_cast<PaneId>(pane)), QString());
  QTRY_VERIFY(box->hasFocus());
  // Clearing is no look-up, and a render still on its way stays out.
  QTest::qWait(50);
  QCOMPARE(fixture.ViewText(static_cast<PaneId>(pane)), QString());
}

void LookupTest::hiddenButtonsAreReachableByName() {
  WindowFixture fixture;
  fixture.ClickMenuItem("Nguidngtnhp1");
  LookupController& lookup = fixture.window().lookup();
  fixture.ClickMenuItem("Tdngdch1");
  fixture.Input("TntComboBox2")->setEditText(QString::fromUtf16(u"từ"));
  QCOMPARE(fixture.SelectedHeadword(PaneId::UserEdit), QString::fromUtf16(u"từ"));
  QVERIFY(lookup.ClickButton("TntButton20"));
  QTRY_COMPARE(fixture.ViewText(PaneId::UserEdit), QString::fromUtf16(u"◊ từ▪edit"));
  QVERIFY(!lookup.ClickButton("NoSuchButton"));
  // F3 does nothing for the editable dictionary.
  fixture.ClickMenuItem("HpnhpVitNga1");
  QCOMPARE(fixture.Input("TntComboBox2")->currentText(), QString::fromUtf16(u"từ"));
  QCOMPARE(fixture.ViewText(PaneId::UserEdit), QString::fromUtf16(u"◊ từ▪edit"));
}

}  // namespace lexorin::test

QTEST_MAIN(lexorin::test::LookupTest)
#include "window_lookup_test.moc"

// Base forms and the approximate search in the window: the look-up chain's
// finder, "Find infinitive", "Find approach" and its result lists.
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QToolButton>

#include "app/entry_view.h"
#include "app/word_list_view.h"
#include "tests/app/window_fixture.h"

namespace lexorin::test {

namespace {

QString Q(std::u16string_view text) { return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size())); }

// The view shows the entry of `headword` from the pane's own dictionary
// (every entry of the fixture names its headword and dictionary).
bool Shows(WindowFixture& fixture, PaneId pane, const QString& headword) {
  const QString text = fixture.ViewText(pane);
  return text.contains(headword) && text.contains(QString::fromUtf8(Pane(pane).base.data(), Pane(pane).base.size()));
}

QStringList ItemsOf(const QListWidget* list) {
  QStringList items;
  for (int i = 0; i < list->count(); ++i) items << list->item(i)->text();
  return items;
}

// The fixture's headwords of a dictionary without one of them.
std::vector<std::u16string> HeadwordsWithout(std::string_view base, const QString& left) {
  std::vector<std::u16string> words = WindowFixture::HeadwordsOf(base);
  std::erase(words, left.toStdU16String());
  return words;
}

void ClickItem(QListWidget* list, int row) {
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

void DeclareGroupColumns() {
  QTest::addColumn<QString>("groupItem");
  QTest::addColumn<QString>("input");
  QTest::addColumn<int>("xVietnamese");
  QTest::addColumn<int>("second");
  QTest::addColumn<QString>("inflected");
  QTest::addColumn<QString>("base");
}

void AddRussianRow(const char* name, std::u16string_view inflected, std::u16string_view base) {
  QTest::newRow(name) << "NgaVitNga1" << "TntComboBox3" << int(PaneId::RusViet) << int(PaneId::RusRus) << Q(inflected)
                      << Q(base);
}

void AddEnglishRow(const char* name, const char* inflected, const char* base) {
  QTest::newRow(name) << "AnhVitAnh1" << "TntComboBox6" << int(PaneId::EngViet) << int(PaneId::EngEng)
                      << QString(inflected) << QString(base);
}

}  // namespace

class WordFormsTest : public QObject {
  Q_OBJECT
 private slots:
  void typedWordShowsItsBaseFormInBothPanes_data();
  void typedWordShowsItsBaseFormInBothPanes();
  void secondPaneKeepsItsEntryWhereItsListLacksTheBaseForm_data();
  void secondPaneKeepsItsEntryWhereItsListLacksTheBaseForm();
  void findInfinitiveWorksOnTheCheckedGroupsInput();
  void findApproachListsRearrangementsOverTheWordList();
  void findApproachFromTheQuickButtonAndOnlyForItsGroups();
};

void WordFormsTest::typedWordShowsItsBaseFormInBothPanes_data() {
  DeclareGroupColumns();
  AddRussianRow("Russian rule 1", u"читаю", u"читать");
  AddRussianRow("Russian participle", u"читающий", u"читать");
  AddRussianRow("Russian inserted o", u"окон", u"окно");
  AddEnglishRow("English stage 2", "boxes", "box");
  AddEnglishRow("English stage 3", "making", "make");
}

void WordFormsTest::typedWordShowsItsBaseFormInBothPanes() {
  QFETCH(QString, groupItem);
  QFETCH(QString, input);
  QFETCH(int, xVietnamese);
  QFETCH(int, second);
  QFETCH(QString, inflected);
  QFETCH(QString, base);
  WindowFixture fixture;
  fixture.ClickMenuItem(groupItem.toStdString());
  // The finder shows what it finds itself, also without Auto translate.
  fixture.ClickMenuItem("Tdngdch1");
  QComboBox* box = fixture.Input(input.toStdString());
  WindowFixture::Type(box, inflected);

  for (const PaneId pane : {PaneId(xVietnamese), PaneId(second)}) {
    QCOMPARE(fixture.SelectedHeadword(pane), base);
    QTRY_VERIFY2(Shows(fixture, pane, base), qPrintable(fixture.ViewText(pane)));
  }
  // The word stays as typed, and it went through the hand-over.
  QCOMPARE(box->currentText(), inflected);
  QCOMPARE(fixture.form().WordHandOver()->text(), inflected);

  // Without Auto find infinitive the word is only looked up as typed, which
  // shows nothing while Auto translate is off.
  fixture.ClickMenuItem("Tdngtimnguyenth1");
  const uint64_t generation = fixture.form().Controls(PaneId(xVietnamese)).view->generation();
  box->clearEditText();
  WindowFixture::Type(box, inflected);
  QCOMPARE(fixture.form().Controls(PaneId(xVietnamese)).view->generation(), generation);
}

void WordFormsTest::secondPaneKeepsItsEntryWhereItsListLacksTheBaseForm_data() {
  DeclareGroupColumns();
  AddRussianRow("Russian", u"читаю", u"читать");
  AddEnglishRow("English", "making", "make");
}

void WordFormsTest::secondPaneKeepsItsEntryWhereItsListLacksTheBaseForm() {
  QFETCH(QString, groupItem);
  QFETCH(QString, input);
  QFETCH(int, xVietnamese);
  QFETCH(int, second);
  QFETCH(QString, inflected);
  QFETCH(QString, base);
  const PaneId xPane = PaneId(xVietnamese);
  const PaneId secondPane = PaneId(second);
  WindowFixture fixture;
  const std::string_view secondBase = Pane(secondPane).base;
  fixture.WriteDictionary(secondBase, HeadwordsWithout(secondBase, base));
  fixture.ClickMenuItem(groupItem.toStdString());
  QComboBox* box = fixture.Input(input.toStdString());

  // A headword of both lists is shown in both panes.
  const QString earlier = Q(WindowFixture::HeadwordsOf(secondBase)[0]);
  box->setEditText(earlier);
  QTRY_VERIFY(Shows(fixture, secondPane, earlier));
  const uint64_t secondGeneration = fixture.form().Controls(secondPane).view->generation();

  box->setEditText(inflected);
  QCOMPARE(fixture.SelectedHeadword(xPane), base);
  QTRY_VERIFY(Shows(fixture, xPane, base));
  QCOMPARE(fixture.SelectedHeadword(secondPane), earlier);
  QCOMPARE(fixture.form().Controls(secondPane).view->generation(), secondGeneration);
  QVERIFY(Shows(fixture, secondPane, earlier));
}

void WordFormsTest::findInfinitiveWorksOnTheCheckedGroupsInput() {
  WindowFixture fixture;
  MainForm& form = fixture.form();
  fixture.ClickMenuItem("Tdngtimnguyenth1");
  fixture.ClickMenuItem("Tdngdch1");
  fixture.ClickMenuItem("NgaVitNga1");
  fixture.Input("TntComboBox3")->setEditText(QString::fromUtf16(u"читаю"));

  fixture.ClickMenuItem("AnhVitAnh1");
  QComboBox* english = fixture.Input("TntComboBox6");
  english->setEditText("making");
  QCOMPARE(form.Controls(PaneId::EngViet).view->generation(), uint64_t{0});
  QTest::keyClick(&form, Qt::Key_F9);
  QCOMPARE(form.WordHandOver()->text(), QString("making"));
  QCOMPARE(english->currentText(), QString("making"));
  for (const PaneId pane : {PaneId::EngViet, PaneId::EngEng}) {
    QCOMPARE(fixture.SelectedHeadword(pane), QString("make"));
    QTRY_VERIFY(Shows(fixture, pane, "make"));
  }
  // The Russian group is not checked: its input is not looked at.
  QCOMPARE(form.Controls(PaneId::RusViet).view->generation(), uint64_t{0});

  // No base form: nothing visible happens.
  english->setEditText("xyzzy");
  const QString selected = fixture.SelectedHeadword(PaneId::EngViet);
  const uint64_t generation = form.Controls(PaneId::EngViet).view->generation();
  fixture.ClickMenuItem("Timnguyenth1");
  QCOMPARE(fixture.SelectedHeadword(PaneId::EngViet), selected);
  QCOMPARE(form.Controls(PaneId::EngViet).view->generation(), generation);

  fixture.ClickMenuItem("NgaVitNga1");
  fixture.ClickMenuItem("Timnguyenth1");
  QCOMPARE(form.WordHandOver()->text(), QString::fromUtf16(u"читаю"));
  QTRY_VERIFY(Shows(fixture, PaneId::RusViet, QString::fromUtf16(u"читать")));
}

void WordFormsTest::findApproachListsRearrangementsOverTheWordList() {
  RecordingSpeech speech;
  WindowServices services;
  services.speech = &speech;
  WindowFixture fixture(services);
  fixture.WriteDictionary("ngaviet", {u"арк", u"брат", u"кар", u"кра", u"рак", u"ракк", u"Рка", u"ар"});
  MainForm& form = fixture.form();
  fixture.ClickMenuItem("NgaVitNga1");
  QComboBox* input = fixture.Input("TntComboBox3");
  QListWidget* results = form.ResultList("TntListBox5");
  WordListView* wordList = form.Controls(PaneId::RusViet).list;
  QVERIFY(!results->isVisible());

  input->setEditText(QString::fromUtf16(u"кра"));
  QTest::keyClick(&form, Qt::Key_F10);
  QVERIFY(results->isVisible());
  // Every rearrangement that is a headword, in list order; letter case counts.
  QCOMPARE(ItemsOf(results), (QStringList{QString::fromUtf16(u"арк"), QString::fromUtf16(u"кар"),
                                          QString::fromUtf16(u"кра"), QString::fromUtf16(u"рак")}));
  // The list lies over the word list.
  QTRY_COMPARE(results->geometry(), wordList->geometry());
  QWidget* panel = form.Controls(PaneId::RusViet).panel;
  QWidget* atCentre = panel->childAt(wordList->geometry().center());
  QVERIFY(atCentre == results || results->isAncestorOf(atCentre));

  // A click selects the word in the word list and shows its pane only.
  const QString rusRusSelection = fixture.SelectedHeadword(PaneId::RusRus);
  const uint64_t rusRusGeneration = form.Controls(PaneId::RusRus).view->generation();
  ClickItem(results, 3);
  QCOMPARE(fixture.SelectedHeadword(PaneId::RusViet), QString::fromUtf16(u"рак"));
  QTRY_VERIFY(Shows(fixture, PaneId::RusViet, QString::fromUtf16(u"рак")));
  QCOMPARE(input->itemText(0), QString::fromUtf16(u"рак"));
  QCOMPARE(input->currentText(), QString::fromUtf16(u"кра"));
  QCOMPARE(speech.spoken.back(), std::make_pair(GroupId::Russian, QString::fromUtf16(u"рак")));
  QCOMPARE(fixture.SelectedHeadword(PaneId::RusRus), rusRusSelection);
  QCOMPARE(form.Controls(PaneId::RusRus).view->generation(), rusRusGeneration);
  QVERIFY(results->isVisible());

  // A key in the input box hides the list again.
  QTest::keyClick(input, Qt::Key_End);
  QVERIFY(!results->isVisible());

  // An empty query leaves the list as it was; a new one replaces its items,
  // and a query without rearrangements shows the list empty.
  input->clearEditText();
  fixture.ClickMenuItem("Timgndungvit1");
  QVERIFY(!results->isVisible());
  QCOMPARE(results->count(), 4);
  input->setEditText(QString::fromUtf16(u"ра"));
  fixture.ClickMenuItem("Timgndungvit1");
  QCOMPARE(ItemsOf(results), QStringList{QString::fromUtf16(u"ар")});
  input->setEditText(QString::fromUtf16(u"кот"));
  fixture.ClickMenuItem("Timgndungvit1");
  QVERIFY(results->isVisible());
  QCOMPARE(results->count(), 0);
}

void WordFormsTest::findApproachFromTheQuickButtonAndOnlyForItsGroups() {
  WindowFixture fixture;
  fixture.WriteDictionary("anhviet", {u"eth", u"het", u"tea", u"teh", u"the", u"THE"});
  MainForm& form = fixture.form();
  QToolButton* button = form.QuickButton("TntSpeedButton10");
  QCOMPARE(button->toolTip(), QString("Find Approach"));
  QListWidget* russianResults = form.ResultList("TntListBox5");
  QListWidget* englishResults = form.ResultList("TntListBox8");

  fixture.ClickMenuItem("AnhVitAnh1");
  fixture.Input("TntComboBox6")->setEditText("teh");
  QTest::mouseClick(button, Qt::LeftButton);
  QVERIFY(englishResults->isVisible());
  QCOMPARE(ItemsOf(englishResults), (QStringList{"eth", "het", "teh", "the"}));
  QVERIFY(!russianResults->isVisible());

  // Another group has no approximate search.
  fixture.ClickMenuItem("PhapVitVitPhapVitVit1");
  fixture.Input("TntComboBox15")->setEditText("livre");
  englishResults->hide();
  QTest::mouseClick(button, Qt::LeftButton);
  QVERIFY(!englishResults->isVisible());
  QVERIFY(!russianResults->isVisible());
  QCOMPARE(englishResults->count(), 4);
}

}  // namespace lexorin::test

QTEST_MAIN(lexorin::test::WordFormsTest)
#include "window_word_forms_test.moc"

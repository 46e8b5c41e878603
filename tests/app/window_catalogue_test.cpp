// Activating groups and single dictionaries: lazy loading, panels, tabs,
// check marks, focus and the failures of each kind of load.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QTabBar>
#include <QTest>
#include <QToolButton>

#include "app/catalogue_controller.h"
#include "app/group_marks.h"
#include "app/headword_list_model.h"
#include "tests/app/window_fixture.h"

namespace lexorin::test {

namespace {

// Exactly one group item is checked, and it is `group`'s.
bool OnlyCheckedGroupIs(MainForm& form, GroupId group) { return form.Marks() == MarksFor(group); }

const LoadedDictionary* DictionaryOf(MainForm& form, PaneId pane) { return form.Controls(pane).model->dictionary().get(); }

class RecordingKeyboard final : public KeyboardLayoutSwitch {
 public:
  void ToRussian() override { switches.push_back("ru"); }
  void ToUsEnglish() override { switches.push_back("us"); }
  std::vector<std::string> switches;
};

}  // namespace

class CatalogueTest : public QObject {
  Q_OBJECT
 private slots:
  void builtInGroupLoadsOnFirstActivationOnly_data();
  void builtInGroupLoadsOnFirstActivationOnly();
  void tabSwitchActivatesItsGroup();
  void failedBuiltInLoadLeavesTheGroupUnloadedAndTriesAgain();
  void singleDictionariesReplaceTheSelectablePane();
  void failedSelectableLoadKeepsPanelTabAndDictionary();
  void editableDictionaryAndItsFailure();
  void russianInputSwitchesTheKeyboardLayout();
};

void CatalogueTest::builtInGroupLoadsOnFirstActivationOnly_data() {
  QTest::addColumn<int>("group");
  QTest::newRow("Russian") << static_cast<int>(GroupId::Russian);
  QTest::newRow("English") << static_cast<int>(GroupId::English);
  QTest::newRow("French") << static_cast<int>(GroupId::French);
}

void CatalogueTest::builtInGroupLoadsOnFirstActivationOnly() {
  QFETCH(int, group);
  const GroupInfo& info = Group(static_cast<GroupId>(group));
  WindowFixture fixture;
  MainForm& form = fixture.form();
  fixture.Input(info.inputBoxes[0])->setEditText("typed before");

  fixture.ClickMenuItem(info.menuItem);
  std::vector<const LoadedDictionary*> loaded;
  for (const PaneId pane : info.panes) {
    QCOMPARE(form.Controls(pane).model->size(), WindowFixture::HeadwordsOf(Pane(pane).base).size());
    loaded.push_back(DictionaryOf(form, pane));
  }
  QVERIFY(!form.StartPictureInFront());
  QCOMPARE(form.GroupPanelInFront(), info.id);
  QCOMPARE(form.TabControl()->currentIndex(), info.tab);
  QVERIFY(OnlyCheckedGroupIs(form, info.id));
  QTRY_VERIFY(fixture.Input(info.inputBoxes[0])->hasFocus());
  if (info.id == GroupId::Russian) {
    // The Russian group starts with an empty input box and its first headword.
    QCOMPARE(fixture.Input("TntComboBox3")->currentText(), QString());
    QCOMPARE(fixture.SelectedHeadword(PaneId::RusViet), QString::fromUtf16(u"брат"));
  } else {
    QCOMPARE(fixture.Input(info.inputBoxes[0])->currentText(), QString("typed before"));
  }

  // Away and back: nothing is read again.
  fixture.ClickMenuItem(info.id == GroupId::English ? "NgaVitNga1" : "AnhVitAnh1");
  QVERIFY(!OnlyCheckedGroupIs(form, info.id));
  fixture.Input(info.inputBoxes[1])->setFocus();
  fixture.ClickMenuItem(info.menuItem);
  for (size_t i = 0; i < info.panes.size(); ++i) QCOMPARE(DictionaryOf(form, info.panes[i]), loaded[i]);
  QCOMPARE(form.GroupPanelInFront(), info.id);
  QCOMPARE(form.TabControl()->currentIndex(), info.tab);
  QVERIFY(OnlyCheckedGroupIs(form, info.id));
  QTRY_VERIFY(fixture.Input(info.inputBoxes[0])->hasFocus());
}

void CatalogueTest::tabSwitchActivatesItsGroup() {
  WindowFixture fixture;
  MainForm& form = fixture.form();
  // The selectable group has no dictionary until one is chosen; the first
  // tab is selected at the start, so it is selected last.
  for (const GroupId id : {GroupId::English, GroupId::French, GroupId::Editable, GroupId::Russian}) {
    const GroupInfo& group = Group(id);
    form.TabControl()->setCurrentIndex(group.tab);
    QVERIFY2(OnlyCheckedGroupIs(form, group.id), group.menuItem.data());
    QCOMPARE(form.GroupPanelInFront(), group.id);
    QVERIFY(form.Controls(group.panes[0]).model->size() > 0);
  }
  QVERIFY(fixture.messages().shown.empty());
}

void CatalogueTest::failedBuiltInLoadLeavesTheGroupUnloadedAndTriesAgain() {
  WindowFixture fixture;
  MainForm& form = fixture.form();
  fixture.ClickMenuItem("AnhVitAnh1");
  std::filesystem::rename(fixture.DataFile("nganga.index3"), fixture.DataFile("moved"));

  form.TabControl()->setCurrentIndex(0);
  QCOMPARE(fixture.messages().shown.size(), size_t{1});
  QVERIFY(QString::fromStdString(fixture.messages().shown[0].second).contains("nganga.index3"));
  for (const PaneId pane : Group(GroupId::Russian).panes) QCOMPARE(form.Controls(pane).model->size(), size_t{0});
  QVERIFY(!form.StartPictureInFront());
  QVERIFY(OnlyCheckedGroupIs(form, GroupId::English));
  QCOMPARE(form.GroupPanelInFront(), GroupId::English);
  QCOMPARE(form.TabControl()->currentIndex(), 1);

  std::filesystem::rename(fixture.DataFile("moved"), fixture.DataFile("nganga.index3"));
  fixture.ClickMenuItem("NgaVitNga1");
  QCOMPARE(fixture.messages().shown.size(), size_t{1});
  for (const PaneId pane : Group(GroupId::Russian).panes) QVERIFY(form.Controls(pane).model->size() > 0);
  QVERIFY(OnlyCheckedGroupIs(form, GroupId::Russian));
}

void CatalogueTest::singleDictionariesReplaceTheSelectablePane() {
  WindowFixture fixture;
  MainForm& form = fixture.form();
  fixture.ClickMenuItem("NgaVitNga1");

  fixture.ClickMenuItem("cVit1");
  QCOMPARE(fixture.form().Controls(PaneId::Selectable1).model->HeadwordAt(0), QString("Buch"));
  QVERIFY(OnlyCheckedGroupIs(form, GroupId::Selectable));
  QCOMPARE(form.TabControl()->currentIndex(), 3);
  QCOMPARE(form.GroupPanelInFront(), GroupId::Selectable);

  QToolButton* korean = form.QuickButton("btnKoreanVietnameseDictionary");
  QCOMPARE(korean->toolTip(), QString("Korean - Vietnamese Dictionary"));
  QTest::mouseClick(korean, Qt::LeftButton);
  const LoadedDictionary* hanViet = DictionaryOf(form, PaneId::Selectable1);
  QCOMPARE(form.Controls(PaneId::Selectable1).model->HeadwordAt(0), QString::fromUtf16(u"집"));

  // The selectable group now shows the Korean dictionary, without reading it again.
  fixture.ClickMenuItem("NgaVitNga1");
  fixture.ClickMenuItem("Nguidungtchn1");
  QCOMPARE(DictionaryOf(form, PaneId::Selectable1), hanViet);
  QVERIFY(OnlyCheckedGroupIs(form, GroupId::Selectable));
  QCOMPARE(form.GroupPanelInFront(), GroupId::Selectable);
  QVERIFY(fixture.messages().shown.empty());
}

void CatalogueTest::failedSelectableLoadKeepsPanelTabAndDictionary() {
  WindowFixture fixture;
  MainForm& form = fixture.form();
  // Nothing configured yet.
  fixture.ClickMenuItem("NgaVitNga1");
  form.TabControl()->setCurrentIndex(3);
  QCOMPARE(fixture.messages().shown.size(), size_t{1});
  QCOMPARE(fixture.messages().shown[0],
           std::make_pair(std::string("tavrel"), std::string("Bạn cần thiết lập Từ điển Tự chọn trước. Hãy chọn "
                                                             "Tùy chọn - Thiết lập từ điển tự chọn.")));
  QCOMPARE(form.TabControl()->currentIndex(), 0);
  QCOMPARE(form.GroupPanelInFront(), GroupId::Russian);
  QVERIFY(OnlyCheckedGroupIs(form, GroupId::Russian));
  QVERIFY(!form.StartPictureInFront());

  // A single dictionary whose files are gone keeps the dictionary shown before.
  fixture.ClickMenuItem("cVit1");
  const LoadedDictionary* german = DictionaryOf(form, PaneId::Selectable1);
  fixture.ClickMenuItem("NgaVitNga1");
  std::filesystem::remove(fixture.DataFile("HanViet.index2"));
  fixture.ClickMenuItem("miKoreanVietnameseDictionary");
  QCOMPARE(fixture.messages().shown.size(), size_t{2});
  QCOMPARE(fixture.messages().shown[1].second, fixture.messages().shown[0].second);
  QCOMPARE(DictionaryOf(form, PaneId::Selectable1), german);
  QCOMPARE(form.TabControl()->currentIndex(), 0);
  QVERIFY(OnlyCheckedGroupIs(form, GroupId::Russian));
}

void CatalogueTest::editableDictionaryAndItsFailure() {
  {
    WindowFixture fixture;
    fixture.ClickMenuItem("Nguidngtnhp1");
    QVERIFY(OnlyCheckedGroupIs(fixture.form(), GroupId::Editable));
    QCOMPARE(fixture.form().TabControl()->currentIndex(), 4);
    QCOMPARE(fixture.SelectedHeadword(PaneId::UserEdit), QString::fromUtf16(u"mới"));
    QVERIFY(fixture.messages().shown.empty());
  }
  WindowFixture fixture;
  MainForm& form = fixture.form();
  fixture.ClickMenuItem("AnhVitAnh1");
  fixture.ClickMenuItem("GiaodintingAnh1");  // English messages
  std::filesystem::remove(fixture.DataFile("edit.index1"));
  form.TabControl()->setCurrentIndex(4);
  QCOMPARE(fixture.messages().shown.size(), size_t{1});
  QCOMPARE(fixture.messages().shown[0].second, std::string("Please choose Options - Default settings."));
  QVERIFY(OnlyCheckedGroupIs(form, GroupId::English));
  QCOMPARE(form.GroupPanelInFront(), GroupId::English);
  QCOMPARE(form.TabControl()->currentIndex(), 1);
  QVERIFY(!form.StartPictureInFront());
}

void CatalogueTest::russianInputSwitchesTheKeyboardLayout() {
  RecordingKeyboard keyboard;
  WindowServices services;
  services.keyboard = &keyboard;
  WindowFixture fixture(services);
  fixture.ClickMenuItem("NgaVitNga1");
  QTRY_COMPARE(keyboard.switches, std::vector<std::string>{"ru"});
  fixture.Input("TntComboBox1")->setFocus();
  QTRY_COMPARE(keyboard.switches, (std::vector<std::string>{"ru", "us"}));
  // Other input boxes leave the layout alone.
  fixture.ClickMenuItem("AnhVitAnh1");
  fixture.Input("TntComboBox12")->setFocus();
  QTest::qWait(20);
  QCOMPARE(keyboard.switches.size(), size_t{2});
}

}  // namespace lexorin::test

QTEST_MAIN(lexorin::test::CatalogueTest)
#include "window_catalogue_test.moc"

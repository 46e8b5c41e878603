// Start-up, settings and shutdown: the settings file read at start and
// written at close, re-opened from disk between runs; the version check;
// "Default settings"; starting hidden; the help document at start.
#include <sys/stat.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QSplitter>
#include <QTest>
#include <fstream>
#include <sstream>

#include "app/catalogue_controller.h"
#include "app/group_marks.h"
#include "app/headword_list_model.h"
#include "app/interface_captions.h"
#include "app/ini_settings_store.h"
#include "app/program_start.h"
#include "app/settings_schema.h"
#include "tests/app/window_fixture.h"

namespace lexorin::test {

namespace {

QString Q(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

class RecordingDocuments final : public DocumentOpener {
 public:
  void Open(const std::filesystem::path& document) override { opened.push_back(document); }
  std::vector<std::filesystem::path> opened;
};

class FakeTray final : public TrayIcon {
 public:
  bool Add(QWidget&) override {
    if (available) ++added;
    return available;
  }
  void Remove() override { ++removed; }
  bool available = true;
  int added = 0;
  int removed = 0;
};

class RecordingSpeech final : public SpeechOutput {
 public:
  void SpeakForGroup(GroupId group, std::u16string_view text) override { spoken.emplace_back(group, text); }
  std::vector<std::pair<GroupId, std::u16string>> spoken;
};

// Successive runs of the program over one settings file.
class ProgramRuns {
 public:
  QString file() const { return QString::fromStdString((folder_.path() / "Tavrel" / "Dictionary.ini").string()); }
  std::filesystem::path path() const { return folder_.path() / "Tavrel" / "Dictionary.ini"; }

  void WriteFile(std::string_view text) const {
    std::filesystem::create_directories(path().parent_path());
    std::ofstream(path(), std::ios::binary | std::ios::trunc) << text;
  }
  std::string FileBytes() const {
    std::ifstream in(path(), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
  }
  // The file as the next run finds it.
  std::unique_ptr<QSettings> Reopen() const { return std::make_unique<QSettings>(file(), QSettings::IniFormat); }

  // Creates the window (which restores the settings) and starts it as the
  // program does. `beforeShow` runs between the two.
  std::unique_ptr<WindowFixture> Start(StartMode mode = StartMode::Shown,
                                       const std::function<void(WindowFixture&)>& beforeShow = {}) {
    stores_.push_back(std::make_unique<IniSettingsStore>(file()));
    documents.opened.clear();
    speech.spoken.clear();
    WindowServices services;
    services.settings = stores_.back().get();
    services.documents = &documents;
    services.tray = &tray;
    services.speech = &speech;
    auto fixture = std::make_unique<WindowFixture>(services);
    if (beforeShow) beforeShow(*fixture);
    StartDictionaryWindow(fixture->window(), mode);
    return fixture;
  }

  RecordingDocuments documents;
  FakeTray tray;
  RecordingSpeech speech;

 private:
  TempDir folder_;
  std::vector<std::unique_ptr<IniSettingsStore>> stores_;
};

constexpr std::string_view kStamp = "[Version]\nVerion=Lexorin 9.0\n[ShowHelp]\nShowHelp=0\n";

QStringList Keys(const QSettings& settings) {
  QStringList keys = settings.childGroups();
  keys.sort();
  return keys;
}

QSplitter* Splitter(MainForm& form, std::string_view name) { return form.findChild<QSplitter*>(Q(name)); }

int Edge(MainForm& form, std::string_view name) { return Splitter(form, name)->sizes().value(0); }

// Drags a splitter's handle to `edge`.
void MoveEdge(MainForm& form, std::string_view name, int edge) {
  QSplitter* splitter = Splitter(form, name);
  const QList<int> sizes = splitter->sizes();
  splitter->setSizes({edge, sizes.value(0) + sizes.value(1) - edge});
}

}  // namespace

class SettingsTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase();
  void firstStartStampsTheTreeAndOpensTheFaq();
  void laterStartsFollowShowHelpAndKeepPath();
  void storedTreeIsWipedBeforeAnythingIsRead_data();
  void storedTreeIsWipedBeforeAnythingIsRead();
  void everyValueSurvivesCloseAndNextStart();
  void savedGroupIsActivatedAtStart_data();
  void savedGroupIsActivatedAtStart();
  void guardedValuesAndBlocks();
  void miniModeStepDecidesWhichEdgesAreRestored_data();
  void miniModeStepDecidesWhichEdgesAreRestored();
  void firstShowReappliesRestoredModes();
  void defaultSettingsLeavesNoTreeAfterClose();
  void startWithAnArgument_data();
  void startWithAnArgument();
  void closeReplacesTheFileInOneStep();
  void exitClosesAndTheNextStartReturns();
  void doNotShowOnStartupIsStoredAtOnce();
  void userFileFollowsXdgConfigHome();
};

void SettingsTest::initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

void SettingsTest::firstStartStampsTheTreeAndOpensTheFaq() {
  ProgramRuns runs;
  auto run = runs.Start();
  const std::vector<std::filesystem::path> faq = {run->folder().path() / "FAQ.mht"};
  QCOMPARE(runs.documents.opened, faq);
  QCOMPARE(run->form().Marks(), MarksFor(GroupId::Editable));
  QCOMPARE(run->form().GroupPanelInFront(), GroupId::Editable);

  // Written at start, before any close.
  auto stored = runs.Reopen();
  QCOMPARE(stored->status(), QSettings::NoError);
  QCOMPARE(Keys(*stored), QStringList({"Path", "ShowHelp", "Version"}));
  QCOMPARE(stored->value("Version/Verion").toString(), QString("Lexorin 9.0"));
  QCOMPARE(stored->value("ShowHelp/ShowHelp").toString(), QString("1"));
  QCOMPARE(stored->value("Path/Path").toString(), QString::fromStdString(run->folder().path().string()));
}

void SettingsTest::laterStartsFollowShowHelpAndKeepPath() {
  struct Case {
    std::string_view showHelp;
    bool opened;
  };
  const Case cases[] = {{"ShowHelp=1\n", true}, {"ShowHelp=0\n", false}, {"Other=1\n", false}};
  for (const Case& c : cases) {
    ProgramRuns runs;
    runs.WriteFile("[Version]\nVerion=Lexorin 9.0\n[Path]\nPath=/where/it/was\n[ShowHelp]\n" + std::string(c.showHelp));
    auto run = runs.Start();
    QVERIFY2(runs.documents.opened.empty() != c.opened, c.showHelp.data());
    auto stored = runs.Reopen();
    QCOMPARE(stored->value("Path/Path").toString(), QString("/where/it/was"));
    QCOMPARE(stored->contains("ShowHelp/ShowHelp"), c.showHelp.starts_with("ShowHelp"));
  }
}

void SettingsTest::storedTreeIsWipedBeforeAnythingIsRead_data() {
  const std::string values = "[Options]\nAutoTranslate=0\n[Positions]\nFormWidth=300\n[Words]\nNgaViet=9\n";
  QTest::addColumn<QByteArray>("content");
  QTest::newRow("other version") << QByteArray::fromStdString("[Version]\nVerion=Lexorin 8.0\n" + values);
  QTest::newRow("stamp in other case") << QByteArray::fromStdString("[Version]\nVerion=lexorin 9.0\n" + values);
  QTest::newRow("no stamp") << QByteArray::fromStdString(values);
  QTest::newRow("unfinished section") << QByteArray::fromStdString("[Version]\nVerion=Lexorin 9.0\n" + values + "[Br");
  QTest::newRow("binary") << QByteArray("\0\xff\x01[\x80]\n=\xfe", 9) + QByteArray::fromStdString(values);
}

void SettingsTest::storedTreeIsWipedBeforeAnythingIsRead() {
  QFETCH(QByteArray, content);
  ProgramRuns runs;
  runs.WriteFile(content.toStdString());
  auto run = runs.Start();
  QVERIFY(run->form().MenuItem("Tdngdch1")->isChecked());
  QVERIFY(run->form().width() != 300);
  QCOMPARE(runs.documents.opened.size(), size_t{1});
  {
    auto stored = runs.Reopen();
    QCOMPARE(stored->status(), QSettings::NoError);
    QCOMPARE(Keys(*stored), QStringList({"Path", "ShowHelp", "Version"}));
    QCOMPARE(stored->value("Version/Verion").toString(), QString("Lexorin 9.0"));
  }
  run->form().close();
  auto stored = runs.Reopen();
  QCOMPARE(stored->status(), QSettings::NoError);
  QCOMPARE(stored->value("Options/AutoTranslate").toString(), QString("1"));
  QCOMPARE(stored->value("Words/NgaViet").toString(), QString("0"));
  QCOMPARE(stored->value("DicActive/DicActive").toString(), QString("Tunhap"));
}

void SettingsTest::everyValueSurvivesCloseAndNextStart() {
  ProgramRuns runs;
  const QString families[] = {"DejaVu Serif", "DejaVu Sans Mono"};
  const auto fontOf = [&](size_t i) {
    QFont font(families[i % 2]);
    font.setPointSize(static_cast<int>(7 + i));
    return font;
  };
  const auto colourOf = [](size_t i) { return QColor(static_cast<int>(10 * i), 100, static_cast<int>(200 - i)); };
  struct GroupEdges {
    GroupId group;
    std::string_view lower;
    int lowerEdge;
    std::string_view right;
    int rightEdge;
  };
  const GroupEdges edges[] = {
      {GroupId::Russian, "TntSplitter1", 180, "TntSplitter2", 450},
      {GroupId::English, "TntSplitter3", 190, "TntSplitter4", 460},
      {GroupId::French, "TntSplitter5", 200, "TntSplitter6", 470},
  };
  // Options whose marks are flipped from the design's; Language is flipped
  // by its own command.
  std::vector<std::string_view> flipped = {"Tdngdch1", "Tdngtimnguyenth1", "Tdngphatam1", "Luonhinth1",
                                           "Cdnhtdintchn1"};
  for (const std::string_view item : CaptureModeItems()) flipped.push_back(item);
  std::map<PaneId, size_t> wordCounts;
  {
    auto run = runs.Start();
    MainForm& form = run->form();
    for (const std::string_view item : flipped) form.MenuItem(item)->toggle();
    run->ClickMenuItem("GiaodintingAnh1");
    form.move(60, 70);
    form.resize(820, 580);
    for (const GroupEdges& group : edges) {
      run->ClickMenuItem(Group(group.group).menuItem);
      MoveEdge(form, group.lower, group.lowerEdge);
      MoveEdge(form, group.right, group.rightEdge);
      QCOMPARE(Edge(form, group.lower), group.lowerEdge);
      QCOMPARE(Edge(form, group.right), group.rightEdge);
    }
    const auto controls = FontControls();
    for (size_t i = 0; i < controls.size(); ++i) {
      QWidget* control = form.findChild<QWidget*>(Q(controls[i]));
      control->setFont(fontOf(i));
      QPalette palette = control->palette();
      palette.setColor(QPalette::Text, colourOf(i));
      control->setPalette(palette);
    }
    run->ClickMenuItem("cVit1");
    run->window().session().speakers = {1, 2, 3, 4, 5};
    for (const PaneInfo& pane : Panes()) wordCounts[pane.id] = form.Controls(pane.id).model->size();
    form.close();
  }
  {
    auto stored = runs.Reopen();
    QCOMPARE(stored->value("DicActive/DicActive").toString(), QString("Tuchon"));
    QCOMPARE(stored->value("Words/NgaViet").toInt(), static_cast<int>(wordCounts[PaneId::RusViet]));
    QCOMPARE(stored->value("Words/VietViet").toInt(), static_cast<int>(wordCounts[PaneId::VietViet]));
    QCOMPARE(stored->value("Words/Tuchon").toInt(), static_cast<int>(wordCounts[PaneId::Selectable1]));
    QCOMPARE(stored->value("Words/Tunhap").toInt(), static_cast<int>(wordCounts[PaneId::UserEdit]));
    QVERIFY(wordCounts[PaneId::VietViet] > 0 && wordCounts[PaneId::Selectable1] > 0);
  }

  auto run = runs.Start();
  MainForm& form = run->form();
  for (const CaptionRow& row : CaptionRows()) {
    if (!row.checkable) continue;
    const bool group = std::any_of(Groups().begin(), Groups().end(),
                                   [&](const GroupInfo& g) { return g.menuItem == row.item; });
    if (group) continue;
    const bool changed = row.item == "GiaodintingAnh1" ||
                         std::find(flipped.begin(), flipped.end(), row.item) != flipped.end();
    QVERIFY2(form.MenuItem(row.item)->isChecked() == (row.checkedByDefault != changed), row.item.data());
  }
  QCOMPARE(form.MenuItem("Tdngdch1")->text(), QString("Auto translate"));
  QVERIFY(form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  QCOMPARE(form.pos(), QPoint(60, 70));
  QCOMPARE(form.size(), QSize(820, 580));
  const auto controls = FontControls();
  for (size_t i = 0; i < controls.size(); ++i) {
    const QWidget* control = form.findChild<QWidget*>(Q(controls[i]));
    QCOMPARE(control->font().family(), fontOf(i).family());
    QCOMPARE(control->font().pointSize(), fontOf(i).pointSize());
    QCOMPARE(control->palette().color(QPalette::Text), colourOf(i));
  }
  QCOMPARE(run->window().session().speakers, (std::array<int32_t, kGroupCount>{1, 2, 3, 4, 5}));
  const SelectablePaths paths = run->window().catalogue().selectablePaths();
  QCOMPARE(paths.headwords, std::string("Data/DucViet.index1"));
  QCOMPARE(paths.entries, std::string("Data/DucViet.dict"));
  // The saved group is the selectable one, showing the single dictionary.
  QCOMPARE(form.Marks(), MarksFor(GroupId::Selectable));
  QCOMPARE(form.Controls(PaneId::Selectable1).model->size(), wordCounts[PaneId::Selectable1]);
  // Each group's edges wait until its page is first shown.
  for (const GroupEdges& group : edges) {
    run->ClickMenuItem(Group(group.group).menuItem);
    QCOMPARE(Edge(form, group.lower), group.lowerEdge);
    QCOMPARE(Edge(form, group.right), group.rightEdge);
  }
}

void SettingsTest::savedGroupIsActivatedAtStart_data() {
  QTest::addColumn<QString>("dicActive");
  QTest::addColumn<int>("group");
  const auto row = [](const char* name, const char* key, GroupId group) {
    QTest::newRow(name) << QString(key) << static_cast<int>(group);
  };
  row("Russian", "[DicActive]\nDicActive=NgaVietNga\n", GroupId::Russian);
  row("English", "[DicActive]\nDicActive=AnhVietAnh\n", GroupId::English);
  row("French", "[DicActive]\nDicActive=PhapVietViet\n", GroupId::French);
  row("selectable", "[DicActive]\nDicActive=Tuchon\nUserList=Data/HanViet.index1\nUserSeg=Data/HanViet.index2\n"
      "UserOff=Data/HanViet.index3\nUserDict=Data/HanViet.dict\n", GroupId::Selectable);
  row("editable", "[DicActive]\nDicActive=Tunhap\n", GroupId::Editable);
  row("empty", "[DicActive]\nDicActive=\n", GroupId::Editable);
  row("other case", "[DicActive]\nDicActive=ngavietnga\n", GroupId::Editable);
  row("no value", "[DicActive]\nUserList=x\n", GroupId::Editable);
  row("no key", "", GroupId::Editable);
}

void SettingsTest::savedGroupIsActivatedAtStart() {
  QFETCH(QString, dicActive);
  QFETCH(int, group);
  ProgramRuns runs;
  runs.WriteFile(std::string(kStamp) + dicActive.toStdString());
  auto run = runs.Start();
  QCOMPARE(run->form().Marks(), MarksFor(static_cast<GroupId>(group)));
  QCOMPARE(run->form().GroupPanelInFront(), static_cast<GroupId>(group));
  QCOMPARE(run->messages().shown.size(), size_t{0});
}

void SettingsTest::guardedValuesAndBlocks() {
  ProgramRuns runs;
  runs.WriteFile(std::string(kStamp) +
                 "[Options]\nAutoTranslate=yes\nAutoSpeak=0\n"
                 "[Font]\nTntListBox3FontName=\nTntListBox3FontSize=big\nTntListBox3FontColor=-2147483640\n"
                 "TntListBox4FontSize=21\n"
                 "[DicActive]\nUserList=Data/HanViet.index1\nUserOff=Data/HanViet.index3\nUserDict=Data/HanViet.dict\n"
                 "[SpeechEngine]\nengineru=3\nenginefr=5\nengineuser=6\n");
  QFont designFont;
  QColor designColour;
  {
    WindowFixture untouched;
    QWidget* list = untouched.form().findChild<QWidget*>("TntListBox3");
    designFont = list->font();
    designColour = list->palette().color(QPalette::Text);
  }
  auto run = runs.Start();
  MainForm& form = run->form();
  // A value of another type keeps the design's state; the next is read.
  QVERIFY(form.MenuItem("Tdngdch1")->isChecked());
  QVERIFY(!form.MenuItem("Tdngphatam1")->isChecked());
  const QWidget* list3 = form.findChild<QWidget*>("TntListBox3");
  QCOMPARE(list3->font(), designFont);
  QCOMPARE(list3->palette().color(QPalette::Text), designColour);
  QCOMPARE(form.findChild<QWidget*>("TntListBox4")->font().pointSize(), 21);
  // Without "UserSeg" the two paths after it stay unread; the same for the
  // speakers after a missing "engineen".
  const SelectablePaths paths = run->window().catalogue().selectablePaths();
  QCOMPARE(paths.headwords, std::string("Data/HanViet.index1"));
  QCOMPARE(paths.offsets, std::string());
  QCOMPARE(paths.lengths, std::string());
  QCOMPARE(paths.entries, std::string());
  QCOMPARE(run->window().session().speakers, (std::array<int32_t, kGroupCount>{3, 0, 0, 0, 0}));
  // An untouched colour is written back as the system's text colour.
  form.close();
  QCOMPARE(runs.Reopen()->value("Font/TntListBox3FontColor").toInt(), static_cast<int>(0x80000008u));
}

void SettingsTest::miniModeStepDecidesWhichEdgesAreRestored_data() {
  QTest::addColumn<int>("step");
  QTest::addColumn<bool>("lowerRestored");
  QTest::addColumn<bool>("rightRestored");
  QTest::newRow("full") << 0 << true << true;
  QTest::newRow("no right column") << 1 << true << false;
  QTest::newRow("main pane only") << 2 << false << false;
  QTest::newRow("no right column again") << 3 << false << false;
}

void SettingsTest::miniModeStepDecidesWhichEdgesAreRestored() {
  QFETCH(int, step);
  QFETCH(bool, lowerRestored);
  QFETCH(bool, rightRestored);
  ProgramRuns runs;
  runs.WriteFile(std::string(kStamp) + "[Options]\nMiniMode=" + std::to_string(step) +
                 "\n[Positions]\nTntSplitter1Top=150\nTntSplitter2Left=400\n"
                 "[DicActive]\nDicActive=NgaVietNga\n");
  auto run = runs.Start();
  MainForm& form = run->form();
  QCOMPARE(form.GroupPanelInFront(), GroupId::Russian);
  QCOMPARE(Edge(form, "TntSplitter1") == 150, lowerRestored);
  QCOMPARE(Edge(form, "TntSplitter2") == 400, rightRestored);
  // The mini-mode command does not exist yet: the step is kept as it was.
  QCOMPARE(run->window().session().miniModeCounter, step);
  form.close();
  QCOMPARE(runs.Reopen()->value("Options/MiniMode").toInt(), step);
}

void SettingsTest::firstShowReappliesRestoredModes() {
  ProgramRuns runs;
  runs.WriteFile(std::string(kStamp) + "[Options]\nAutoSpeak=1\nOnTop=1\nMiniMode=2\nGlanceMouse=1\nSelectCtrl=1\n");
  std::vector<bool> marksWhenRun;
  int miniModeAtCommand = -1;
  auto run = runs.Start(StartMode::Shown, [&](WindowFixture& fixture) {
    // Commands that later parts of the program give these items.
    QAction* mode = fixture.form().MenuItem("miPointRightMouse");
    mode->setEnabled(true);
    QObject::connect(mode, &QAction::triggered, [&, mode] { marksWhenRun.push_back(mode->isChecked()); });
    QAction* mini = fixture.form().MenuItem("Chdthugn1");
    mini->setEnabled(true);
    QObject::connect(mini, &QAction::triggered, [&, window = &fixture.window()] {
      miniModeAtCommand = window->session().miniModeCounter;
      ++window->session().miniModeCounter;
    });
  });
  MainForm& form = run->form();
  QCOMPARE(marksWhenRun, std::vector<bool>{true});
  QVERIFY(form.MenuItem("miPointRightMouse")->isChecked());
  // Without a command the mark stays, to be written again at close.
  QVERIFY(form.MenuItem("miSelectAndPressCtrl")->isChecked());
  QCOMPARE(miniModeAtCommand, 1);
  QCOMPARE(run->window().session().miniModeCounter, 2);
  QVERIFY(form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  QVERIFY(form.isVisible());
  const std::vector<std::pair<GroupId, std::u16string>> welcome = {{GroupId::English, u"Wellcome to Lexorin"}};
  QCOMPARE(runs.speech.spoken, welcome);
  form.close();
  run.reset();

  runs.WriteFile(std::string(kStamp) + "[Options]\nAutoSpeak=0\nOnTop=0\n");
  run = runs.Start();
  QVERIFY(runs.speech.spoken.empty());
  QVERIFY(!run->form().windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

void SettingsTest::defaultSettingsLeavesNoTreeAfterClose() {
  ProgramRuns runs;
  {
    auto run = runs.Start();
    MainForm& form = run->form();
    QVERIFY(QFile::exists(runs.file()));
    QCOMPARE(form.MenuItem("Thitlpmcdnh1")->shortcut(), QKeySequence("Ctrl+D"));
    QTest::keyClick(&form, Qt::Key_D, Qt::ControlModifier);
    QVERIFY(!QFile::exists(runs.file()));
    // The running program keeps its state; a second time, in English.
    form.MenuItem("Tdngdch1")->setChecked(false);
    run->ClickMenuItem("GiaodintingAnh1");
    run->ClickMenuItem("Thitlpmcdnh1");
    const std::vector<std::pair<std::string, std::string>> shown = {
        {"tavrel", "Thiết lập mặc định thành công. Bạn cần khởi động lại từ điển."},
        {"tavrel", "Default settings reset successfully. Please restart dictionary."},
    };
    QCOMPARE(run->messages().shown, shown);
    QVERIFY(!form.MenuItem("Tdngdch1")->isChecked());
    form.close();
    QVERIFY(!QFile::exists(runs.file()));
    form.close();
    QVERIFY(!QFile::exists(runs.file()));
  }
  // The next start is a first start.
  auto run = runs.Start();
  QCOMPARE(runs.documents.opened.size(), size_t{1});
  QVERIFY(run->form().MenuItem("Tdngdch1")->isChecked());
  QVERIFY(!run->form().MenuItem("GiaodintingAnh1")->isChecked());
  QCOMPARE(runs.Reopen()->value("Version/Verion").toString(), QString("Lexorin 9.0"));
}

void SettingsTest::startWithAnArgument_data() {
  QTest::addColumn<bool>("hidden");
  QTest::addColumn<bool>("trayAvailable");
  QTest::addColumn<bool>("visible");
  QTest::addColumn<bool>("minimised");
  QTest::newRow("argument, tray") << true << true << false << false;
  QTest::newRow("argument, no tray") << true << false << true << true;
  QTest::newRow("no argument") << false << true << true << false;
}

void SettingsTest::startWithAnArgument() {
  QFETCH(bool, hidden);
  QFETCH(bool, trayAvailable);
  QFETCH(bool, visible);
  QFETCH(bool, minimised);
  ProgramRuns runs;
  runs.tray.available = trayAvailable;
  runs.WriteFile(std::string(kStamp) + "[Options]\nAutoTranslate=0\n[DicActive]\nDicActive=AnhVietAnh\n");
  {
    auto run = runs.Start(hidden ? StartMode::Hidden : StartMode::Shown);
    MainForm& form = run->form();
    QCOMPARE(form.isVisible(), visible);
    QCOMPARE(form.isMinimized(), minimised);
    // Fully started all the same.
    QVERIFY(!form.MenuItem("Tdngdch1")->isChecked());
    QCOMPARE(form.Marks(), MarksFor(GroupId::English));
    QVERIFY(form.Controls(PaneId::EngViet).model->size() > 0);
    QCOMPARE(runs.tray.added, trayAvailable ? 1 : 0);
    QCOMPARE(runs.tray.removed, 0);
  }
  QCOMPARE(runs.tray.removed, trayAvailable ? 1 : 0);
}

void SettingsTest::exitClosesAndTheNextStartReturns() {
  ProgramRuns runs;
  {
    auto run = runs.Start();
    run->form().MenuItem("AnhVitAnh1")->trigger();
    run->form().MenuItem("Thoat2")->trigger();
    QVERIFY(!run->form().isVisible());
  }
  auto next = runs.Start();
  QCOMPARE(next->form().GroupPanelInFront(), GroupId::English);
}

void SettingsTest::doNotShowOnStartupIsStoredAtOnce() {
  ProgramRuns runs;
  auto run = runs.Start();
  QCOMPARE(runs.documents.opened.size(), size_t{1});
  run->form().MenuItem("Khonghinthkhikhidng1")->trigger();
  // On disk before any close.
  QCOMPARE(runs.Reopen()->value("ShowHelp/ShowHelp").toString(), QString("0"));
  run.reset();
  runs.documents.opened.clear();
  auto next = runs.Start();
  QVERIFY(runs.documents.opened.empty());
}

void SettingsTest::closeReplacesTheFileInOneStep() {
  ProgramRuns runs;
  runs.Start()->form().close();
  const std::string before = runs.FileBytes();
  QVERIFY(before.find("AutoTranslate=1") != std::string::npos);
  // A second name for the file as it is now: a file rewritten in place
  // would change under both names.
  const auto link = runs.path().parent_path() / "before.ini";
  std::filesystem::create_hard_link(runs.path(), link);

  auto run = runs.Start();
  run->form().MenuItem("Tdngdch1")->setChecked(false);
  run->form().close();
  std::ifstream linked(link, std::ios::binary);
  QCOMPARE(std::string(std::istreambuf_iterator<char>(linked), {}), before);
  QVERIFY(runs.FileBytes().find("AutoTranslate=0") != std::string::npos);
  struct stat file {}, old {};
  QCOMPARE(::stat(runs.path().c_str(), &file), 0);
  QCOMPARE(::stat(link.c_str(), &old), 0);
  QVERIFY(file.st_ino != old.st_ino);
  // Nothing is left beside it.
  QStringList names = QDir(QString::fromStdString(runs.path().parent_path().string())).entryList(QDir::Files);
  names.sort();
  QCOMPARE(names, QStringList({"Dictionary.ini", "before.ini"}));
}

void SettingsTest::userFileFollowsXdgConfigHome() {
  TempDir config;
  const QByteArray previous = qgetenv("XDG_CONFIG_HOME");
  qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(config.path().string()));
  const QString file = IniSettingsStore::UserFile();
  if (previous.isNull()) {
    qunsetenv("XDG_CONFIG_HOME");
  } else {
    qputenv("XDG_CONFIG_HOME", previous);
  }
  QCOMPARE(file, QString::fromStdString((config.path() / "Tavrel" / "Dictionary.ini").string()));
}

}  // namespace lexorin::test

QTEST_MAIN(lexorin::test::SettingsTest)
#include "window_settings_test.moc"

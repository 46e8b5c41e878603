#include "app/main_form.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QSplitter>
#include <QStackedLayout>
#include <QStackedWidget>
#include <QTabBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/entry_view.h"
#include "app/headword_list_model.h"
#include "app/interface_captions.h"
#include "app/lookup_wiring.h"
#include "app/start_picture.h"
#include "app/word_list_view.h"

namespace lexorin {
namespace {

QString Q(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// The design's window size and splitter positions.
constexpr int kFormWidth = 740;
constexpr int kFormHeight = 510;
constexpr int kLowerPaneSplitterTop = 250;
constexpr int kRightColumnSplitterLeft = 522;
constexpr int kWordListWidth = 150;

// The splitters of the bilingual groups: the one that separates the right
// column from the rest of the page, the one that separates the lower pane
// from the upper-left pane, and the panel holding those two panes.
struct GroupSplitters {
  GroupId group;
  std::string_view rightColumn;
  std::string_view lowerPane;
  std::string_view leftPanel;
};
constexpr GroupSplitters kGroupSplitters[] = {
    {GroupId::Russian, "TntSplitter2", "TntSplitter1", "RusVietandRusRus"},
    {GroupId::English, "TntSplitter4", "TntSplitter3", "EngVietandEngEng"},
    {GroupId::French, "TntSplitter6", "TntSplitter5", "FraVietandVietFra"},
};

// Quick-task buttons that run a menu command: object name, text, hint.
struct CommandButton {
  std::string_view name;
  std::string_view text;
  std::string_view hint;
};
constexpr CommandButton kCommandButtons[] = {
    {"TntSpeedButton10", "≈", "Find Approach"},
};

bool PaneHostsInput(const PaneInfo& pane) {
  for (const PaneInfo& earlier : Panes()) {
    if (earlier.id == pane.id) return true;
    if (earlier.inputBox == pane.inputBox) return false;
  }
  return true;
}

}  // namespace

MainForm::MainForm(QWidget* parent) : QMainWindow(parent) {
  setObjectName("TMainForm");
  setWindowTitle("Lexorin");
  BuildMenus();

  auto* central = new QWidget(this);
  cover_ = new QStackedLayout(central);
  pages_ = BuildPages();
  wellcome_ = BuildStartPicture();
  cover_->addWidget(pages_);
  cover_->addWidget(wellcome_);
  cover_->setCurrentWidget(pages_);
  setCentralWidget(central);

  wordHandOver_ = new QLineEdit(this);
  wordHandOver_->setObjectName("TntEdit4");
  wordHandOver_->hide();

  resize(kFormWidth, kFormHeight);
}

MainForm::~MainForm() = default;

void MainForm::BuildMenus() {
  QMenu* menu = nullptr;
  const auto rows = CaptionRows();
  for (size_t i = 0; i < rows.size(); ++i) {
    const CaptionRow& row = rows[i];
    switch (row.kind) {
      case MenuRowKind::Menu:
        menu = menuBar()->addMenu(Q(DesignCaptionOf(row)));
        menu->setObjectName(Q(row.item));
        break;
      case MenuRowKind::Blank:
        if (menu && i + 1 < rows.size() && rows[i + 1].kind == MenuRowKind::Item) menu->addSeparator();
        break;
      case MenuRowKind::Item:
      case MenuRowKind::TopItem: {
        auto* action = new QAction(Q(DesignCaptionOf(row)), this);
        action->setObjectName(Q(row.item));
        if (!row.shortcut.empty()) action->setShortcut(QKeySequence(Q(row.shortcut), QKeySequence::PortableText));
        action->setCheckable(row.checkable);
        action->setChecked(row.checkedByDefault);
        action->setEnabled(false);
        if (row.kind == MenuRowKind::TopItem || !menu) {
          menuBar()->addAction(action);
        } else {
          menu->addAction(action);
        }
        break;
      }
    }
  }
}

QWidget* MainForm::BuildPages() {
  auto* pages = new QWidget;
  auto* layout = new QVBoxLayout(pages);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->setSpacing(2);
  layout->addWidget(BuildQuickButtons());

  tabControl_ = new QTabBar;
  tabControl_->setObjectName("TntTabControl");
  tabControl_->setExpanding(false);
  groupPages_ = new QStackedWidget;
  groupPages_->setObjectName("GroupPages");
  for (const GroupInfo& group : Groups()) {
    tabControl_->addTab(Q(group.tabCaption));
    QWidget* panel = BuildGroupPanel(group);
    groupPanels_[static_cast<size_t>(group.id)] = panel;
    groupPages_->addWidget(panel);
  }
  layout->addWidget(tabControl_);
  layout->addWidget(groupPages_, 1);
  return pages;
}

QWidget* MainForm::BuildQuickButtons() {
  auto* bar = new QWidget;
  bar->setObjectName("QuickButtons");
  auto* layout = new QHBoxLayout(bar);
  layout->setContentsMargins(0, 0, 0, 0);
  const auto addButton = [layout](std::string_view name, std::string_view text, std::string_view hint) {
    auto* button = new QToolButton;
    button->setObjectName(Q(name));
    button->setText(Q(text));
    button->setToolTip(Q(hint));
    button->setAutoRaise(true);
    button->setEnabled(false);
    layout->addWidget(button);
  };
  for (const CommandButton& command : kCommandButtons) addButton(command.name, command.text, command.hint);
  for (const SingleDictionaryInfo& single : SingleDictionaries()) {
    if (!single.quickButton.empty()) addButton(single.quickButton, single.captionVi, single.hint);
  }
  layout->addStretch(1);
  return bar;
}

QWidget* MainForm::BuildGroupPanel(const GroupInfo& group) {
  if (group.panes.size() == 1) {
    QWidget* panel = BuildPane(group.panes[0], true);
    panel->setObjectName(Q(group.panel));
    return panel;
  }
  const auto* splitters = std::find_if(std::begin(kGroupSplitters), std::end(kGroupSplitters),
                                       [&](const GroupSplitters& s) { return s.group == group.id; });
  auto* panel = new QWidget;
  panel->setObjectName(Q(group.panel));
  auto* layout = new QHBoxLayout(panel);
  layout->setContentsMargins(0, 0, 0, 0);

  auto* rightColumn = new QSplitter(Qt::Horizontal);
  rightColumn->setObjectName(Q(splitters->rightColumn));
  auto* leftPanel = new QWidget;
  leftPanel->setObjectName(Q(splitters->leftPanel));
  auto* leftLayout = new QVBoxLayout(leftPanel);
  leftLayout->setContentsMargins(0, 0, 0, 0);
  auto* lowerPane = new QSplitter(Qt::Vertical);
  lowerPane->setObjectName(Q(splitters->lowerPane));
  for (size_t i = 0; i < 2; ++i) {
    const PaneInfo& pane = Pane(group.panes[i]);
    lowerPane->addWidget(BuildPane(pane.id, PaneHostsInput(pane)));
  }
  leftLayout->addWidget(lowerPane);
  rightColumn->addWidget(leftPanel);
  const PaneInfo& right = Pane(group.panes[2]);
  rightColumn->addWidget(BuildPane(right.id, PaneHostsInput(right)));
  lowerPane->setSizes({kLowerPaneSplitterTop, kFormHeight - kLowerPaneSplitterTop});
  rightColumn->setSizes({kRightColumnSplitterLeft, kFormWidth - kRightColumnSplitterLeft});
  layout->addWidget(rightColumn);
  return panel;
}

QWidget* MainForm::BuildPane(PaneId id, bool hostsInput) {
  const PaneInfo& info = Pane(id);
  PaneControls& controls = panes_[static_cast<size_t>(id)];
  controls.panel = new QWidget;
  controls.panel->setObjectName(Q(info.name));

  if (hostsInput) {
    auto* input = new QComboBox;
    input->setObjectName(Q(info.inputBox));
    input->setEditable(true);
    input->setCompleter(nullptr);
    input->setInsertPolicy(QComboBox::NoInsert);
    input->setMaxVisibleItems(20);
    controls.input = input;
  } else {
    // The input box belongs to an earlier pane, built before this one.
    for (const PaneInfo& earlier : Panes()) {
      if (earlier.inputBox == info.inputBox && panes_[static_cast<size_t>(earlier.id)].input) {
        controls.input = panes_[static_cast<size_t>(earlier.id)].input;
        break;
      }
    }
  }

  controls.model = new HeadwordListModel(controls.panel);
  controls.list = new WordListView;
  controls.list->setObjectName(Q(info.wordList));
  controls.list->setModel(controls.model);
  controls.view = new EntryView;
  controls.view->setObjectName(Q(info.view));

  // A result list shares its word list's cell and covers it while shown.
  auto* listColumn = new QGridLayout;
  listColumn->addWidget(controls.list, 0, 0);
  for (const ResultListWiring& result : ResultListWirings()) {
    if (result.pane != id) continue;
    auto* list = new QListWidget;
    list->setObjectName(Q(result.list));
    list->hide();
    listColumn->addWidget(list, 0, 0);
  }

  // The right-hand column is narrow: its list stands above its view.
  const bool rightColumn = Group(info.group).panes.size() == 3 && Group(info.group).panes[2] == id;
  auto* layout = new QVBoxLayout(controls.panel);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->setSpacing(2);
  if (hostsInput) layout->addWidget(controls.input);
  if (rightColumn) {
    layout->addLayout(listColumn, 1);
    layout->addWidget(controls.view, 2);
  } else {
    controls.list->setFixedWidth(kWordListWidth);
    for (int i = 0; i < listColumn->count(); ++i) {
      if (QWidget* widget = listColumn->itemAt(i)->widget()) widget->setFixedWidth(kWordListWidth);
    }
    auto* row = new QHBoxLayout;
    row->setSpacing(2);
    row->addLayout(listColumn);
    row->addWidget(controls.view, 1);
    layout->addLayout(row, 1);
  }
  return controls.panel;
}

QWidget* MainForm::BuildStartPicture() {
  auto* wellcome = new QWidget;
  wellcome->setObjectName("wellcome");
  wellcome->setAutoFillBackground(true);
  QPalette palette = wellcome->palette();
  palette.setColor(QPalette::Window, StartPictureBackground());
  wellcome->setPalette(palette);
  auto* layout = new QVBoxLayout(wellcome);
  auto* picture = new QLabel;
  picture->setObjectName("flashImage");
  picture->setAlignment(Qt::AlignCenter);
  picture->setPixmap(MakeStartPicture());
  layout->addWidget(picture);
  return wellcome;
}

QAction* MainForm::MenuItem(std::string_view name) const { return findChild<QAction*>(Q(name)); }
QMenu* MainForm::Menu(std::string_view name) const { return findChild<QMenu*>(Q(name)); }
QComboBox* MainForm::InputBox(std::string_view name) const { return findChild<QComboBox*>(Q(name)); }
QListWidget* MainForm::ResultList(std::string_view name) const { return findChild<QListWidget*>(Q(name)); }
QToolButton* MainForm::QuickButton(std::string_view name) const { return findChild<QToolButton*>(Q(name)); }

void MainForm::BringStartPictureToFront() {
  cover_->setCurrentWidget(wellcome_);
  if (isVisible()) repaint();
}

void MainForm::SendStartPictureToBack() { cover_->setCurrentWidget(pages_); }

bool MainForm::StartPictureInFront() const { return cover_->currentWidget() == wellcome_; }

GroupMarks MainForm::Marks() const {
  GroupMarks marks{};
  for (const GroupInfo& group : Groups()) {
    marks[static_cast<size_t>(group.id)] = MenuItem(group.menuItem)->isChecked();
  }
  return marks;
}

void MainForm::SetMarks(const GroupMarks& marks) {
  for (const GroupInfo& group : Groups()) {
    MenuItem(group.menuItem)->setChecked(marks[static_cast<size_t>(group.id)]);
  }
}

void MainForm::BringGroupPanelToFront(GroupId group) { groupPages_->setCurrentWidget(GroupPanel(group)); }

GroupId MainForm::GroupPanelInFront() const {
  for (const GroupInfo& group : Groups()) {
    if (groupPages_->currentWidget() == GroupPanel(group.id)) return group.id;
  }
  return GroupId::Russian;
}

void MainForm::SelectTabQuietly(int index) {
  const QSignalBlocker quiet(tabControl_);
  tabControl_->setCurrentIndex(index);
}

}  // namespace lexorin

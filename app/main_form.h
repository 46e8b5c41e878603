#pragma once
#include <QMainWindow>
#include <array>
#include <string_view>

#include "app/group_marks.h"
#include "dictionary/catalogue.h"

class QAction;
class QComboBox;
class QLineEdit;
class QListWidget;
class QMenu;
class QStackedLayout;
class QStackedWidget;
class QTabBar;
class QToolButton;

namespace lexorin {

class EntryView;
class HeadwordListModel;
class WordListView;

// The controls of one pane. Panes of a group may share an input box.
struct PaneControls {
  QWidget* panel = nullptr;
  QComboBox* input = nullptr;
  WordListView* list = nullptr;
  HeadwordListModel* model = nullptr;
  EntryView* view = nullptr;
};

// The main window: every menu item, panel and pane control, each named by
// its object name. It holds the program's state in its controls: a check
// mark is a setting, a word list's model holds the loaded dictionary, an
// input box's items are its history. Menu items start disabled; whoever
// gives an item its behaviour enables it.
class MainForm : public QMainWindow {
  Q_OBJECT
 public:
  explicit MainForm(QWidget* parent = nullptr);
  ~MainForm() override;

  QAction* MenuItem(std::string_view name) const;
  QMenu* Menu(std::string_view name) const;
  QComboBox* InputBox(std::string_view name) const;
  QListWidget* ResultList(std::string_view name) const;
  QToolButton* QuickButton(std::string_view name) const;
  const PaneControls& Controls(PaneId pane) const { return panes_[static_cast<size_t>(pane)]; }
  QWidget* GroupPanel(GroupId group) const { return groupPanels_[static_cast<size_t>(group)]; }
  QTabBar* TabControl() const { return tabControl_; }
  QLineEdit* WordHandOver() const { return wordHandOver_; }

  // The start picture covers the whole window while dictionaries load.
  void BringStartPictureToFront();
  void SendStartPictureToBack();
  bool StartPictureInFront() const;

  // The check marks of the five group items.
  GroupMarks Marks() const;
  void SetMarks(const GroupMarks& marks);

  void BringGroupPanelToFront(GroupId group);
  GroupId GroupPanelInFront() const;
  // Selects a tab without running the tab-change command.
  void SelectTabQuietly(int index);

 private:
  void BuildMenus();
  QWidget* BuildPages();
  QWidget* BuildQuickButtons();
  QWidget* BuildGroupPanel(const GroupInfo& group);
  QWidget* BuildPane(PaneId pane, bool hostsInput);
  QWidget* BuildStartPicture();

  QTabBar* tabControl_ = nullptr;
  QStackedWidget* groupPages_ = nullptr;
  QStackedLayout* cover_ = nullptr;
  QWidget* pages_ = nullptr;
  QWidget* wellcome_ = nullptr;
  QLineEdit* wordHandOver_ = nullptr;
  std::array<PaneControls, kPaneCount> panes_{};
  std::array<QWidget*, kGroupCount> groupPanels_{};
};

}  // namespace lexorin

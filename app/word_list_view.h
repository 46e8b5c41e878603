#pragma once
#include <QListView>
#include <optional>

namespace lexorin {

// A pane's word list: single selection, one line per headword. Selecting
// from code scrolls the item into view and starts nothing; a headword the
// user picks with the mouse or the keyboard is announced by userPicked.
class WordListView : public QListView {
  Q_OBJECT
 public:
  explicit WordListView(QWidget* parent = nullptr);

  std::optional<size_t> SelectedRow() const;
  void SelectFromCode(std::optional<size_t> row);

 signals:
  void userPicked(int row);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace lexorin

#include "app/word_list_view.h"

#include <QKeyEvent>

namespace lexorin {

WordListView::WordListView(QWidget* parent) : QListView(parent) {
  setUniformItemSizes(true);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setLayoutMode(QListView::SinglePass);
  connect(this, &QListView::clicked, this, [this](const QModelIndex& index) { emit userPicked(index.row()); });
}

std::optional<size_t> WordListView::SelectedRow() const {
  if (!selectionModel()) return std::nullopt;
  const QModelIndexList selected = selectionModel()->selectedRows();
  if (selected.isEmpty()) return std::nullopt;
  return static_cast<size_t>(selected.first().row());
}

void WordListView::SelectFromCode(std::optional<size_t> row) {
  if (!row || !model()) return;
  const QModelIndex index = model()->index(static_cast<int>(*row), 0);
  if (!index.isValid()) return;
  selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
  scrollTo(index);
}

void WordListView::keyPressEvent(QKeyEvent* event) {
  const QModelIndex before = currentIndex();
  QListView::keyPressEvent(event);
  const QModelIndex after = currentIndex();
  if (after.isValid() && after != before) emit userPicked(after.row());
}

}  // namespace lexorin

#include "app/headword_list_model.h"

#include <limits>

namespace lexorin {

void HeadwordListModel::SetDictionary(std::shared_ptr<const LoadedDictionary> dictionary) {
  beginResetModel();
  dictionary_ = std::move(dictionary);
  endResetModel();
}

int HeadwordListModel::rowCount(const QModelIndex& parent) const {
  if (parent.isValid()) return 0;
  // A list view counts rows in an int; larger lists show their first rows.
  return static_cast<int>(std::min<size_t>(size(), std::numeric_limits<int>::max()));
}

QVariant HeadwordListModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid() || static_cast<size_t>(index.row()) >= size()) return {};
  return HeadwordAt(static_cast<size_t>(index.row()));
}

QString HeadwordListModel::HeadwordAt(size_t row) const {
  const std::u16string_view word = dictionary_->headwords()[row];
  return QString::fromUtf16(word.data(), static_cast<qsizetype>(word.size()));
}

}  // namespace lexorin

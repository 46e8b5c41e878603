#pragma once
#include <QAbstractListModel>
#include <memory>

#include "dictionary/loaded_dictionary.h"

namespace lexorin {

// The items of a word list: the headwords of the pane's loaded dictionary,
// read in place (no copy of the list is made).
class HeadwordListModel : public QAbstractListModel {
  Q_OBJECT
 public:
  using QAbstractListModel::QAbstractListModel;

  // Replaces the whole list in one update.
  void SetDictionary(std::shared_ptr<const LoadedDictionary> dictionary);
  const std::shared_ptr<const LoadedDictionary>& dictionary() const { return dictionary_; }
  size_t size() const { return dictionary_ ? dictionary_->size() : 0; }

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

  QString HeadwordAt(size_t row) const;

 private:
  std::shared_ptr<const LoadedDictionary> dictionary_;
};

}  // namespace lexorin

#pragma once

#include <QAbstractTableModel>

#include "files/text_import.h"

namespace rv {

// The import dialog's preview: the first rows of a reading as the text
// splits them, each column headed by its name and its role, the columns
// left out greyed. A text that is no table may split into a million fields,
// or one field of megabytes: the model hands out as much as a user can look
// at, and only the cells in view are asked for.
class ImportPreviewModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  static constexpr int kColumns = 64;
  static constexpr qsizetype kCharacters = 64;

  explicit ImportPreviewModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

  // Shows the reading's first rows; the reading must outlive the next show.
  void show(const TextImport* reading);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  int roleOf(int column) const;

  const TextImport* reading_ = nullptr;
};

}  // namespace rv

#include "files/ui/import_preview_model.h"

#include <QApplication>
#include <QPalette>

#include "sheet/variable_name.h"

namespace rv {

void ImportPreviewModel::show(const TextImport* reading) {
  beginResetModel();
  reading_ = reading;
  endResetModel();
}

int ImportPreviewModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() || reading_ == nullptr ? 0 : static_cast<int>(reading_->firstRows.size());
}

int ImportPreviewModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() || reading_ == nullptr ? 0 : std::min(reading_->columnCount, kColumns);
}

int ImportPreviewModel::roleOf(int column) const {
  return column < static_cast<int>(reading_->roles.size()) ? reading_->roles[static_cast<size_t>(column)]
                                                           : kLeftOutColumn;
}

QVariant ImportPreviewModel::data(const QModelIndex& index, int role) const {
  if (reading_ == nullptr || !index.isValid()) return {};
  const auto& fields = reading_->firstRows[static_cast<size_t>(index.row())];
  if (role == Qt::ForegroundRole && roleOf(index.column()) == kLeftOutColumn)
    return QApplication::palette().color(QPalette::Disabled, QPalette::Text);
  if (role != Qt::DisplayRole || index.column() >= static_cast<int>(fields.size())) return {};
  const std::string& field = fields[static_cast<size_t>(index.column())];
  return QString::fromUtf8(field.data(), std::min<qsizetype>(static_cast<qsizetype>(field.size()), kCharacters * 4))
      .left(kCharacters);
}

QVariant ImportPreviewModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (reading_ == nullptr || role != Qt::DisplayRole) return {};
  if (orientation == Qt::Vertical) return section + 1;
  const QString name =
      section < static_cast<int>(reading_->headings.size())
          ? QString::fromStdString(VariableNameFromText(reading_->headings[static_cast<size_t>(section)]))
          : QString::number(section + 1);
  return name + '\n' + QString::fromStdString(RoleName(roleOf(section)));
}

}  // namespace rv

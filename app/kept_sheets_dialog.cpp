#include "app/kept_sheets_dialog.h"

#include <QComboBox>
#include <QDateTime>
#include <QDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "widgets/control_id.h"
#include "widgets/message_dialog.h"
#include "widgets/place_dialog.h"

namespace rv {

namespace {

constexpr int kChoiceColumn = 3;
constexpr int kVisibleRows = 8;
constexpr int kDialogWidth = 560;

QPushButton* Button(const QString& text, int id, QWidget* parent) {
  auto* button = new QPushButton(text, parent);
  SetControlId(button, id);
  return button;
}

QTableWidgetItem* Cell(const QString& text, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
  auto* item = new QTableWidgetItem(text);
  item->setFlags(Qt::ItemIsEnabled);
  item->setTextAlignment(alignment);
  return item;
}

}  // namespace

std::vector<KeptSheetChoice> ChooseKeptSheets(const std::vector<RecoveredSheet>& sheets, QWidget* owner) {
  QDialog dialog(owner);
  dialog.setObjectName(QStringLiteral("KeptDlg"));
  dialog.setWindowTitle(QStringLiteral("Kept Sheets"));
  auto* text = new QLabel(
      QStringLiteral("The changes to these sheets were not saved when the program ended.\n"
                     "Restore brings a sheet back, the first into this window, each other one into a window\n"
                     "of its own; Keep offers it again at the next start."),
      &dialog);
  SetControlId(text, kMessageTextId);

  auto* table = new QTableWidget(static_cast<int>(sheets.size()), 4, &dialog);
  table->setHorizontalHeaderLabels(
      {QStringLiteral("Kept at"), QStringLiteral("File"), QStringLiteral("Rows"), QStringLiteral("Do")});
  table->verticalHeader()->hide();
  table->setSelectionMode(QAbstractItemView::NoSelection);
  // The keys go to the choices and the buttons, not to the cells' texts.
  table->setFocusPolicy(Qt::NoFocus);
  std::vector<QComboBox*> boxes;
  for (std::size_t i = 0; i < sheets.size(); ++i) {
    const RecoveredSheet& sheet = sheets[i];
    const int row = static_cast<int>(i);
    const QString keptAt = QDateTime::fromSecsSinceEpoch(sheet.keptAt).toString(QStringLiteral("yyyy-MM-dd hh:mm"));
    table->setItem(row, 0, Cell(keptAt));
    table->setItem(row, 1, Cell(QString::fromStdString(sheet.title)));
    table->setItem(row, 2,
                   Cell(sheet.rows >= 0 ? QString::number(sheet.rows) : QString(), Qt::AlignRight | Qt::AlignVCenter));
    auto* box = new QComboBox(table);
    box->addItems({QStringLiteral("Restore"), QStringLiteral("Discard"), QStringLiteral("Keep")});
    // The sheets come oldest first: the last is the one the user worked on last.
    box->setCurrentIndex(static_cast<int>(i + 1 == sheets.size() ? KeptSheetChoice::Restore : KeptSheetChoice::Keep));
    SetControlId(box, kFirstChoiceId + row);
    table->setCellWidget(row, kChoiceColumn, box);
    boxes.push_back(box);
  }
  table->resizeColumnsToContents();
  table->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
  table->setMinimumHeight(
      table->horizontalHeader()->height() +
      std::min(kVisibleRows, std::max(1, table->rowCount())) * table->verticalHeader()->defaultSectionSize() + 4);

  auto* buttons = new QHBoxLayout;
  const auto setAll = [&boxes](KeptSheetChoice choice) {
    for (QComboBox* box : boxes) box->setCurrentIndex(static_cast<int>(choice));
  };
  QPushButton* restoreAll = Button(QStringLiteral("&Restore All"), kRestoreAllId, &dialog);
  QPushButton* discardAll = Button(QStringLiteral("&Discard All"), kDiscardAllId, &dialog);
  QPushButton* keepAll = Button(QStringLiteral("&Keep All"), kKeepAllId, &dialog);
  QPushButton* ok = Button(QStringLiteral("&OK"), kAnswerOk, &dialog);
  ok->setDefault(true);
  QObject::connect(restoreAll, &QPushButton::clicked, &dialog, [setAll] { setAll(KeptSheetChoice::Restore); });
  QObject::connect(discardAll, &QPushButton::clicked, &dialog, [setAll] { setAll(KeptSheetChoice::Discard); });
  QObject::connect(keepAll, &QPushButton::clicked, &dialog, [setAll] { setAll(KeptSheetChoice::Keep); });
  QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
  for (QPushButton* button : {restoreAll, discardAll, keepAll}) buttons->addWidget(button);
  buttons->addStretch();
  buttons->addWidget(ok);

  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(text);
  layout->addWidget(table);
  layout->addLayout(buttons);
  dialog.resize(kDialogWidth, dialog.sizeHint().height());
  PlaceDialog(&dialog, MainWindowOf(owner));

  std::vector<KeptSheetChoice> choices(sheets.size(), KeptSheetChoice::Keep);
  if (dialog.exec() != QDialog::Accepted) return choices;
  for (std::size_t i = 0; i < boxes.size(); ++i) choices[i] = static_cast<KeptSheetChoice>(boxes[i]->currentIndex());
  return choices;
}

}  // namespace rv

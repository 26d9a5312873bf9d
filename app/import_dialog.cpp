#include "app/import_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include "sheet/variable_name.h"
#include "widgets/control_id.h"
#include "widgets/message_dialog.h"
#include "widgets/place_dialog.h"
#include "widgets/program_fonts.h"

namespace rv {

namespace {

constexpr struct {
  const char* label;
  char separator;
} kSeparators[] = {{"Comma", ','}, {"Semicolon", ';'}, {"Tab", '\t'}, {"Space", ' '}};

// The role box lists Y, X1 ... X16, then "left out".
int RoleOfIndex(int index) { return index < kSheetColumns ? index : kLeftOutColumn; }
int IndexOfRole(int role) { return role >= 0 && role < kSheetColumns ? role : kSheetColumns; }

QString Text(const std::string& text) { return QString::fromStdString(text); }

QString Rows(int count) { return count == 1 ? QStringLiteral("1 row") : QStringLiteral("%1 rows").arg(count); }

}  // namespace

ImportDialog::ImportDialog(const QString& fileName, std::string text, QWidget* owner)
    : QDialog(owner), text_(std::move(text)), options_(DetectTextImportOptions(text_)) {
  setObjectName(QStringLiteral("ImportDlg"));
  setWindowTitle(QStringLiteral("Import ") + fileName);
  setFont(DialogFont());

  separator_ = new QComboBox(this);
  for (const auto& choice : kSeparators) separator_->addItem(QString::fromLatin1(choice.label));
  decimal_ = new QComboBox(this);
  decimal_->addItems({QStringLiteral("Point (0.5)"), QStringLiteral("Comma (0,5)")});
  names_ = new QCheckBox(QStringLiteral("&First line holds names"), this);
  skip_ = new QSpinBox(this);
  skip_->setRange(0, 1000);
  preview_ = new QTableWidget(this);
  preview_->setObjectName(QStringLiteral("ImportPreview"));
  preview_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  preview_->setSelectionBehavior(QAbstractItemView::SelectColumns);
  preview_->setSelectionMode(QAbstractItemView::SingleSelection);
  preview_->setMinimumSize(520, 220);
  preview_->verticalHeader()->setDefaultSectionSize(preview_->fontMetrics().height() + 4);
  roleLabel_ = new QLabel(this);
  role_ = new QComboBox(this);
  for (int role = 0; role < kSheetColumns; ++role) role_->addItem(Text(RoleName(role)));
  role_->addItem(QStringLiteral("left out"));
  drop_ = new QCheckBox(this);
  keepFirst_ = new QCheckBox(QStringLiteral("&Keep the first %1 rows of a longer text").arg(options_.maxRows), this);
  summary_ = new QLabel(this);
  summary_->setObjectName(QStringLiteral("ImportSummary"));
  summary_->setWordWrap(true);
  summary_->setTextFormat(Qt::PlainText);
  summary_->setMinimumHeight(36);
  ok_ = new QPushButton(QStringLiteral("OK"), this);
  SetControlId(ok_, kAnswerOk);
  ok_->setDefault(true);
  auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
  SetControlId(cancel, kAnswerCancel);

  const auto labelFor = [this](const char* text, QWidget* buddy) {
    auto* label = new QLabel(QString::fromLatin1(text), this);
    label->setBuddy(buddy);
    return label;
  };
  auto* reading = new QGridLayout;
  reading->addWidget(labelFor("&Separator:", separator_), 0, 0);
  reading->addWidget(separator_, 0, 1);
  reading->addWidget(labelFor("&Decimal sign:", decimal_), 0, 2);
  reading->addWidget(decimal_, 0, 3);
  reading->addWidget(names_, 1, 0, 1, 2);
  reading->addWidget(labelFor("Skip li&nes below the names:", skip_), 1, 2);
  reading->addWidget(skip_, 1, 3);
  auto* column = new QHBoxLayout;
  column->addWidget(roleLabel_);
  column->addWidget(role_);
  column->addStretch();
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok_);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(reading);
  layout->addWidget(preview_, 1);
  layout->addLayout(column);
  layout->addWidget(drop_);
  layout->addWidget(keepFirst_);
  layout->addWidget(summary_);
  layout->addLayout(buttons);

  showOptions();
  read();
  connect(separator_, &QComboBox::currentIndexChanged, this, [this](int index) {
    options_.separator = kSeparators[index].separator;
    splittingChanged();
  });
  connect(decimal_, &QComboBox::currentIndexChanged, this, [this](int index) {
    options_.decimalComma = index == 1;
    read();
  });
  connect(names_, &QCheckBox::toggled, this, [this](bool on) {
    options_.namesLine = on;
    splittingChanged();
  });
  connect(skip_, &QSpinBox::valueChanged, this, [this](int lines) {
    options_.skipLines = lines;
    splittingChanged();
  });
  connect(drop_, &QCheckBox::toggled, this, [this](bool on) {
    options_.dropIncomplete = on;
    read();
  });
  connect(keepFirst_, &QCheckBox::toggled, this, [this](bool on) {
    options_.keepFirstRows = on;
    read();
  });
  connect(preview_->horizontalHeader(), &QHeaderView::sectionClicked, this, &ImportDialog::columnChosen);
  connect(preview_, &QTableWidget::cellClicked, this, [this](int, int column) { columnChosen(column); });
  connect(role_, &QComboBox::activated, this, &ImportDialog::roleChosen);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void ImportDialog::showOptions() {
  for (int i = 0; i < static_cast<int>(std::size(kSeparators)); ++i)
    if (kSeparators[i].separator == options_.separator) separator_->setCurrentIndex(i);
  decimal_->setCurrentIndex(options_.decimalComma ? 1 : 0);
  names_->setChecked(options_.namesLine);
  skip_->setValue(options_.skipLines);
  drop_->setChecked(options_.dropIncomplete);
  keepFirst_->setChecked(options_.keepFirstRows);
}

void ImportDialog::splittingChanged() {
  options_.roles.clear();
  column_ = 0;
  read();
}

void ImportDialog::read() {
  reading_ = ImportText(text_, options_, kPreviewRows);
  // The roles as read become the ones the user changes from.
  if (!reading_.roles.empty()) options_.roles = reading_.roles;
  showPreview();
  showSummary();
}

// A text that is no table may split into a million fields, or one field of
// megabytes: the preview shows as much of it as a user can look at.
void ImportDialog::showPreview() {
  const int columns = std::min(reading_.columnCount, kPreviewColumns);
  preview_->clear();
  preview_->setColumnCount(columns);
  preview_->setRowCount(static_cast<int>(reading_.firstRows.size()));
  QStringList headings;
  for (int c = 0; c < columns; ++c) {
    const int role =
        c < static_cast<int>(reading_.roles.size()) ? reading_.roles[static_cast<size_t>(c)] : kLeftOutColumn;
    const QString name = c < static_cast<int>(reading_.headings.size())
                             ? Text(VariableNameFromText(reading_.headings[static_cast<size_t>(c)]))
                             : QStringLiteral("%1").arg(c + 1);
    headings << name + '\n' + Text(RoleName(role));
  }
  preview_->setHorizontalHeaderLabels(headings);
  for (int r = 0; r < static_cast<int>(reading_.firstRows.size()); ++r) {
    const auto& fields = reading_.firstRows[static_cast<size_t>(r)];
    for (int c = 0; c < static_cast<int>(fields.size()) && c < columns; ++c) {
      auto* item = new QTableWidgetItem(Text(fields[static_cast<size_t>(c)].substr(0, kPreviewCharacters)));
      if (reading_.roles[static_cast<size_t>(c)] == kLeftOutColumn)
        item->setForeground(palette().color(QPalette::Disabled, QPalette::Text));
      preview_->setItem(r, c, item);
    }
  }
  column_ = std::clamp(column_, 0, std::max(0, columns - 1));
  roleLabel_->setText(QStringLiteral("Column %1 is:").arg(column_ + 1));
  role_->setEnabled(columns > 0);
  if (columns > 0) role_->setCurrentIndex(IndexOfRole(reading_.roles[static_cast<size_t>(column_)]));
}

void ImportDialog::showSummary() {
  drop_->setText(
      QStringLiteral("D&rop rows with an empty cell among the chosen columns (%1)").arg(Rows(reading_.rowsIncomplete)));
  keepFirst_->setEnabled(reading_.rowsBeyond > 0 || options_.keepFirstRows);
  ok_->setEnabled(reading_.error.empty());
  if (!reading_.error.empty()) {
    summary_->setText(
        QStringLiteral("The text cannot be read: ") + Text(reading_.error) +
        (reading_.rowsBeyond > 0 ? QStringLiteral(". Keep the first rows, or cancel.") : QStringLiteral(".")));
    return;
  }
  QString text = Rows(reading_.rowsRead) + QStringLiteral(" will be read");
  if (reading_.rowsDropped > 0)
    text += QStringLiteral("; %1 with an empty cell dropped").arg(Rows(reading_.rowsDropped));
  if (reading_.rowsBeyond > 0) text += QStringLiteral("; the %1 after them left out").arg(Rows(reading_.rowsBeyond));
  if (reading_.namesCut > 0) {
    QStringList cut;
    for (size_t c = 0; c < reading_.headings.size() && c < reading_.roles.size(); ++c)
      if (reading_.roles[c] != kLeftOutColumn && VariableNameIsCut(reading_.headings[c]))
        cut << Text(VariableNameFromText(reading_.headings[c]));
    text += QStringLiteral("; names cut to %1 characters: %2").arg(kMaxNameLength).arg(cut.join(QStringLiteral(", ")));
  }
  summary_->setText(text + '.');
}

void ImportDialog::columnChosen(int column) {
  column_ = column;
  showPreview();
}

// A role taken from another column leaves that column out.
void ImportDialog::roleChosen(int index) {
  if (column_ >= static_cast<int>(options_.roles.size())) return;
  const int role = RoleOfIndex(index);
  if (role != kLeftOutColumn)
    for (int& other : options_.roles)
      if (other == role) other = kLeftOutColumn;
  options_.roles[static_cast<size_t>(column_)] = role;
  read();
}

std::optional<TextImport> ShowImportDialog(QWidget* owner, const std::string& path, std::string text) {
  ImportDialog dialog(QFileInfo(QFile::decodeName(path.c_str())).fileName(), std::move(text), owner);
  dialog.adjustSize();
  PlaceDialog(&dialog, MainWindowOf(owner));
  if (dialog.exec() != QDialog::Accepted || !dialog.reading().error.empty()) return std::nullopt;
  return dialog.reading();
}

}  // namespace rv

#include "files/ui/import_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include "files/delimited_text.h"
#include "files/text_lines.h"
#include "files/ui/import_preview_model.h"
#include "regress/y_uncertainty.h"
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

constexpr struct {
  const char* label;
  ThousandsSeparator separator;
} kThousands[] = {{"None", ThousandsSeparator::None},
                  {"Comma (1,000)", ThousandsSeparator::Comma},
                  {"Point (1.000)", ThousandsSeparator::Point},
                  {"Apostrophe (1'000)", ThousandsSeparator::Apostrophe},
                  {"Thin space (1\u2009000)", ThousandsSeparator::ThinSpace}};

constexpr TextEncoding kEncodings[] = {TextEncoding::Utf8, TextEncoding::Windows1252, TextEncoding::Latin1,
                                       TextEncoding::Utf16LittleEndian, TextEncoding::Utf16BigEndian};

constexpr int kWatchMilliseconds = 50;
// The text's first lines show this many at once, with room for the list's
// frame; the preview table and the summary below it are at least this large.
constexpr int kShownLines = 6;
constexpr int kLinesFrame = 8;
constexpr QSize kPreviewMinimumSize(560, 200);
constexpr int kSummaryMinimumHeight = 36;
constexpr qsizetype kListedCharacters = 120;

// The role box lists Y, X1 ... X16, "\u03c3 of Y" (which goes to X16 and
// weights the sheet's fits by it), then "left out".
constexpr int kSigmaOfYIndex = kSheetColumns;
constexpr int kLeftOutIndex = kSheetColumns + 1;
int RoleOfIndex(int index) {
  if (index == kSigmaOfYIndex) return kSigmaColumn;
  return index < kSheetColumns ? index : kLeftOutColumn;
}
int IndexOfRole(int role, bool sigmaOfY) {
  if (role == kSigmaColumn && sigmaOfY) return kSigmaOfYIndex;
  return role >= 0 && role < kSheetColumns ? role : kLeftOutIndex;
}

// The first of `count` choices that `matches`, else the first.
template <class Matches>
int IndexWhere(size_t count, Matches matches) {
  for (int i = 0; i < static_cast<int>(count); ++i)
    if (matches(i)) return i;
  return 0;
}

QString Text(const std::string& text) { return QString::fromStdString(text); }

QString Rows(int count) { return count == 1 ? QStringLiteral("1 row") : QStringLiteral("%1 rows").arg(count); }

QString Cells(int count) { return count == 1 ? QStringLiteral("1 cell") : QStringLiteral("%1 cells").arg(count); }

QString LineNumbers(const std::vector<int>& lines) {
  QStringList numbers;
  for (size_t i = 0; i < lines.size() && i < 5; ++i) numbers << QString::number(lines[i]);
  if (lines.size() > 5) numbers << QStringLiteral("...");
  return (lines.size() == 1 ? QStringLiteral("line ") : QStringLiteral("lines ")) + numbers.join(QStringLiteral(", "));
}

}  // namespace

ImportDialog::ImportDialog(const QString& fileName, std::string bytes, QWidget* owner)
    : QDialog(owner),
      bytes_(std::move(bytes)),
      detectedEncoding_(DetectTextEncoding(bytes_)),
      textEncoding_(detectedEncoding_) {
  setObjectName(QStringLiteral("ImportDlg"));
  setWindowTitle(QStringLiteral("Import ") + fileName);
  setFont(DialogFont());
  if (DelimiterForPath(fileName.toStdString()) == '\t') separatorHint_ = '\t';

  encoding_ = new QComboBox(this);
  for (TextEncoding encoding : kEncodings) encoding_->addItem(QString::fromLatin1(TextEncodingName(encoding)));
  separator_ = new QComboBox(this);
  for (const auto& choice : kSeparators) separator_->addItem(QString::fromLatin1(choice.label));
  decimal_ = new QComboBox(this);
  decimal_->addItems({QStringLiteral("Point (0.5)"), QStringLiteral("Comma (0,5)")});
  thousands_ = new QComboBox(this);
  for (const auto& choice : kThousands) thousands_->addItem(QString::fromUtf8(choice.label));
  names_ = new QSpinBox(this);
  names_->setRange(0, 1000000);
  names_->setSpecialValueText(QStringLiteral("none"));
  skip_ = new QSpinBox(this);
  skip_->setRange(0, 1000000);
  comment_ = new QLineEdit(this);
  comment_->setMaxLength(4);
  missing_ = new QLineEdit(this);
  lines_ = new QListWidget(this);
  lines_->setObjectName(QStringLiteral("ImportLines"));
  lines_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  lines_->setMaximumHeight(lines_->fontMetrics().height() * kShownLines + kLinesFrame);
  model_ = new ImportPreviewModel(this);
  preview_ = new QTableView(this);
  preview_->setObjectName(QStringLiteral("ImportPreview"));
  preview_->setModel(model_);
  preview_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  preview_->setSelectionBehavior(QAbstractItemView::SelectColumns);
  preview_->setSelectionMode(QAbstractItemView::SingleSelection);
  preview_->setMinimumSize(kPreviewMinimumSize);
  preview_->verticalHeader()->setDefaultSectionSize(preview_->fontMetrics().height() + 4);
  roleLabel_ = new QLabel(this);
  role_ = new QComboBox(this);
  for (int role = 0; role < kSheetColumns; ++role) role_->addItem(Text(RoleName(role)));
  role_->addItem(QString::fromUtf8("\u03c3 of Y"));
  role_->addItem(QStringLiteral("left out"));
  drop_ = new QCheckBox(this);
  keepFirst_ = new QCheckBox(QStringLiteral("&Keep the first %1 rows of a longer text").arg(kMaxSheetRows), this);
  progress_ = new QProgressBar(this);
  progress_->setRange(0, 1000);
  progress_->hide();
  summary_ = new QLabel(this);
  summary_->setObjectName(QStringLiteral("ImportSummary"));
  summary_->setWordWrap(true);
  summary_->setTextFormat(Qt::PlainText);
  summary_->setMinimumHeight(kSummaryMinimumHeight);
  ok_ = new QPushButton(QStringLiteral("OK"), this);
  SetControlId(ok_, kAnswerOk);
  ok_->setDefault(true);
  auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
  SetControlId(cancel, kAnswerCancel);
  watch_ = new QTimer(this);
  watch_->setInterval(kWatchMilliseconds);

  const auto labelFor = [this](const char* text, QWidget* buddy) {
    auto* label = new QLabel(QString::fromLatin1(text), this);
    label->setBuddy(buddy);
    return label;
  };
  // The options in two columns of label and control, row by row.
  const std::pair<const char*, QWidget*> options[] = {{"&Encoding:", encoding_},
                                                      {"&Separator:", separator_},
                                                      {"&Decimal sign:", decimal_},
                                                      {"&Thousands:", thousands_},
                                                      {"&Names in line:", names_},
                                                      {"Skip li&nes below the names:", skip_},
                                                      {"&Comment mark besides #:", comment_},
                                                      {"&Missing values:", missing_}};
  auto* reading = new QGridLayout;
  for (int i = 0; i < static_cast<int>(std::size(options)); ++i) {
    reading->addWidget(labelFor(options[i].first, options[i].second), i / 2, i % 2 * 2);
    reading->addWidget(options[i].second, i / 2, i % 2 * 2 + 1);
  }
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
  layout->addWidget(labelFor("The text's first &lines (click the one that names the columns):", lines_));
  layout->addWidget(lines_);
  layout->addWidget(preview_, 1);
  layout->addLayout(column);
  layout->addWidget(drop_);
  layout->addWidget(keepFirst_);
  layout->addWidget(progress_);
  layout->addWidget(summary_);
  layout->addLayout(buttons);

  decode();
  detect();
  read();
  connect(encoding_, &QComboBox::activated, this, [this](int index) {
    textEncoding_ = kEncodings[index];
    decode();
    detect();
    read();
  });
  // Another separator is another layout: the rest is found anew for it, as
  // the tool finds it for --sep.
  connect(separator_, &QComboBox::activated, this, [this](int index) {
    separatorHint_ = kSeparators[index].separator;
    detect();
    read();
  });
  connect(decimal_, &QComboBox::activated, this, [this](int index) {
    options_.number.decimal = index == 1 ? DecimalSign::Comma : DecimalSign::Point;
    numberFormatChosen();
  });
  connect(thousands_, &QComboBox::activated, this, [this](int index) {
    options_.number.thousands = kThousands[index].separator;
    // One mark cannot be both: the decimal sign gives way.
    if (options_.number.thousands == ThousandsSeparator::Comma) options_.number.decimal = DecimalSign::Point;
    if (options_.number.thousands == ThousandsSeparator::Point) options_.number.decimal = DecimalSign::Comma;
    numberFormatChosen();
  });
  connect(names_, &QSpinBox::valueChanged, this, [this](int line) {
    options_.namesLine = line;
    splittingChanged();
  });
  connect(lines_, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { names_->setValue(item->data(Qt::UserRole).toInt()); });
  connect(skip_, &QSpinBox::valueChanged, this, [this](int lines) {
    options_.skipLines = lines;
    splittingChanged();
  });
  connect(comment_, &QLineEdit::editingFinished, this, [this] {
    if (comment_->text().toStdString() == options_.commentMark) return;
    separatorHint_ = options_.separator;
    detect();
    read();
  });
  connect(missing_, &QLineEdit::editingFinished, this, [this] {
    const std::vector<std::string> markers = MissingMarkersFromText(missing_->text().toStdString());
    if (markers == options_.missingMarkers) return;
    options_.missingMarkers = markers;
    read();
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
  connect(preview_, &QTableView::clicked, this, [this](const QModelIndex& index) { columnChosen(index.column()); });
  connect(role_, &QComboBox::activated, this, &ImportDialog::roleChosen);
  connect(watch_, &QTimer::timeout, this, &ImportDialog::watchReading);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

ImportDialog::~ImportDialog() { stopReading(); }

std::string_view ImportDialog::text() const {
  if (!textInBytes_) return decoded_;
  return std::string_view(bytes_).substr(ByteOrderMarkLength(bytes_, textEncoding_));
}

// Valid UTF-8 is read where it lies, not copied; any other text is decoded
// once for each encoding chosen.
void ImportDialog::decode() {
  stopReading();
  textInBytes_ = textEncoding_ == TextEncoding::Utf8 && IsValidUtf8(bytes_);
  decoded_ = textInBytes_ ? std::string() : DecodeText(bytes_, textEncoding_);
  listLines();
}

void ImportDialog::detect() {
  options_ = DetectTextImportOptions(text(), {separatorHint_, comment_->text().toStdString()});
  column_ = 0;
  showOptions();
}

void ImportDialog::showOptions() {
  const QSignalBlocker blockNames(names_), blockSkip(skip_), blockDrop(drop_), blockKeep(keepFirst_);
  encoding_->setCurrentIndex(IndexWhere(std::size(kEncodings), [&](int i) { return kEncodings[i] == textEncoding_; }));
  separator_->setCurrentIndex(
      IndexWhere(std::size(kSeparators), [&](int i) { return kSeparators[i].separator == options_.separator; }));
  decimal_->setCurrentIndex(options_.number.decimal == DecimalSign::Comma ? 1 : 0);
  thousands_->setCurrentIndex(
      IndexWhere(std::size(kThousands), [&](int i) { return kThousands[i].separator == options_.number.thousands; }));
  names_->setValue(options_.namesLine);
  skip_->setValue(options_.skipLines);
  comment_->setText(Text(options_.commentMark));
  missing_->setText(Text(MissingMarkersText(options_.missingMarkers)));
  drop_->setChecked(options_.dropIncomplete);
  keepFirst_->setChecked(options_.keepFirstRows);
}

void ImportDialog::listLines() {
  lines_->clear();
  TextLines lines(text());
  for (TextLine line; lines_->count() < kListedLines && lines.next(line);) {
    const QString shown =
        QString::fromUtf8(line.text.data(),
                          std::min<qsizetype>(static_cast<qsizetype>(line.text.size()), kListedCharacters * 4))
            .left(kListedCharacters)
            .replace('\t', QStringLiteral(" \u2192 "));
    auto* item = new QListWidgetItem(QStringLiteral("%1  %2").arg(line.number, 3).arg(shown), lines_);
    item->setData(Qt::UserRole, line.number);
  }
}

void ImportDialog::splittingChanged() {
  options_.roles.clear();
  column_ = 0;
  read();
}

// The user said how the numbers are written: what was in doubt no longer is.
void ImportDialog::numberFormatChosen() {
  options_.undecidedNumber.clear();
  showOptions();
  read();
}

void ImportDialog::read() {
  stopReading();
  if (text().size() < kBackgroundBytes) {
    reading_ = ImportText(text(), options_, kPreviewRows);
    readingDone();
    return;
  }
  workerProgress_ = std::make_unique<TextImportProgress>();
  workerReading_ = std::make_unique<TextImport>();
  workerDone_ = false;
  worker_ = std::jthread(
      [this, text = text(), options = options_, progress = workerProgress_.get(), into = workerReading_.get()] {
        *into = ImportText(text, options, kPreviewRows, progress);
        workerDone_ = true;
      });
  ok_->setEnabled(false);
  progress_->setValue(0);
  progress_->show();
  summary_->setText(QStringLiteral("Reading the text..."));
  watch_->start();
}

void ImportDialog::stopReading() {
  if (!worker_.joinable()) return;
  workerProgress_->stop = true;
  worker_.join();
  watch_->stop();
  progress_->hide();
}

void ImportDialog::watchReading() {
  const size_t whole = std::max<size_t>(1, 2 * text().size());
  progress_->setValue(static_cast<int>(workerProgress_->done * progress_->maximum() / whole));
  if (!workerDone_) return;
  worker_.join();
  watch_->stop();
  progress_->hide();
  reading_ = std::move(*workerReading_);
  readingDone();
}

void ImportDialog::readingDone() {
  // The roles as read become the ones the user changes from.
  if (!reading_.roles.empty()) options_.roles = reading_.roles;
  showPreview();
  showSummary();
}

void ImportDialog::showPreview() {
  model_->show(&reading_);
  const int columns = model_->columnCount();
  column_ = std::clamp(column_, 0, std::max(0, columns - 1));
  roleLabel_->setText(QStringLiteral("Column %1 is:").arg(column_ + 1));
  role_->setEnabled(columns > 0);
  if (columns > 0)
    role_->setCurrentIndex(IndexOfRole(reading_.roles[static_cast<size_t>(column_)], reading_.weightedBySigma));
  for (int i = 0; i < lines_->count(); ++i)
    lines_->item(i)->setSelected(lines_->item(i)->data(Qt::UserRole).toInt() == options_.namesLine);
}

void ImportDialog::showSummary() {
  drop_->setText(QStringLiteral("D&rop rows with an empty or missing cell among the chosen columns (%1)")
                     .arg(Rows(reading_.rowsIncomplete)));
  keepFirst_->setEnabled(reading_.rowsBeyond > 0 || options_.keepFirstRows);
  ok_->setEnabled(reading_.error.empty());
  QString text;
  if (textEncoding_ == detectedEncoding_ && textEncoding_ != TextEncoding::Utf8)
    text =
        QStringLiteral("Read as %1: the text is not UTF-8. ").arg(QString::fromLatin1(TextEncodingName(textEncoding_)));
  if (!reading_.error.empty()) {
    QString advice = QStringLiteral(".");
    if (reading_.fault == TextImportFault::TooManyRows) advice = QStringLiteral(". Keep the first rows, or cancel.");
    if (reading_.fault == TextImportFault::UndecidedNumber)
      advice = QStringLiteral(". Choose the decimal sign or the thousands separator the text uses.");
    if (reading_.fault == TextImportFault::ShortRow)
      advice = QStringLiteral(". Drop such rows, or choose another separator.");
    summary_->setText(text + QStringLiteral("The text cannot be read: ") + Text(reading_.error) + advice);
    return;
  }
  text += Rows(reading_.rowsRead) + QStringLiteral(" will be read");
  if (reading_.rowsDropped > 0)
    text += QStringLiteral("; %1 with an empty cell dropped").arg(Rows(reading_.rowsDropped));
  if (reading_.rowsBeyond > 0) text += QStringLiteral("; the %1 after them left out").arg(Rows(reading_.rowsBeyond));
  if (reading_.missingCells > 0 && !NamesProgramColumns(reading_.headings))
    text += QStringLiteral("; %1 empty or missing").arg(Cells(reading_.missingCells));
  if (!reading_.skippedNumberLines.empty())
    text += QStringLiteral("; skipped %1 holding numbers").arg(LineNumbers(reading_.skippedNumberLines));
  // Columns the user did not leave out, but for which X1 to X16 had no room.
  const bool full = std::find(reading_.roles.begin(), reading_.roles.end(), kSheetColumns - 1) != reading_.roles.end();
  int leftOut = 0;
  for (int c = 0; full && c < reading_.usedColumns && c < static_cast<int>(reading_.roles.size()); ++c)
    leftOut += reading_.roles[static_cast<size_t>(c)] == kLeftOutColumn ? 1 : 0;
  if (leftOut > 0)
    text += QStringLiteral("; %1 left out, as X1 to X16 are taken")
                .arg(leftOut == 1 ? QStringLiteral("1 column") : QStringLiteral("%1 columns").arg(leftOut));
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

void ImportDialog::roleChosen(int index) {
  if (column_ >= static_cast<int>(options_.roles.size())) return;
  const bool wasSigma = options_.sigmaOfY && options_.roles[static_cast<size_t>(column_)] == kSigmaColumn;
  options_.roles = ChooseColumnRole(options_.roles, column_, RoleOfIndex(index));
  if (index == kSigmaOfYIndex) options_.sigmaOfY = true;
  else if (wasSigma || RoleOfIndex(index) == kSigmaColumn) options_.sigmaOfY = false;
  read();
}

std::optional<TextImport> ShowImportDialog(QWidget* owner, const std::string& path, std::string bytes) {
  ImportDialog dialog(QFileInfo(QFile::decodeName(path.c_str())).fileName(), std::move(bytes), owner);
  dialog.adjustSize();
  PlaceDialog(&dialog, MainWindowOf(owner));
  if (dialog.exec() != QDialog::Accepted || !dialog.reading().error.empty()) return std::nullopt;
  return dialog.reading();
}

}  // namespace rv

#include "widgets/print_settings_controls.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QRadioButton>
#include <algorithm>
#include <climits>
#include <qdrawutil.h>

#include "widgets/control_id.h"
#include "widgets/message_dialog.h"
#include "widgets/resource_pictures.h"
#include "widgets/up_down_edit.h"

namespace rv {

namespace {

constexpr int kCaptionStripHeight = 18;
constexpr QSize kOrientationPictureSize(32, 32);

QListWidget* ChoiceList(int id, QWidget* dialog) {
  auto* list = new QListWidget(dialog);
  SetControlId(list, id);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  list->setUniformItemSizes(true);
  return list;
}

// The lists sort as the system's sorted list boxes do: case aside.
void FillSorted(QListWidget* list, QStringList entries) {
  std::stable_sort(entries.begin(), entries.end(),
                   [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
  const QSignalBlocker blocker(list);
  list->clear();
  list->addItems(entries);
}

void SelectRow(QListWidget* list, int row) {
  if (list->count() == 0) return;
  list->setCurrentRow(std::max(row, 0));
  list->scrollToItem(list->currentItem(), QAbstractItemView::PositionAtTop);
}

// The list selects its last selected entry again whenever its selection
// empties.
void KeepOneSelected(QListWidget* list) {
  QObject::connect(list, &QListWidget::itemSelectionChanged, list, [list] {
    const QList<QListWidgetItem*> selected = list->selectedItems();
    if (!selected.isEmpty()) {
      list->setProperty("keptRow", list->row(selected.first()));
      return;
    }
    const int row = list->property("keptRow").isValid() ? list->property("keptRow").toInt() : -1;
    if (row >= 0 && row < list->count()) list->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
  });
}

QString SelectedText(const QListWidget* list) {
  const QList<QListWidgetItem*> selected = list->selectedItems();
  return selected.isEmpty() ? QString() : selected.first()->text();
}

}  // namespace

PrintSettingsControls::PrintSettingsControls(const PrintControlSetup& setup, QWidget* dialog)
    : QObject(dialog),
      printers_(ChoiceList(setup.printers, dialog)),
      fonts_(ChoiceList(setup.fonts, dialog)),
      fontSize_(new UpDownEdit(setup.fontSize, setup.fontSizeUpDown, setup.minFontSize, setup.maxFontSize, dialog)),
      copies_(new UpDownEdit(setup.copies, setup.copiesUpDown, setup.minCopies, setup.maxCopies, dialog)),
      portrait_(new QRadioButton(QStringLiteral("Por&trait"), dialog)),
      landscape_(new QRadioButton(QStringLiteral("&Landscape"), dialog)),
      paper_(new QComboBox(dialog)),
      minFontSize_(setup.minFontSize),
      maxFontSize_(setup.maxFontSize) {
  fontSize_->acceptOnlyTheRange();
  KeepOneSelected(printers_);
  KeepOneSelected(fonts_);
  SetControlId(paper_, setup.paper);
  SetControlId(portrait_, setup.portrait);
  SetControlId(landscape_, setup.landscape);
  portrait_->setChecked(true);
  connect(printers_, &QListWidget::currentTextChanged, this, &PrintSettingsControls::printerSelected);
  connect(landscape_, &QRadioButton::toggled, this, &PrintSettingsControls::orientationChanged);
}

void PrintSettingsControls::place(const PrintControlPlaces& places) {
  printers_->setGeometry(places.printers);
  fonts_->setGeometry(places.fonts);
  fontSize_->setGeometry(places.fontSize);
  copies_->setGeometry(places.copies);
  portrait_->setGeometry(places.portrait);
  landscape_->setGeometry(places.landscape);
  paper_->setGeometry(places.paper);
}

void PrintSettingsControls::setPrinters(QStringList names, const QString& current) {
  FillSorted(printers_, std::move(names));
  int row = 0;
  for (int i = 0; i < printers_->count(); ++i)
    if (printers_->item(i)->text().startsWith(current, Qt::CaseInsensitive)) {
      row = i;
      break;
    }
  SelectRow(printers_, row);
}

void PrintSettingsControls::setFonts(QStringList faces, const QString& current) {
  FillSorted(fonts_, std::move(faces));
  int row = 0;
  for (int i = 0; i < fonts_->count(); ++i)
    if (fonts_->item(i)->text().compare(current, Qt::CaseInsensitive) == 0) {
      row = i;
      break;
    }
  SelectRow(fonts_, row);
}

void PrintSettingsControls::setFontSize(int size) { fontSize_->setValue(size); }

void PrintSettingsControls::setPapers(const std::vector<std::string>& names, const std::string& current) {
  paper_->clear();
  paper_->addItem(QStringLiteral("Default"), QString());
  for (const std::string& name : names) paper_->addItem(QString::fromStdString(name), QString::fromStdString(name));
  paper_->setCurrentIndex(std::max(0, paper_->findData(QString::fromStdString(current))));
}

QString PrintSettingsControls::paper() const { return paper_->currentData().toString(); }

bool PrintSettingsControls::refuseFontSize(QWidget* owner) const {
  bool number = false;
  const int size = fontSizeText().trimmed().toInt(&number);
  if (number && size >= minFontSize_ && size <= maxFontSize_) return false;
  ShowMessage(QStringLiteral("Type a Font Size from %1 to %2.").arg(minFontSize_).arg(maxFontSize_), owner,
              MessageKind::Information);
  fontSize_->edit()->setFocus();
  fontSize_->edit()->selectAll();
  return true;
}

void PrintSettingsControls::setCopies(int copies) { copies_->setValue(copies); }

void PrintSettingsControls::setLandscape(bool landscape) { (landscape ? landscape_ : portrait_)->setChecked(true); }

QString PrintSettingsControls::selectedPrinter() const { return SelectedText(printers_); }

QString PrintSettingsControls::selectedFont() const { return SelectedText(fonts_); }

QString PrintSettingsControls::fontSizeText() const { return fontSize_->text(); }

QString PrintSettingsControls::copiesText() const { return copies_->text(); }

int PrintSettingsControls::typedFontSize() const { return ClampedDecimal(fontSizeText(), 0, INT_MAX); }

int PrintSettingsControls::typedCopies() const { return ClampedDecimal(copiesText(), 0, INT_MAX); }

bool PrintSettingsControls::landscape() const { return landscape_->isChecked(); }

QPixmap PrintSettingsControls::orientationPicture() const {
  return ResourcePicture(landscape() ? QStringLiteral("LAND") : QStringLiteral("PORT"), kOrientationPictureSize);
}

void PaintCaptionPanel(QPainter& painter, const QPalette& palette, const QRect& panel, const QString& caption) {
  qDrawWinPanel(&painter, panel, palette, true);
  const QRect strip(panel.left() + 2, panel.top() + 2, panel.width() - 4, kCaptionStripHeight);
  painter.fillRect(strip, Qt::white);
  painter.setPen(Qt::black);
  painter.drawText(strip.adjusted(2, 1, 0, 0), Qt::AlignLeft | Qt::AlignTop, caption);
  painter.drawLine(strip.left(), strip.bottom(), strip.right(), strip.bottom());
}

}  // namespace rv

#pragma once

#include <QObject>
#include <QPixmap>
#include <QStringList>

class QListWidget;
class QPainter;
class QPalette;
class QRadioButton;
class QRect;
class QWidget;

namespace rv {

class UpDownEdit;

// The control ids of one dialog's print controls, and the ranges of its
// up-downs.
struct PrintControlSetup {
  int printers;
  int fonts;
  int fontSize;
  int fontSizeUpDown;
  int copies;
  int copiesUpDown;
  int portrait;
  int landscape;
  int minFontSize, maxFontSize;
  int minCopies, maxCopies;
};

// The controls with which a dialog chooses where and how to print: the
// printer list, the font list, the font size and copies boxes with their
// up-downs, and the Portrait and Landscape buttons. They
// are created in the dialog, which places them; the boxes read as typed.
class PrintSettingsControls : public QObject {
  Q_OBJECT
 public:
  PrintSettingsControls(const PrintControlSetup& setup, QWidget* dialog);

  QListWidget* printerList() const { return printers_; }
  QListWidget* fontList() const { return fonts_; }
  UpDownEdit* fontSizeBox() const { return fontSize_; }
  UpDownEdit* copiesBox() const { return copies_; }
  QRadioButton* portraitButton() const { return portrait_; }
  QRadioButton* landscapeButton() const { return landscape_; }

  // The names sorted, case aside; the first one that starts with current
  // (case aside) is selected and scrolled to the top, else the first.
  void setPrinters(QStringList names, const QString& current);
  // The faces sorted, case aside; current is selected, else the first.
  void setFonts(QStringList faces, const QString& current);
  void setFontSize(int size);
  void setCopies(int copies);
  void setLandscape(bool landscape);

  // Empty when the list has no selection.
  QString selectedPrinter() const;
  QString selectedFont() const;
  QString fontSizeText() const;
  QString copiesText() const;
  // The numbers typed in the boxes, 0 for a text that is not one; the owner
  // keeps them within its bounds.
  int typedFontSize() const;
  int typedCopies() const;
  bool landscape() const;

  // "PORT" or "LAND", 32 × 32, for the orientation chosen.
  QPixmap orientationPicture() const;

 signals:
  void printerSelected(const QString& name);
  void orientationChanged(bool landscape);

 private:
  QListWidget* printers_;
  QListWidget* fonts_;
  UpDownEdit* fontSize_;
  UpDownEdit* copies_;
  QRadioButton* portrait_;
  QRadioButton* landscape_;
};

// A sunken panel whose top strip is white with the caption at its left and
// a rule under it, as the print settings are grouped.
void PaintCaptionPanel(QPainter& painter, const QPalette& palette, const QRect& panel, const QString& caption);

}  // namespace rv

#pragma once

#include <QObject>
#include <QPixmap>
#include <QRect>
#include <QStringList>
#include <string>
#include <vector>

class QComboBox;
class QListWidget;
class QPainter;
class QPalette;
class QRadioButton;
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
  int paper;
  int minFontSize, maxFontSize;
  int minCopies, maxCopies;
};

// Where a dialog puts each of its print controls, in its own coordinates.
struct PrintControlPlaces {
  QRect printers;
  QRect fonts;
  QRect fontSize;
  QRect copies;
  QRect portrait;
  QRect landscape;
  QRect paper;
};

// The controls with which a dialog chooses where and how to print: the
// printer list, the font list, the font size and copies boxes with their
// up-downs, the Portrait and Landscape buttons and the paper. They are
// created in the dialog, which places them; the boxes read as typed. Each
// list keeps an entry selected once it has one: a click on its empty part
// or a Ctrl+click on the selected entry leaves the selection where it was,
// so the dialog never describes a printer other than the one it prints on.
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
  QComboBox* paperBox() const { return paper_; }

  void place(const PrintControlPlaces& places);

  // The names sorted, case aside; the first one that starts with current
  // (case aside) is selected and scrolled to the top, else the first.
  void setPrinters(QStringList names, const QString& current);
  // The faces sorted, case aside; current is selected, else the first.
  void setFonts(QStringList faces, const QString& current);
  void setFontSize(int size);
  void setCopies(int copies);
  void setLandscape(bool landscape);
  // "Default" (the printer's own paper) first, then the papers by name;
  // current is selected, else "Default".
  void setPapers(const std::vector<std::string>& names, const std::string& current);

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
  // The paper chosen, empty for "Default".
  QString paper() const;
  // Whether the typed font size cannot be printed with (empty, or a
  // number out of the up-down's range): then says so over owner and puts
  // the focus in the box.
  bool refuseFontSize(QWidget* owner) const;

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
  QComboBox* paper_;
  int minFontSize_;
  int maxFontSize_;
};

// A sunken panel whose top strip is white with the caption at its left and
// a rule under it, as the print settings are grouped.
void PaintCaptionPanel(QPainter& painter, const QPalette& palette, const QRect& panel, const QString& caption);

}  // namespace rv

#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace rv {

// An edit box with an up-down control beside it. The arrows (and the Up and
// Down keys in the box) step the number within the range; typing is free, so
// the owner decides what a typed number outside the range or a text that is
// not a number means when it reads the box.
class UpDownEdit : public QWidget {
  Q_OBJECT
 public:
  UpDownEdit(int editId, int upDownId, int minimum, int maximum, QWidget* parent = nullptr);

  QLineEdit* edit() const { return edit_; }
  QString text() const;
  void setValue(int value);
  void stepBy(int steps);
  // From now on the box takes only digits that can still make a number of
  // the range; a number left below the range (a lone "1" of 2 … 48) is
  // raised to its start when the box is left.
  void acceptOnlyTheRange();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLineEdit* edit_;
  QWidget* arrows_;
  int minimum_;
  int maximum_;
};

// A box's text read as a decimal number: blanks around it are allowed, any
// other text reads as 0; the number is then kept within minimum … maximum.
int ClampedDecimal(const QString& text, int minimum, int maximum);

}  // namespace rv

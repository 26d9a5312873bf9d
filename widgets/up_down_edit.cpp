#include "widgets/up_down_edit.h"

#include <QHBoxLayout>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "widgets/control_id.h"

namespace rv {

namespace {

// The up and down arrows stand one above the other beside the box.
constexpr QSize kArrowButtonSize(16, 10);

// Digits only, no more of them than the range's end has, and no number
// beyond its end; what is left unfinished is made a number of the range.
class RangeValidator : public QIntValidator {
 public:
  RangeValidator(int minimum, int maximum, QObject* parent) : QIntValidator(minimum, maximum, parent) {}
  State validate(QString& input, int& position) const override {
    for (const QChar c : input)
      if (c < QLatin1Char('0') || c > QLatin1Char('9')) return Invalid;
    if (!input.isEmpty() && input.toLongLong() > top()) return Invalid;
    return QIntValidator::validate(input, position);
  }
  void fixup(QString& input) const override { input = QString::number(ClampedDecimal(input, bottom(), top())); }
};

QToolButton* ArrowButton(Qt::ArrowType arrow, QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setArrowType(arrow);
  button->setAutoRepeat(true);
  button->setFocusPolicy(Qt::NoFocus);
  button->setFixedSize(kArrowButtonSize);
  return button;
}

}  // namespace

UpDownEdit::UpDownEdit(int editId, int upDownId, int minimum, int maximum, QWidget* parent)
    : QWidget(parent), edit_(new QLineEdit(this)), arrows_(new QWidget(this)), minimum_(minimum), maximum_(maximum) {
  SetControlId(edit_, editId);
  SetControlId(arrows_, upDownId);
  auto* up = ArrowButton(Qt::UpArrow, arrows_);
  auto* down = ArrowButton(Qt::DownArrow, arrows_);
  auto* arrowLayout = new QVBoxLayout(arrows_);
  arrowLayout->setContentsMargins(0, 0, 0, 0);
  arrowLayout->setSpacing(0);
  arrowLayout->addWidget(up);
  arrowLayout->addWidget(down);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(edit_);
  layout->addWidget(arrows_);
  setFocusProxy(edit_);
  edit_->installEventFilter(this);
  connect(up, &QToolButton::clicked, this, [this] { stepBy(1); });
  connect(down, &QToolButton::clicked, this, [this] { stepBy(-1); });
}

void UpDownEdit::acceptOnlyTheRange() { edit_->setValidator(new RangeValidator(minimum_, maximum_, edit_)); }

QString UpDownEdit::text() const { return edit_->text(); }

void UpDownEdit::setValue(int value) { edit_->setText(QString::number(value)); }

void UpDownEdit::stepBy(int steps) {
  setValue(qBound(minimum_, ClampedDecimal(edit_->text(), minimum_, maximum_) + steps, maximum_));
}

bool UpDownEdit::eventFilter(QObject* watched, QEvent* event) {
  if (watched == edit_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Up || key == Qt::Key_Down) {
      stepBy(key == Qt::Key_Up ? 1 : -1);
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

int ClampedDecimal(const QString& text, int minimum, int maximum) {
  const QString digits = text.trimmed();
  bool allDigits = !digits.isEmpty();
  for (QChar c : digits) allDigits = allDigits && c >= QLatin1Char('0') && c <= QLatin1Char('9');
  // A long run of digits is a large number, not a failed conversion.
  const qlonglong value = !allDigits ? 0 : digits.size() > 12 ? maximum : digits.toLongLong();
  return static_cast<int>(std::clamp<qlonglong>(value, minimum, maximum));
}

}  // namespace rv

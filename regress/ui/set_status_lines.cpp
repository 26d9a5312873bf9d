#include "regress/ui/set_status_lines.h"

#include <QLabel>

#include "widgets/control_id.h"
#include "widgets/resource_pictures.h"
#include "widgets/tooltips.h"

namespace rv {

namespace {

constexpr int kTextWidth = 60;
constexpr QSize kImageSize(14, 14);

}  // namespace

SetStatusLines::SetStatusLines(QWidget* parent) : QWidget(parent) {
  for (int line = 0; line < kLineCount; ++line) {
    const int y = line * kLineHeight;
    texts_[line] = new QLabel(this);
    texts_[line]->setGeometry(0, y, kTextWidth, kLineHeight);
    SetControlId(texts_[line], kFirstTextId + 2 * line);
    AddTooltip(texts_[line], kTipEquationStatus);
    images_[line] = new QLabel(this);
    images_[line]->setGeometry(kTextWidth, y + (kLineHeight - kImageSize.height()) / 2, kImageSize.width(),
                               kImageSize.height());
    SetControlId(images_[line], kFirstTextId + 2 * line + 1);
    AddTooltip(images_[line], kTipEquationStatus);
  }
  setFixedSize(kTextWidth + kImageSize.width(), kLineCount * kLineHeight);
  clear();
}

void SetStatusLines::clear() {
  for (int line = 0; line < kLineCount; ++line) {
    texts_[line]->clear();
    setChecked(line, false);
  }
  nextLine_ = 0;
}

// A set's name takes the next line; its check mark goes beside the name
// once the set is finished, and the line after it is the next one.
void SetStatusLines::present(const SetEvent& event) {
  if (nextLine_ >= kLineCount) return;
  if (event.finished) {
    setChecked(nextLine_, true);
    ++nextLine_;
  } else {
    texts_[nextLine_]->setText(QStringLiteral("Set %1").arg(EquationSetNumber(event.set)));
  }
}

void SetStatusLines::setChecked(int line, bool checked) {
  checked_[line] = checked;
  images_[line]->setPixmap(ResourcePicture(QString::fromLatin1(checked ? "CHCK" : "BLNK"), kImageSize));
}

QString SetStatusLines::lineText(int line) const { return texts_[line]->text(); }

bool SetStatusLines::lineChecked(int line) const { return checked_[line]; }

}  // namespace rv

#include "graph/ui/variables_panel.h"

#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

#include "widgets/control_id.h"
#include "widgets/tooltips.h"

namespace rv {

namespace {

constexpr int kRowTop = 4;
constexpr int kRowPitch = 24;
constexpr int kBoxHeight = 20;
constexpr int kLabelLeft = 8;
constexpr int kLabelWidth = 36;
constexpr int kNameLeft = 48;
constexpr int kNameWidth = 92;
constexpr int kValueLeft[3] = {148, 236, 324};
constexpr int kValueWidth = 82;
constexpr int kContentWidth = 412;

QLineEdit* EditBox(int id, QRect place, int toolTip, QWidget* parent) {
  auto* box = new QLineEdit(parent);
  SetControlId(box, id);
  box->setGeometry(place);
  AddTooltip(box, toolTip);
  return box;
}

}  // namespace

int VariablesPanel::HelpId(int id) {
  const int first = ValueId(1, kMinimumBox);
  const int last = ValueId(kSheetColumns - 1, kConstantBox);
  if (id < first || id > last) return id;
  const int inRow = (id - LabelId(1)) % 5;
  return inRow >= 2 ? LabelId(1) + inRow : id;
}

VariablesPanel::VariablesPanel(QWidget* parent) : QScrollArea(parent) {
  setObjectName(QStringLiteral("VarsWnd"));
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  auto* rows = new QWidget;
  rows->resize(kContentWidth, kRowTop + kSheetColumns * kRowPitch);
  for (int column = 0; column < kSheetColumns; ++column) {
    const int top = kRowTop + column * kRowPitch;
    auto* label = new QLabel(QString::fromStdString(DefaultColumnName(column)), rows);
    label->setGeometry(kLabelLeft, top, kLabelWidth, kBoxHeight);
    if (column == 0) {
      names_[0] = EditBox(kYNameId, {kNameLeft, top, kNameWidth, kBoxHeight}, kTipYName, rows);
    } else {
      SetControlId(label, LabelId(column));
      names_[static_cast<size_t>(column)] =
          EditBox(NameId(column), {kNameLeft, top, kNameWidth, kBoxHeight}, kTipX1Name, rows);
      for (const ValueBox box : {kMinimumBox, kMaximumBox, kConstantBox})
        values_[static_cast<size_t>(column)][box] =
            EditBox(ValueId(column, box), {kValueLeft[box], top, kValueWidth, kBoxHeight}, kTipGraphValues, rows);
    }
    names_[static_cast<size_t>(column)]->setMaxLength(kMaxNameLength);
  }
  setWidget(rows);
  setFixedSize(kWidth, kHeight);
}

// The scroll area sets its own steps whenever it is laid out.
void VariablesPanel::resizeEvent(QResizeEvent* event) {
  QScrollArea::resizeEvent(event);
  verticalScrollBar()->setSingleStep(kLineStep);
  verticalScrollBar()->setPageStep(kPageStep);
}

}  // namespace rv

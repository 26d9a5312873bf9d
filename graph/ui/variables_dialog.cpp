#include "graph/ui/variables_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "graph/ui/variables_panel.h"
#include "sheet/cell_entry.h"
#include "sheet/graph_range.h"
#include "sheet/value_text.h"
#include "widgets/control_id.h"
#include "widgets/help.h"
#include "widgets/message_dialog.h"
#include "widgets/place_dialog.h"
#include "widgets/program_fonts.h"
#include "widgets/tooltips.h"

namespace rv {

namespace {

// The dialog's layout, in pixels of its client area: the headings over the
// panel's columns, the panel, and a row of controls at the foot.
constexpr QSize kClientSize(436, 294);
constexpr QRect kTitleHeading(152, 4, 258, 16);
constexpr QRect kVariableHeading(8, 24, 48, 16);
constexpr QRect kNameHeading(56, 24, 92, 16);
constexpr QRect kMinimumHeading(152, 24, 82, 16);
constexpr QRect kMaximumHeading(240, 24, 82, 16);
constexpr QRect kConstantHeading(328, 24, 82, 16);
constexpr QPoint kPanelPlace(4, 44);
constexpr QRect kAutoUpdateBox(8, 264, 100, 18);
constexpr QRect kSetButton(116, 262, 76, 22);
constexpr QRect kOkButton(268, 262, 76, 22);
constexpr QRect kCancelButton(352, 262, 76, 22);

// Every digit the value needs to be read back as the same double.
QString ValueText(double value) { return QString::fromStdString(ExactValueText(value)); }

// A box that holds no number is marked until it is edited.
void MarkRefused(QLineEdit* box, bool refused) {
  QPalette palette = box->palette();
  palette.setColor(QPalette::Base, refused ? QColor(255, 208, 208) : QApplication::palette(box).color(QPalette::Base));
  box->setPalette(palette);
  box->setProperty("refused", refused);
}

void Heading(const char* text, QRect place, Qt::Alignment alignment, QWidget* parent) {
  auto* label = new QLabel(QString::fromLatin1(text), parent);
  label->setGeometry(place);
  label->setAlignment(alignment | Qt::AlignVCenter);
}

QPushButton* Button(const char* text, int id, const QRect& place, QWidget* parent) {
  auto* button = new QPushButton(QString::fromLatin1(text), parent);
  SetControlId(button, id);
  button->setGeometry(place);
  return button;
}

}  // namespace

VariablesDialog::VariablesDialog(const DataSheet& sheet, QWidget* parent)
    : QDialog(parent),
      sheet_(sheet),
      panel_(new VariablesPanel(this)),
      autoUpdate_(new QCheckBox(QStringLiteral("Auto Update"), this)) {
  setObjectName(QStringLiteral("VarsDlg"));
  setWindowTitle(QStringLiteral("Variables"));
  setFont(DialogFont());
  resize(kClientSize);
  panel_->move(kPanelPlace);

  // The headings stand over the panel's columns.
  Heading("Graph Variable Values", kTitleHeading, Qt::AlignHCenter, this);
  Heading("Variable", kVariableHeading, Qt::AlignLeft, this);
  Heading("Name", kNameHeading, Qt::AlignLeft, this);
  Heading("Minimum", kMinimumHeading, Qt::AlignLeft, this);
  Heading("Maximum", kMaximumHeading, Qt::AlignLeft, this);
  Heading("Constant", kConstantHeading, Qt::AlignLeft, this);

  SetControlId(autoUpdate_, kAutoUpdateId);
  AddTooltip(autoUpdate_, kTipAutoUpdate);
  autoUpdate_->setGeometry(kAutoUpdateBox);
  QPushButton* set = Button("&Set", kSetId, kSetButton, this);
  AddTooltip(set, kTipSetMinMaxCons);
  set->setAutoDefault(false);
  QPushButton* ok = Button("&OK", kAnswerOk, kOkButton, this);
  ok->setDefault(true);
  QPushButton* cancel = Button("&Cancel", kAnswerCancel, kCancelButton, this);
  cancel->setAutoDefault(false);
  connect(set, &QPushButton::clicked, this, &VariablesDialog::setFromData);
  connect(ok, &QPushButton::clicked, this, &VariablesDialog::acceptIfNumbers);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  for (int variable = 1; variable < kSheetColumns; ++variable)
    for (const auto box : {VariablesPanel::kMinimumBox, VariablesPanel::kMaximumBox, VariablesPanel::kConstantBox}) {
      QLineEdit* edit = panel_->valueBox(variable, box);
      connect(edit, &QLineEdit::textEdited, this, [edit] { MarkRefused(edit, false); });
    }
  InstallContextHelp(this, kVariablesHelpBase, &VariablesPanel::HelpId);
  showSheet();
  panel_->nameBox(0)->setFocus();
}

void VariablesDialog::showValue(int variable, VariablesPanel::ValueBox box, double value) {
  const QString text = ValueText(value);
  panel_->valueBox(variable, box)->setText(text);
  shown_[static_cast<size_t>(variable)][box] = {text, value};
}

void VariablesDialog::showSheet() {
  for (int column = 0; column < kSheetColumns; ++column)
    panel_->nameBox(column)->setText(QString::fromStdString(sheet_.names[column]));
  for (int variable = 1; variable < kSheetColumns; ++variable) {
    showValue(variable, VariablesPanel::kMinimumBox, sheet_.graphMinimum[variable]);
    showValue(variable, VariablesPanel::kMaximumBox, sheet_.graphMaximum[variable]);
    showValue(variable, VariablesPanel::kConstantBox, sheet_.graphConstant[variable]);
  }
  autoUpdate_->setChecked(sheet_.autoUpdate);
}

// A column without data gets three empty boxes.
void VariablesDialog::setFromData() {
  for (int variable = 1; variable < kSheetColumns; ++variable) {
    const GraphRange range = ComputeGraphRange(sheet_.cells, variable);
    showValue(variable, VariablesPanel::kMinimumBox, range.minimum);
    showValue(variable, VariablesPanel::kMaximumBox, range.maximum);
    showValue(variable, VariablesPanel::kConstantBox, range.constant);
  }
}

// A box keeps the value it was shown with until its text changes, so a
// value is never rounded by passing through its text.
std::optional<double> VariablesDialog::valueOf(int variable, VariablesPanel::ValueBox box) const {
  const ShownValue& shown = shown_[static_cast<size_t>(variable)][box];
  const QString text = panel_->valueBox(variable, box)->text();
  if (text == shown.text) return shown.value;
  return ValueFromWholeText(text.toStdString());
}

QLineEdit* VariablesDialog::firstRefusedBox() const {
  for (int variable = 1; variable < kSheetColumns; ++variable)
    for (const auto box : {VariablesPanel::kMinimumBox, VariablesPanel::kMaximumBox, VariablesPanel::kConstantBox})
      if (!valueOf(variable, box)) return panel_->valueBox(variable, box);
  return nullptr;
}

void VariablesDialog::acceptIfNumbers() {
  bool refused = false;
  for (int variable = 1; variable < kSheetColumns; ++variable)
    for (const auto box : {VariablesPanel::kMinimumBox, VariablesPanel::kMaximumBox, VariablesPanel::kConstantBox}) {
      const bool bad = !valueOf(variable, box);
      MarkRefused(panel_->valueBox(variable, box), bad);
      refused = refused || bad;
    }
  if (!refused) {
    accept();
    return;
  }
  QLineEdit* box = firstRefusedBox();
  panel_->ensureWidgetVisible(box);
  box->setFocus();
  box->selectAll();
  QApplication::beep();
}

GraphVariableValues VariablesDialog::values() const {
  GraphVariableValues values;
  for (int column = 0; column < kSheetColumns; ++column)
    values.names[static_cast<size_t>(column)] = panel_->nameBox(column)->text().toStdString();
  values.minimum[0] = values.maximum[0] = values.constant[0] = EmptyValue;
  for (int variable = 1; variable < kSheetColumns; ++variable) {
    const auto slot = static_cast<size_t>(variable);
    values.minimum[slot] = valueOf(variable, VariablesPanel::kMinimumBox).value_or(EmptyValue);
    values.maximum[slot] = valueOf(variable, VariablesPanel::kMaximumBox).value_or(EmptyValue);
    values.constant[slot] = valueOf(variable, VariablesPanel::kConstantBox).value_or(EmptyValue);
  }
  values.autoUpdate = autoUpdate_->isChecked();
  return values;
}

std::optional<GraphVariableValues> ShowVariablesDialog(QWidget* owner, const DataSheet& sheet) {
  VariablesDialog dialog(sheet, owner);
  PlaceDialog(&dialog, MainWindowOf(owner));
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.values();
}

}  // namespace rv

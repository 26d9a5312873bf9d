#include "app/options_equations_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "files/settings_file.h"
#include "widgets/control_id.h"
#include "widgets/program_fonts.h"
#include "widgets/resource_pictures.h"
#include "widgets/up_down_edit.h"

namespace rv {

namespace {

constexpr int kTitle1Id = 201;
constexpr int kTitle2Id = 202;
constexpr int kSetsCaptionId = 203;
constexpr int kFirstSetId = 204;
constexpr int kMaxTermsId = 213;
constexpr int kMaxTermsUpDownId = 214;
constexpr int kMoveSelectionId = 216;
constexpr int kMoveDirectionId = 218;
constexpr int kToolTipsId = 220;
constexpr int kUndoMemoryId = 222;
constexpr int kUndoMemoryUpDownId = 223;
constexpr int kWeightedBySigmaId = 224;
constexpr int kTitleBoxLength = 62;  // one more than is kept

QLabel* Label(const QString& text, const QRect& geometry, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setGeometry(geometry);
  return label;
}

QLineEdit* TitleBox(int id, const QString& title, int y, QWidget* parent) {
  auto* box = new QLineEdit(parent);
  SetControlId(box, id);
  box->setMaxLength(kTitleBoxLength);
  box->setTextMargins(2, 0, 0, 0);
  box->setText(title);
  box->setGeometry(62, y, 366, 20);
  return box;
}

// The data file keeps a title in 61 bytes; a character is never cut in two.
std::string TitleText(const QString& text) {
  QString kept = text.left(kMaxTitleLength);
  while (kept.toUtf8().size() > kMaxTitleLength) kept.chop(1);
  return kept.toStdString();
}

}  // namespace

OptionsEquationsPage::OptionsEquationsPage(const DocumentOptions& options, const ProgramOptions& program,
                                           QWidget* parent)
    : QWidget(parent) {
  setObjectName(QStringLiteral("OptnGen"));
  Label(QStringLiteral("Title 1:"), {10, 12, 50, 16}, this);
  title1_ = TitleBox(kTitle1Id, QString::fromStdString(options.title1), 10, this);
  Label(QStringLiteral("Title 2:"), {10, 38, 50, 16}, this);
  title2_ = TitleBox(kTitle2Id, QString::fromStdString(options.title2), 36, this);

  QLabel* caption = Label(QStringLiteral("Regress Equation Types"), {10, 70, 260, 18}, this);
  caption->setFont(CaptionFont());
  SetControlId(caption, kSetsCaptionId);
  for (int row = 0; row < kSetCount; ++row) {
    const EquationSet set = kEquationSets[static_cast<size_t>(row)];
    const int number = EquationSetNumber(set);
    auto* box = new QCheckBox(this);
    SetControlId(box, kFirstSetId + row);
    box->setAccessibleName(QString::number(number));
    box->setIcon(ResourcePicture(QStringLiteral("EQN%1").arg(number), QSize(224, 16)));
    box->setIconSize(QSize(224, 16));
    box->setGeometry(20, 92 + 24 * row, 260, 20);
    box->setChecked(options.setEnabled[set]);
    sets_[set] = box;
  }

  Label(QStringLiteral("Maximum Terms"), {300, 92, 120, 16}, this);
  maxTerms_ = new UpDownEdit(kMaxTermsId, kMaxTermsUpDownId, kMinMaxTerms, kMaxMaxTerms, this);
  maxTerms_->setGeometry(300, 110, 60, 20);
  maxTerms_->setValue(options.maxTerms);

  moveSelection_ = new QCheckBox(QStringLiteral("Move Selection"), this);
  SetControlId(moveSelection_, kMoveSelectionId);
  moveSelection_->setGeometry(300, 146, 130, 18);
  moveSelection_->setChecked(options.moveSelectionAfterEnter != 0);
  moveDirection_ = new QComboBox(this);
  SetControlId(moveDirection_, kMoveDirectionId);
  moveDirection_->addItems(
      {QStringLiteral("Right"), QStringLiteral("Down"), QStringLiteral("Left"), QStringLiteral("Up")});
  moveDirection_->setGeometry(300, 168, 90, 20);
  if (options.moveSelectionAfterEnter >= 1 && options.moveSelectionAfterEnter <= 4)
    moveDirection_->setCurrentIndex(options.moveSelectionAfterEnter - 1);
  Label(QStringLiteral("After Enter"), {300, 192, 120, 16}, this);

  toolTips_ = new QCheckBox(QStringLiteral("Display Tool Tips"), this);
  SetControlId(toolTips_, kToolTipsId);
  toolTips_->setGeometry(300, 228, 130, 18);
  toolTips_->setChecked(program.showToolTips);

  Label(QStringLiteral("Undo Memory"), {20, 252, 86, 16}, this);
  undoMemory_ = new UpDownEdit(kUndoMemoryId, kUndoMemoryUpDownId, kMinUndoMegabytes, kMaxUndoMegabytes, this);
  undoMemory_->setGeometry(110, 250, 60, 20);
  undoMemory_->setValue(program.undoMegabytes);
  Label(QStringLiteral("MB"), {174, 252, 30, 16}, this);

  weightedBySigma_ = new QCheckBox(QString::fromUtf8("Weight by \u03c3 of Y in X16"), this);
  SetControlId(weightedBySigma_, kWeightedBySigmaId);
  weightedBySigma_->setGeometry(20, 278, 260, 18);
  weightedBySigma_->setChecked(options.weightedBySigma);
}

void OptionsEquationsPage::store(DocumentOptions& options) const {
  options.title1 = TitleText(title1_->text());
  options.title2 = TitleText(title2_->text());
  for (EquationSet set : kEquationSets) options.setEnabled[set] = sets_[set]->isChecked();
  options.moveSelectionAfterEnter = moveSelection_->isChecked() ? moveDirection_->currentIndex() + 1 : 0;
  options.maxTerms = ClampedDecimal(maxTerms_->text(), kMinMaxTerms, kMaxMaxTerms);
  options.weightedBySigma = weightedBySigma_->isChecked();
}

ProgramOptions OptionsEquationsPage::programOptions() const {
  return {toolTips_->isChecked(), ClampedDecimal(undoMemory_->text(), kMinUndoMegabytes, kMaxUndoMegabytes)};
}

void OptionsEquationsPage::focusFirst() { title1_->setFocus(); }

}  // namespace rv

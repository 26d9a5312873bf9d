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

// The page's controls, in pixels of the page: the titles across the top, the
// equation sets down the left and the remaining choices beside and below them.
constexpr QRect kTitle1Label(10, 12, 50, 16);
constexpr QRect kTitle1Box(62, 10, 366, 20);
constexpr QRect kTitle2Label(10, 38, 50, 16);
constexpr QRect kTitle2Box(62, 36, 366, 20);
constexpr QMargins kTitleTextMargins(2, 0, 0, 0);
constexpr QRect kSetsCaption(10, 70, 260, 18);
// One check box per equation set, each kSetPitch below the one before; a
// set's check box shows the picture of its equations.
constexpr QRect kFirstSetBox(20, 92, 260, 20);
constexpr int kSetPitch = 24;
constexpr QSize kSetPictureSize(224, 16);
constexpr QRect kMaxTermsLabel(300, 92, 120, 16);
constexpr QRect kMaxTermsBox(300, 110, 60, 20);
constexpr QRect kMoveSelectionBox(300, 146, 130, 18);
constexpr QRect kMoveDirectionList(300, 168, 90, 20);
constexpr QRect kAfterEnterLabel(300, 192, 120, 16);
constexpr QRect kToolTipsBox(300, 228, 130, 18);
constexpr QRect kUndoMemoryLabel(20, 252, 86, 16);
constexpr QRect kUndoMemoryBox(110, 250, 60, 20);
constexpr QRect kUndoMemoryUnitLabel(174, 252, 30, 16);
constexpr QRect kWeightedBySigmaBox(20, 278, 260, 18);

QLabel* Label(const QString& text, const QRect& place, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setGeometry(place);
  return label;
}

QLineEdit* TitleBox(int id, const QString& title, const QRect& place, QWidget* parent) {
  auto* box = new QLineEdit(parent);
  SetControlId(box, id);
  box->setMaxLength(kTitleBoxLength);
  box->setTextMargins(kTitleTextMargins);
  box->setText(title);
  box->setGeometry(place);
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
  Label(QStringLiteral("Title 1:"), kTitle1Label, this);
  title1_ = TitleBox(kTitle1Id, QString::fromStdString(options.title1), kTitle1Box, this);
  Label(QStringLiteral("Title 2:"), kTitle2Label, this);
  title2_ = TitleBox(kTitle2Id, QString::fromStdString(options.title2), kTitle2Box, this);

  QLabel* caption = Label(QStringLiteral("Regress Equation Types"), kSetsCaption, this);
  caption->setFont(CaptionFont());
  SetControlId(caption, kSetsCaptionId);
  for (int row = 0; row < kSetCount; ++row) {
    const EquationSet set = kEquationSets[static_cast<size_t>(row)];
    const int number = EquationSetNumber(set);
    auto* box = new QCheckBox(this);
    SetControlId(box, kFirstSetId + row);
    box->setAccessibleName(QString::number(number));
    box->setIcon(ResourcePicture(QStringLiteral("EQN%1").arg(number), kSetPictureSize));
    box->setIconSize(kSetPictureSize);
    box->setGeometry(kFirstSetBox.translated(0, kSetPitch * row));
    box->setChecked(options.setEnabled[set]);
    sets_[set] = box;
  }

  Label(QStringLiteral("Maximum Terms"), kMaxTermsLabel, this);
  maxTerms_ = new UpDownEdit(kMaxTermsId, kMaxTermsUpDownId, kMinMaxTerms, kMaxMaxTerms, this);
  maxTerms_->setGeometry(kMaxTermsBox);
  maxTerms_->setValue(options.maxTerms);

  moveSelection_ = new QCheckBox(QStringLiteral("Move Selection"), this);
  SetControlId(moveSelection_, kMoveSelectionId);
  moveSelection_->setGeometry(kMoveSelectionBox);
  moveSelection_->setChecked(options.moveSelectionAfterEnter != 0);
  moveDirection_ = new QComboBox(this);
  SetControlId(moveDirection_, kMoveDirectionId);
  moveDirection_->addItems(
      {QStringLiteral("Right"), QStringLiteral("Down"), QStringLiteral("Left"), QStringLiteral("Up")});
  moveDirection_->setGeometry(kMoveDirectionList);
  if (options.moveSelectionAfterEnter >= 1 && options.moveSelectionAfterEnter <= 4)
    moveDirection_->setCurrentIndex(options.moveSelectionAfterEnter - 1);
  Label(QStringLiteral("After Enter"), kAfterEnterLabel, this);

  toolTips_ = new QCheckBox(QStringLiteral("Display Tool Tips"), this);
  SetControlId(toolTips_, kToolTipsId);
  toolTips_->setGeometry(kToolTipsBox);
  toolTips_->setChecked(program.showToolTips);

  Label(QStringLiteral("Undo Memory"), kUndoMemoryLabel, this);
  undoMemory_ = new UpDownEdit(kUndoMemoryId, kUndoMemoryUpDownId, kMinUndoMegabytes, kMaxUndoMegabytes, this);
  undoMemory_->setGeometry(kUndoMemoryBox);
  undoMemory_->setValue(program.undoMegabytes);
  Label(QStringLiteral("MB"), kUndoMemoryUnitLabel, this);

  weightedBySigma_ = new QCheckBox(QString::fromUtf8("Weight by \u03c3 of Y in X16"), this);
  SetControlId(weightedBySigma_, kWeightedBySigmaId);
  weightedBySigma_->setGeometry(kWeightedBySigmaBox);
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

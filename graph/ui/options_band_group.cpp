#include "graph/ui/options_band_group.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <algorithm>
#include <cmath>

#include "graph/ui/color_button.h"
#include "widgets/control_id.h"
#include "widgets/program_fonts.h"

namespace rv {

namespace {

constexpr int kCaptionId = 334;
constexpr int kShownId = 335;
constexpr int kConfidenceColorId = 336;
constexpr int kPredictionColorId = 337;
constexpr int kLevelId = 338;

// The group is one row, in pixels of the group: its caption, the check box,
// the two bands' colours and the level.
constexpr QRect kCaptionPlace(8, 2, 48, 18);
constexpr QRect kShownBox(60, 4, 90, 16);
constexpr QRect kConfidenceColorButton(154, 4, 86, 16);
constexpr QRect kPredictionColorButton(244, 4, 86, 16);
constexpr QRect kLevelLabel(336, 2, 34, 18);
constexpr QRect kLevelBox(370, 0, 64, 20);

}  // namespace

OptionsBandGroup::OptionsBandGroup(const BandOptions& bands, std::function<std::int32_t()> currentColor,
                                   QWidget* parent)
    : QWidget(parent) {
  auto* caption = new QLabel(QStringLiteral("Bands"), this);
  caption->setFont(CaptionFont());
  caption->setGeometry(kCaptionPlace);
  SetControlId(caption, kCaptionId);

  shown_ = new QCheckBox(QStringLiteral("Show Bands"), this);
  SetControlId(shown_, kShownId);
  shown_->setGeometry(kShownBox);
  shown_->setChecked(bands.shown);

  confidence_ = new ColorButton(QStringLiteral("Conf Band"), kConfidenceColorId, this);
  confidence_->setGeometry(kConfidenceColorButton);
  prediction_ = new ColorButton(QStringLiteral("Pred Band"), kPredictionColorId, this);
  prediction_->setGeometry(kPredictionColorButton);
  for (ColorButton* button : {confidence_, prediction_})
    connect(button, &QAbstractButton::clicked, this, [button, currentColor] { button->setSelection(currentColor()); });
  showColors(bands.confidenceColor, bands.predictionColor);

  auto* label = new QLabel(QStringLiteral("Level"), this);
  label->setGeometry(kLevelLabel);
  level_ = new QDoubleSpinBox(this);
  SetControlId(level_, kLevelId);
  level_->setRange(kMinBandLevel * 100.0, kMaxBandLevel * 100.0);
  level_->setDecimals(1);
  level_->setSingleStep(0.5);
  level_->setSuffix(QStringLiteral(" %"));
  level_->setValue(bands.level * 100.0);
  level_->setGeometry(kLevelBox);
}

void OptionsBandGroup::showColors(std::int32_t confidence, std::int32_t prediction) {
  confidence_->setSelection(confidence);
  prediction_->setSelection(prediction);
}

void OptionsBandGroup::store(BandOptions& bands) const {
  bands.shown = shown_->isChecked();
  bands.confidenceColor = confidence_->selection();
  bands.predictionColor = prediction_->selection();
  // The box shows one decimal of a percentage; a level it did not change
  // keeps its digits.
  const double shownLevel = std::round(bands.level * 1000.0) / 10.0;
  if (level_->value() != shownLevel) bands.level = std::clamp(level_->value() / 100.0, kMinBandLevel, kMaxBandLevel);
}

}  // namespace rv

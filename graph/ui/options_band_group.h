#pragma once

#include <QWidget>
#include <functional>

#include "sheet/band_options.h"

class QCheckBox;
class QDoubleSpinBox;

namespace rv {

class ColorButton;

// The Bands row at the foot of the Options dialog's Graph page: whether a
// curve shows its confidence and prediction bands, their colours and their
// level in percent.
class OptionsBandGroup : public QWidget {
  Q_OBJECT
 public:
  // currentColor gives the colour strip's row when a colour button is pressed.
  OptionsBandGroup(const BandOptions& bands, std::function<std::int32_t()> currentColor, QWidget* parent);

  void showColors(std::int32_t confidence, std::int32_t prediction);
  void store(BandOptions& bands) const;

 private:
  QCheckBox* shown_;
  ColorButton* confidence_;
  ColorButton* prediction_;
  QDoubleSpinBox* level_;
};

}  // namespace rv

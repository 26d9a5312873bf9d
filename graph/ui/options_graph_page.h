#pragma once

#include <QWidget>
#include <array>

#include "graph/graph_options.h"
#include "sheet/document.h"

class QCheckBox;

namespace rv {

class ColorButton;
class ColorStrip;
class OptionsBandGroup;
class UpDownEdit;

// The Graph page of the Options dialog ("OptnGph"): the sixteen graph colour
// buttons, Shade Surface, the bands of a curve, the segment counts of the
// three planes and the colour strip. The strip's row is kept also when the dialog is cancelled.
class OptionsGraphPage : public QWidget {
  Q_OBJECT
 public:
  OptionsGraphPage(const DocumentOptions& options, QWidget* parent);

  void store(DocumentOptions& options) const;

  // The Up and Down keys on the dialog's tab bar move the strip's row.
  void moveColorRow(int step);
  int colorRow() const;

 private:
  void showColors(const GraphOptions& colors);
  void giveCurrentColor(ColorButton* button, GraphColorElement element);

  std::array<ColorButton*, kGraphColorElementCount> colorButtons_{};
  QCheckBox* shadeSurface_;
  OptionsBandGroup* bands_;
  std::array<UpDownEdit*, 3> segments_{};
  ColorStrip* strip_;
};

}  // namespace rv

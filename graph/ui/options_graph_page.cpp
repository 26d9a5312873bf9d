#include "graph/ui/options_graph_page.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include "graph/ui/color_button.h"
#include "graph/ui/color_strip.h"
#include "graph/ui/options_band_group.h"
#include "widgets/control_id.h"
#include "widgets/program_fonts.h"
#include "widgets/up_down_edit.h"

namespace rv {

namespace {

constexpr int kShadeSurfaceId = 309;
constexpr int kDefaultColorsId = 332;
constexpr int kBlackAndWhiteId = 333;

struct ColorButtonPlace {
  GraphColorElement element;
  int id;
  const char* caption;
  QPoint position;
};

// The page's controls, in pixels of the page. The colour buttons of the
// elements are placed by the table below; the planes stand in three columns,
// each with its caption on top and its controls indented under it.
constexpr QSize kCaptionSize(156, 18);
constexpr QSize kColorButtonSize(150, 16);
constexpr QSize kPageButtonSize(104, 24);
constexpr QPoint kGraphCaption(8, 4);
constexpr QPoint kSurfaceCaption(172, 4);
constexpr QRect kShadeSurfaceBox(180, 64, 150, 16);
constexpr int kPlaneColumns[3] = {8, 120, 232};
constexpr int kPlaneIndent = 8;
constexpr int kPlaneCaptionTop = 112;
constexpr QRect kSegmentsLabel(kPlaneIndent, 196, 100, 16);  // from the plane's column
constexpr QRect kSegmentsBox(kPlaneIndent, 214, 60, 20);     // from the plane's column
constexpr QPoint kDefaultColorsButton(8, 252);
constexpr QPoint kBlackAndWhiteButton(120, 252);
constexpr QRect kBandRow(0, 282, 436, 22);

const std::array<ColorButtonPlace, kGraphColorElementCount>& ColorButtonPlaces() {
  static const std::array<ColorButtonPlace, kGraphColorElementCount> places = {{
      {kBackground, 302, "Background", {16, 24}},
      {kBorderOutline, 303, "Border Outline", {16, 44}},
      {kEquationText, 304, "Equation Text", {16, 64}},
      {kCubeEdges, 305, "Cube Edges", {16, 84}},
      {kGrid2DLine, 307, "Grid - 2D Line", {180, 24}},
      {kSolidSurface, 308, "Solid Surface", {180, 44}},
      {kDataPoints, 310, "Data Points", {180, 84}},
      {kBackPlaneGrid, 314, "Grid Lines", {kPlaneColumns[0] + kPlaneIndent, 132}},
      {kBackPlaneSurface, 315, "Surface", {kPlaneColumns[0] + kPlaneIndent, 152}},
      {kXLabels, 316, "X Labels", {kPlaneColumns[0] + kPlaneIndent, 172}},
      {kBottomPlaneGrid, 320, "Grid Lines", {kPlaneColumns[1] + kPlaneIndent, 132}},
      {kBottomPlaneSurface, 321, "Surface", {kPlaneColumns[1] + kPlaneIndent, 152}},
      {kYLabels, 322, "Y Labels", {kPlaneColumns[1] + kPlaneIndent, 172}},
      {kRightPlaneGrid, 326, "Grid Lines", {kPlaneColumns[2] + kPlaneIndent, 132}},
      {kRightPlaneSurface, 327, "Surface", {kPlaneColumns[2] + kPlaneIndent, 152}},
      {kZLabels, 328, "Z Labels", {kPlaneColumns[2] + kPlaneIndent, 172}},
  }};
  return places;
}

struct PlaneDef {
  int captionId;
  const char* caption;
  int segmentsId;
  const char* segmentsLabel;
};

constexpr PlaneDef kPlanes[3] = {{311, "X-Y Back Plane", 312, "X Segments"},
                                 {317, "X-Z Bottom Plane", 318, "Y Segments"},
                                 {323, "Y-Z Right Plane", 324, "Z Segments"}};

QLabel* Caption(int id, const char* text, QPoint position, QWidget* parent) {
  auto* label = new QLabel(QString::fromLatin1(text), parent);
  label->setFont(CaptionFont());
  label->setGeometry(QRect(position, kCaptionSize));
  SetControlId(label, id);
  return label;
}

QPushButton* PageButton(int id, const char* text, QPoint position, QWidget* parent) {
  auto* button = new QPushButton(QString::fromLatin1(text), parent);
  SetControlId(button, id);
  button->setAutoDefault(false);
  button->setGeometry(QRect(position, kPageButtonSize));
  return button;
}

}  // namespace

OptionsGraphPage::OptionsGraphPage(const DocumentOptions& options, QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("OptnGph"));
  Caption(301, "Graph Options and Colors", kGraphCaption, this);
  Caption(306, "Equation Surface", kSurfaceCaption, this);
  for (const ColorButtonPlace& spec : ColorButtonPlaces()) {
    auto* button = new ColorButton(QString::fromLatin1(spec.caption), spec.id, this);
    button->setGeometry(QRect(spec.position, kColorButtonSize));
    connect(button, &QAbstractButton::clicked, this,
            [this, button, element = spec.element] { giveCurrentColor(button, element); });
    colorButtons_[spec.element] = button;
  }
  shadeSurface_ = new QCheckBox(QStringLiteral("Shade Surface"), this);
  SetControlId(shadeSurface_, kShadeSurfaceId);
  shadeSurface_->setGeometry(kShadeSurfaceBox);
  bands_ = new OptionsBandGroup(
      options.bands, [this] { return strip_->currentRow(); }, this);
  bands_->setGeometry(kBandRow);

  for (int plane = 0; plane < 3; ++plane) {
    const PlaneDef& spec = kPlanes[plane];
    const int x = kPlaneColumns[plane];
    Caption(spec.captionId, spec.caption, {x, kPlaneCaptionTop}, this);
    auto* label = new QLabel(QString::fromLatin1(spec.segmentsLabel), this);
    label->setGeometry(kSegmentsLabel.translated(x, 0));
    auto* segments = new UpDownEdit(spec.segmentsId, spec.segmentsId + 1, kMinSegments, kMaxSegments, this);
    segments->setGeometry(kSegmentsBox.translated(x, 0));
    segments->setValue(options.segments[static_cast<size_t>(plane)]);
    segments_[static_cast<size_t>(plane)] = segments;
  }

  connect(PageButton(kDefaultColorsId, "Default Colors", kDefaultColorsButton, this), &QPushButton::clicked, this,
          [this] { showColors(DefaultGraphOptions()); });
  connect(PageButton(kBlackAndWhiteId, "Black and White", kBlackAndWhiteButton, this), &QPushButton::clicked, this,
          [this] { showColors(BlackAndWhiteGraphOptions()); });

  strip_ = new ColorStrip(this);
  strip_->setCurrentRow(options.colorRow);
  showColors(GraphOptionsOf(options));
}

void OptionsGraphPage::showColors(const GraphOptions& colors) {
  for (int element = 0; element < kGraphColorElementCount; ++element)
    colorButtons_[static_cast<size_t>(element)]->setSelection(colors.color(static_cast<GraphColorElement>(element)));
  shadeSurface_->setChecked(colors.shadeSurface);
  bands_->showColors(colors.confidenceBandColor, colors.predictionBandColor);
}

// The background always has a colour: the none row does not apply to it.
void OptionsGraphPage::giveCurrentColor(ColorButton* button, GraphColorElement element) {
  if (element == kBackground && strip_->currentRow() == kNoColor) return;
  button->setSelection(strip_->currentRow());
}

void OptionsGraphPage::moveColorRow(int step) { strip_->setCurrentRow(strip_->currentRow() + step); }

int OptionsGraphPage::colorRow() const { return strip_->currentRow(); }

void OptionsGraphPage::store(DocumentOptions& options) const {
  for (int plane = 0; plane < 3; ++plane)
    options.segments[static_cast<size_t>(plane)] =
        ClampedDecimal(segments_[static_cast<size_t>(plane)]->text(), kMinSegments, kMaxSegments);
  for (int element = 0; element < kGraphColorElementCount; ++element)
    options.graphColors[static_cast<size_t>(element)] = colorButtons_[static_cast<size_t>(element)]->selection();
  options.shadeSurface = shadeSurface_->isChecked();
  bands_->store(options.bands);
  options.colorRow = colorRow();
}

}  // namespace rv

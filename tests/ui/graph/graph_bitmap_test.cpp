#include "graph/ui/graph_bitmap.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <algorithm>

#include "base/graph_palette.h"
#include "graph/ui/equation_text.h"
#include "graph/ui/label_glyphs.h"
#include "graph/ui/vector_picture.h"
#include "regress/y_form.h"
#include "widgets/indexed_image.h"

namespace rv {
namespace {

constexpr std::uint8_t kWhite = 31;

struct Box {
  int left = 1 << 20, top = 1 << 20, right = -1, bottom = -1;
};

// The bounds of the pixels holding index, and whether every other pixel
// is still white.
Box BoundsOf(const FrameBuffer& picture, std::uint8_t index, bool* onlyWhiteElsewhere = nullptr) {
  Box box;
  bool clean = true;
  for (int y = 0; y < picture.height; ++y)
    for (int x = 0; x < picture.width; ++x) {
      const std::uint8_t i = picture.at(x, y);
      if (i == index) {
        box.left = std::min(box.left, x);
        box.right = std::max(box.right, x);
        box.top = std::min(box.top, y);
        box.bottom = std::max(box.bottom, y);
      } else if (i != kWhite) {
        clean = false;
      }
    }
  if (onlyWhiteElsewhere) *onlyWhiteElsewhere = clean;
  return box;
}

TEST(LabelGlyphs, EveryCharacterOfTheFontHasABitmapAndAnAdvance) {
  const GlyphSet glyphs = LabelGlyphs();
  for (int c = kFirstGlyph; c < kFirstGlyph + kGlyphCount; ++c) {
    const GlyphBitmap* glyph = glyphs.find(static_cast<unsigned char>(c));
    ASSERT_NE(glyph, nullptr);
    EXPECT_TRUE(glyph->complete()) << char(c);
    EXPECT_GT(glyph->advance, 0) << char(c);
    EXPECT_GT(glyph->width, 0) << char(c);
    EXPECT_LE(glyph->height, 12) << char(c);  // within the 12-pixel cell
  }
  const GlyphBitmap& one = *glyphs.find('1');
  const GlyphBitmap& w = *glyphs.find('W');
  EXPECT_LT(one.advance, w.advance);
  // Digits and capitals stand on the baseline.
  EXPECT_EQ(glyphs.find('0')->yOrigin, 0);
  EXPECT_EQ(glyphs.find('E')->yOrigin, 0);
  EXPECT_GT(glyphs.find('8')->height, 5);
  EXPECT_EQ(TextWidth(glyphs, "10"), one.advance + glyphs.find('0')->advance);
}

TEST(EquationText, IsCentredBelowTheTopInOneIndexScaledByItsLength) {
  FrameBuffer picture(640, 640, kWhite);
  DrawEquationText(picture, "Y = aX1 + b", 0);
  bool clean = false;
  const Box shortText = BoundsOf(picture, 0, &clean);
  EXPECT_TRUE(clean);  // no antialiased shades: only the one index
  EXPECT_GE(shortText.top, 20);
  EXPECT_LE(shortText.bottom, 20 + 32);
  EXPECT_NEAR((shortText.left + shortText.right) / 2.0, 320, 4);

  // 1280 / 64 characters: a cell of 20 pixels instead of 32.
  FrameBuffer longer(640, 640, kWhite);
  const std::string text = "ln(Y) = a ln(X1) + b ln(X2) + c ln(X3) + d sqr(X4) + e X5 X6 + f";
  ASSERT_EQ(text.size(), 64u);
  DrawEquationText(longer, text, 0);
  const Box longText = BoundsOf(longer, 0);
  EXPECT_GE(longText.top, 20);
  EXPECT_LE(longText.bottom, 20 + 20);
  EXPECT_LT(longText.bottom - longText.top, shortText.bottom - shortText.top);

  FrameBuffer untouched(64, 64, kWhite);
  DrawEquationText(untouched, "", 0);
  for (const std::uint8_t i : untouched.pixels) ASSERT_EQ(i, kWhite);
}

// Y = aX1 + b with a = 1 and b = 0.
FitWorkspace LineEquation() {
  FitWorkspace ws;
  ws.candidate.set = EquationSet::Y;
  ws.candidate.add({kTermX, 1, 0});
  ws.constantColumn = 1;
  ws.coefficients[0] = 1.0;
  ws.text = "Y = aX1 + b";
  return ws;
}

// Every part of the graph switched off but its background.
GraphOptions BackgroundOnly() {
  GraphOptions options;
  options.colors.fill(kNoColor);
  options.colors[kBackground] = 1;
  return options;
}

// The line over X1 from 0 to 10, face-on, drawn with these options at size x size.
FrameBuffer RenderLine(const GraphOptions& options, int size = kPictureSize) {
  const FitWorkspace ws = LineEquation();
  DataSheet sheet;
  sheet.autoUpdate = false;
  sheet.graphMinimum[1] = 0.0;
  sheet.graphMaximum[1] = 10.0;
  ViewState view;
  ResetView(view, 1);
  return RenderGraphBitmap(BuildGraphModel(ws, sheet, {1, 1, 1}, {10, 10, 10}).value(), options, LabelGlyphs(), view,
                           ws.text, size);
}

TEST(GraphBitmap, DrawsTheEquationTextThenTheBorderOverThePicture) {
  GraphOptions options = BackgroundOnly();
  const FrameBuffer blank = RenderLine(options);
  for (const std::uint8_t i : blank.pixels) ASSERT_EQ(i, kWhite);

  options.colors[kEquationText] = 12;  // blue
  options.colors[kBorderOutline] = 5;  // red
  const FrameBuffer picture = RenderLine(options);
  EXPECT_EQ(picture.width, 640);
  EXPECT_EQ(picture.at(0, 0), 63);
  EXPECT_EQ(picture.at(1, 638), 63);
  EXPECT_EQ(picture.at(639, 300), 63);
  EXPECT_EQ(picture.at(2, 300), kWhite);
  const Box text = BoundsOf(picture, 127);
  EXPECT_GE(text.top, 20);
  EXPECT_NEAR((text.left + text.right) / 2.0, 320, 4);
}

TEST(IndexedImage, KeepsTheIndicesWithThePaletteAsColourTable) {
  FrameBuffer picture(5, 3, kWhite);
  picture.at(4, 2) = 191;
  picture.at(0, 1) = 42;
  const QImage image = IndexedImage(picture);
  ASSERT_EQ(image.format(), QImage::Format_Indexed8);
  ASSERT_EQ(image.colorCount(), 256);
  for (int i = 0; i < 256; ++i) EXPECT_EQ(image.color(i), kGraphPalette.argb(i)) << i;

  const QImage back = QImage::fromData(IndexedPng(picture), "PNG");
  ASSERT_EQ(back.format(), QImage::Format_Indexed8);
  ASSERT_EQ(back.size(), QSize(5, 3));
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) EXPECT_EQ(back.color(back.pixelIndex(x, y)), kGraphPalette.argb(picture.at(x, y)));
}

// The height of the topmost run of rows that hold the index: one label's.
int FirstRunHeight(const FrameBuffer& picture, std::uint8_t index) {
  int first = -1;
  for (int y = 0; y < picture.height; ++y) {
    bool holds = false;
    for (int x = 0; x < picture.width && !holds; ++x) holds = picture.at(x, y) == index;
    if (holds && first < 0) first = y;
    if (!holds && first >= 0) return y - first;
  }
  return 0;
}

TEST(GraphBitmap, ALargerPictureLooksLikeTheSmallOneOnlySharper) {
  GraphOptions options = BackgroundOnly();
  options.colors[kYLabels] = 0;
  options.colors[kBorderOutline] = 5;
  const FrameBuffer small = RenderLine(options, 640);
  const FrameBuffer large = RenderLine(options, 2000);
  ASSERT_EQ(large.width, 2000);
  const int smallLabel = FirstRunHeight(small, 0);
  const int largeLabel = FirstRunHeight(large, 0);
  EXPECT_GT(smallLabel, 5);
  EXPECT_GE(largeLabel, 3 * smallLabel) << smallLabel << " and " << largeLabel << " pixels high";
  // The border is two lines of the picture's line width, 3 pixels at 2000.
  EXPECT_EQ(large.at(5, 1000), 63);
  EXPECT_EQ(large.at(6, 1000), kWhite);
  EXPECT_EQ(small.at(1, 320), 63);
  EXPECT_EQ(small.at(2, 320), kWhite);
}

// A surface with shading and every part in its default colour, drawn as
// the indexed picture and as an SVG rendered again: the two show the same
// faces in the same colours nearly everywhere (edges and antialiasing aside).
TEST(GraphSvg, ShowsWhatThePictureShowsInItsColours) {
  FitWorkspace ws;
  ws.candidate.set = EquationSet::Y;
  ws.candidate.add({kTermX, 1, 0});
  ws.candidate.add({kTermX2, 2, 0});
  ws.constantColumn = ws.candidate.termCount;
  ws.coefficients[0] = 2.0;
  ws.coefficients[1] = 0.5;
  ws.coefficients[2] = 1.0;
  ws.text = EquationText(ws.candidate);
  ws.lastFittedOrdinal = 1;
  DataSheet sheet;
  sheet.autoUpdate = false;
  for (const int v : {1, 2}) {
    sheet.graphMinimum[static_cast<size_t>(v)] = 0.0;
    sheet.graphMaximum[static_cast<size_t>(v)] = 10.0;
  }
  const GraphModel model = BuildGraphModel(ws, sheet, {2, 1, 2}, {10, 10, 10}).value();
  const GraphOptions options = DefaultGraphOptions();
  ViewState view;
  ResetView(view, 2);
  const GlyphSet glyphs = LabelGlyphs();
  const QImage raster = IndexedImage(RenderGraphBitmap(model, options, glyphs, view, ws.text), kGraphPalette)
                            .convertToFormat(QImage::Format_RGB32);
  const QByteArray svg = GraphSvg(model, options, glyphs, view, ws.text, kPictureSize);
  EXPECT_TRUE(svg.contains("sans-serif"));
  QSvgRenderer renderer(svg);
  ASSERT_TRUE(renderer.isValid());
  QImage vector(kPictureSize, kPictureSize, QImage::Format_RGB32);
  vector.fill(Qt::black);
  QPainter painter(&vector);
  renderer.render(&painter);
  painter.end();
  int same = 0;
  int probes = 0;
  for (int y = 4; y < kPictureSize; y += 8)
    for (int x = 4; x < kPictureSize; x += 8) {
      const QRgb a = raster.pixel(x, y);
      const QRgb b = vector.pixel(x, y);
      same += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b)) < 48;
      ++probes;
    }
  EXPECT_GT(same, probes * 9 / 10) << same << " of " << probes;
}

}  // namespace
}  // namespace rv

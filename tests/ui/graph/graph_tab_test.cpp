#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QRubberBand>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <algorithm>
#include <set>

#include "base/graph_palette.h"
#include "graph/graph_selection.h"
#include "graph_fixture.h"
#include "regress/ui/equation_list_model.h"
#include "regress/ui/equation_list_view.h"
#include "support/modal_answers.h"
#include "widgets/message_dialog.h"
#include "widgets/sticky_button.h"

namespace rv::testing {
namespace {

constexpr int kCopyDataPointsId = 102;
constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kWhite = 0xFFFFFFFF;

// The centre of one part of a scroll bar: an arrow or the trough on either
// side of the thumb.
QPoint PartCentre(const QScrollBar* bar, QStyle::SubControl part) {
  QStyleOptionSlider option;
  option.initFrom(bar);
  option.orientation = bar->orientation();
  if (bar->orientation() == Qt::Horizontal) option.state |= QStyle::State_Horizontal;
  option.minimum = bar->minimum();
  option.maximum = bar->maximum();
  option.sliderPosition = bar->sliderPosition();
  option.sliderValue = bar->value();
  option.singleStep = bar->singleStep();
  option.pageStep = bar->pageStep();
  return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, bar).center();
}

void Drag(QWidget* canvas, QPoint from, QPoint to) {
  QTest::mousePress(canvas, Qt::LeftButton, {}, from);
  QTest::mouseMove(canvas, to);
  QTest::mouseRelease(canvas, Qt::LeftButton, {}, to);
}

std::set<QRgb> ColorsOf(const QImage& picture) {
  std::set<QRgb> colors;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x) colors.insert(picture.pixel(x, y));
  return colors;
}

// Every test starts on the Graph tab of the searched example.
class GraphTabTest : public GraphTest {
 protected:
  void SetUp() override { searchedWindow(); }
};

// The Y range typed on the tab takes effect at the next Draw; one that is
// not two numbers in order is refused with its message, the graph as it was.
TEST_F(GraphTabTest, TheYRangeTypedOnTheTabSetsTheValueAxisAtTheNextDraw) {
  drawOver({0});
  const GraphRanges automatic = window->graphController().state().model.surface.ranges;
  QTest::keyClicks(tab().yMinimumBox(), "100");
  QTest::keyClicks(tab().yMaximumBox(), "300");
  EXPECT_EQ(window->graphController().state().model.surface.ranges.valueMax, automatic.valueMax);
  window->runCommand(command::kDraw);
  EXPECT_EQ(window->graphController().state().model.surface.ranges.valueMin, 100.0);
  EXPECT_EQ(window->graphController().state().model.surface.ranges.valueMax, 300.0);

  ModalAnswers answers;
  answers.answer(kAnswerOk);
  tab().yMinimumBox()->clear();
  window->runCommand(command::kDraw);
  EXPECT_EQ(answers.messageTexts(),
            QStringList{"Type the Y range's minimum and maximum,\nor neither for an automatic range."});
  EXPECT_EQ(window->graphController().state().model.surface.ranges.valueMax, 300.0);
  tab().yMaximumBox()->clear();
  window->runCommand(command::kDraw);
  EXPECT_EQ(window->graphController().state().model.surface.ranges.valueMax, automatic.valueMax);
}

TEST_F(GraphTabTest, OffersTheEquationsVariablesAndDrawsASurfaceTurnedThirtyDegrees) {
  QStringList entries;
  for (int row = 0; row < tab().variableList()->count(); ++row)
    entries << tab().variableList()->item(row)->text().trimmed();
  EXPECT_EQ(entries, (QStringList{"X1", "X2", "X3"}));
  EXPECT_TRUE(tab().variableList()->selectedItems().isEmpty()) << "three entries: none selected for the user";

  // Draw with no variable chosen says so and leaves the keyboard on the list.
  ModalAnswers answers;
  answers.answer(kAnswerOk);
  window->runCommand(command::kDraw);
  EXPECT_EQ(answers.messageTexts(), QStringList{"Select one or two variables to\ngraph from the list."});
  EXPECT_FALSE(window->session().graphDrawn);
  EXPECT_TRUE(picture().isNull());

  drawOver({0, 1});
  EXPECT_EQ(window->graphController().state().selection, (GraphSelection{2, 1, 2}));
  EXPECT_EQ(tab().horizontalAngle()->text(), "30");
  EXPECT_EQ(tab().verticalAngle()->text(), "30");
  EXPECT_EQ(graphWindow().horizontalBar()->value(), 210);
  EXPECT_EQ(graphWindow().verticalBar()->value(), 210);
  const std::set<QRgb> colors = ColorsOf(picture());
  const auto cyanRamp = [](QRgb c) {
    for (int i = 160; i < 192; ++i)
      if (c == kGraphPalette.argb(i)) return true;
    return false;
  };
  EXPECT_GT(std::count_if(colors.begin(), colors.end(), cyanRamp), 10) << "the cyan surface, shaded";
  EXPECT_EQ(answers.pending(), 0);
}

// Also run on a screen of two device pixels per pixel (QT_SCALE_FACTOR=2).
TEST_F(GraphTabTest, HighDensityScreensGetAPictureWithAPixelForEveryDevicePixel) {
  drawOver({0, 1});
  const GraphCanvas* canvas = graphWindow().canvas();
  const double ratio = canvas->devicePixelRatioF();
  if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
    EXPECT_EQ(ratio, qEnvironmentVariable("QT_SCALE_FACTOR").toDouble());
  EXPECT_EQ(picture().devicePixelRatio(), ratio);
  EXPECT_EQ(picture().size(), QSize(qRound(canvas->width() * ratio), qRound(canvas->height() * ratio)));
  // The zoom works in the window's own pixels whatever the density.
  Drag(graphWindow().canvas(), {100, 80}, {160, 140});
  EXPECT_NEAR(view().zoom.right - view().zoom.left,
              2.0 * 60 / GraphWindowViewport(tab().width() + 4, tab().height() + 53).width, 1e-9);
}

TEST_F(GraphTabTest, RotateTwiceLeavesTheGraphAtTheAngleReachedWithTheScrollBarThere) {
  drawOver({0, 1});
  QScrollBar* bar = graphWindow().horizontalBar();
  window->runCommand(command::kRotate);
  ASSERT_TRUE(tab().rotating());
  EXPECT_TRUE(tab().rotateButton()->isPressed());
  ASSERT_TRUE(QTest::qWaitFor([this] { return view().horizontalPosition <= 207; }, 5000));
  EXPECT_EQ(bar->value(), 210) << "the thumb stays while the graph turns";
  EXPECT_EQ(tab().horizontalAngle()->text(), QString::number(view().horizontalAngle));

  window->runCommand(command::kRotate);
  EXPECT_FALSE(tab().rotating());
  EXPECT_FALSE(tab().rotateButton()->isPressed());
  const int reached = view().horizontalPosition;
  const QImage stopped = picture();
  EXPECT_EQ(bar->value(), reached);
  EXPECT_EQ(tab().horizontalAngle()->text(), QString::number(reached - 180));
  EXPECT_EQ(view().verticalPosition, 210);
  // The picture on show is the one of the angle reached, and it stays.
  graphWindow().redraw();
  EXPECT_EQ(picture(), stopped);
  QTest::qWait(3 * GraphTab::kRotationPeriodMs);
  EXPECT_EQ(view().horizontalPosition, reached);

  // Leaving the tab stops a rotation too; Draw while turning only stops it.
  window->runCommand(command::kRotate);
  ASSERT_TRUE(tab().rotating());
  window->runCommand(command::kShowData);
  EXPECT_FALSE(tab().rotating());
  EXPECT_FALSE(tab().rotateButton()->isPressed());
  window->runCommand(command::kShowGraph);
  window->runCommand(command::kRotate);
  ASSERT_TRUE(QTest::qWaitFor([this] { return view().horizontalPosition < 210; }, 5000));
  window->runCommand(command::kDraw);
  EXPECT_FALSE(tab().rotating());
  EXPECT_LT(view().horizontalPosition, 210) << "Draw that stops a rotation does not draw afresh";
}

TEST_F(GraphTabTest, AScrollArrowMovesTheAngleAtOnceAndTheGraphWhenLetGo) {
  drawOver({0, 1});
  QScrollBar* horizontal = graphWindow().horizontalBar();
  const QImage before = picture();
  const QPoint arrow = PartCentre(horizontal, QStyle::SC_ScrollBarAddLine);
  QTest::mousePress(horizontal, Qt::LeftButton, {}, arrow);
  EXPECT_EQ(tab().horizontalAngle()->text(), "31");
  EXPECT_EQ(view().horizontalAngle, 31.0);
  EXPECT_EQ(picture(), before) << "no new picture while the button is down";
  QTest::mouseRelease(horizontal, Qt::LeftButton, {}, arrow);
  EXPECT_NE(picture(), before);
  EXPECT_EQ(horizontal->value(), 211);

  // A click into the trough turns ten degrees, whatever the thumb's size.
  QScrollBar* vertical = graphWindow().verticalBar();
  const QPoint trough = PartCentre(vertical, QStyle::SC_ScrollBarSubPage);
  QTest::mousePress(vertical, Qt::LeftButton, {}, trough);
  QTest::mouseRelease(vertical, Qt::LeftButton, {}, trough);
  EXPECT_EQ(tab().verticalAngle()->text(), "20");
  EXPECT_EQ(vertical->value(), 200);
}

TEST_F(GraphTabTest, ADragZoomsButOneOfEightByTwentyPixelsResetsTheZoom) {
  drawOver({0, 1});
  const QImage full = picture();
  GraphCanvas* canvas = graphWindow().canvas();
  auto* band = canvas->findChild<QRubberBand*>();
  ASSERT_NE(band, nullptr);

  QTest::mousePress(canvas, Qt::LeftButton, {}, {160, 140});
  QTest::mouseMove(canvas, {100, 80});
  EXPECT_TRUE(band->isVisible());
  EXPECT_EQ(band->geometry(), QRect(QPoint(100, 80), QPoint(160, 140)));
  QTest::mouseRelease(canvas, Qt::LeftButton, {}, {100, 80});
  EXPECT_FALSE(band->isVisible());
  EXPECT_GT(view().zoom.left, -1.0);
  EXPECT_LT(view().zoom.right, 1.0);
  EXPECT_NE(picture(), full);

  Drag(canvas, {100, 80}, {108, 100});
  EXPECT_EQ(view().zoom, ZoomBounds{});
  EXPECT_EQ(picture(), full);
  Drag(canvas, {100, 80}, {109, 89});
  EXPECT_NE(view().zoom, ZoomBounds{}) << "nine pixels each way zoom";
}

TEST_F(GraphTabTest, AClickOnAnEmptyGraphDrawsItWithoutAWord) {
  GraphCanvas* canvas = graphWindow().canvas();
  QTest::mouseClick(canvas, Qt::LeftButton, {}, {50, 50});  // no variable selected: nothing, no message
  EXPECT_FALSE(window->session().graphDrawn);
  EXPECT_TRUE(picture().isNull());
  selectVariables({1});
  QTest::mouseClick(canvas, Qt::LeftButton, {}, {50, 50});
  EXPECT_TRUE(window->session().graphDrawn);
  EXPECT_FALSE(picture().isNull());
  EXPECT_EQ(tab().horizontalAngle()->text(), "0") << "a curve is shown face-on";
  EXPECT_EQ(view().zoom, ZoomBounds{}) << "the click drew; it did not start a zoom";
}

TEST_F(GraphTabTest, CopyDataPointsOfACurveOverX3StartsWithX3AndY) {
  drawOver({2});
  ModalAnswers answers;
  answers.then([](QWidget* dialog) {
    ClickControl(dialog, kCopyDataPointsId);
    ClickControl(dialog, kAnswerOk);
  });
  window->runCommand(command::kCopyGraph);
  EXPECT_EQ(answers.dialogNames(), QStringList{"CopyDlg"});
  const QString text = QGuiApplication::clipboard()->text();
  EXPECT_TRUE(text.startsWith("X3\tY\tConf Low\tConf High\tPred Low\tPred High\r\n")) << text.left(60).toStdString();
  EXPECT_EQ(text.count("\r\n"), 22);
}

TEST_F(GraphTabTest, AnotherEquationBringsItsOwnVariablesAndNoGraphToCopy) {
  drawOver({0, 1});
  window->runCommand(command::kShowEquations);
  const EquationListModel* model = window->frame().equationsTab()->listModel();
  const std::vector<GraphVariableEntry> drawnFor = window->session().graphVariables;
  int other = 1;
  while (other < model->rowCount() && GraphVariableEntries(model->entryAt(other)->text).size() == drawnFor.size())
    ++other;
  ASSERT_LT(other, model->rowCount()) << "an equation over other variables";
  window->frame().equationsTab()->list()->selectRow(other);
  ASSERT_EQ(window->session().selectedIndex, other);

  window->runCommand(command::kShowGraph);
  const std::vector<GraphVariableEntry> offered = GraphVariableEntries(model->entryAt(other)->text);
  EXPECT_EQ(window->session().graphVariables, offered);
  ASSERT_EQ(tab().variableList()->count(), static_cast<int>(offered.size()));
  EXPECT_EQ(tab().variableList()->item(0)->text().trimmed().toStdString(), offered[0].text.substr(1));
  EXPECT_FALSE(window->session().graphDrawn);
  EXPECT_TRUE(picture().isNull());

  ModalAnswers answers;
  answers.answer(kAnswerOk);
  window->runCommand(command::kCopyGraph);
  EXPECT_EQ(answers.messageTexts(), QStringList{"First draw the graph to copy."});
}

TEST_F(GraphTabTest, BlackAndWhiteInOptionsRedrawsADrawnGraphInBlackAndWhite) {
  drawOver({0, 1});
  EXPECT_GT(ColorsOf(picture()).size(), 10u) << "shades of the colour surface";
  window->runCommand(command::kRotate);  // also while it turns
  ModalAnswers answers;
  answers.then([](QWidget* dialog) {
    ClickControl(dialog, 333);  // "Black and White"
    ClickControl(dialog, kAnswerOk);
  });
  window->runCommand(command::kOptions);
  ASSERT_TRUE(QTest::qWaitFor(
      [this] {
        return ColorsOf(picture()) == std::set<QRgb>{kBlack, kWhite};
      },
      5000))
      << "only black and white in the picture";
  EXPECT_TRUE(window->session().graphDrawn);
  EXPECT_FALSE(tab().rotating());
}

TEST_F(GraphTabTest, ANewSheetForgetsTheGraphAndItsVariables) {
  drawOver({0, 1});
  window->runCommand(command::kRotate);
  ModalAnswers answers;
  answers.answer(kAnswerNo);  // the search left the sheet modified: do not save
  window->runCommand(command::kNew);
  EXPECT_FALSE(tab().rotating());
  EXPECT_FALSE(window->session().graphDrawn);
  EXPECT_EQ(tab().variableList()->count(), 0);
  EXPECT_TRUE(picture().isNull());
  EXPECT_EQ(tab().horizontalAngle()->text(), "") << "no angles without a graph";
  EXPECT_EQ(tab().verticalAngle()->text(), "");
}

}  // namespace
}  // namespace rv::testing

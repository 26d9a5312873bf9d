#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QProcess>
#include <QScrollBar>
#include <QTemporaryDir>

#include "files/data_file_io.h"
#include "graph/auto_update.h"
#include "graph/graph_model.h"
#include "graph/graph_options.h"
#include "graph/ui/graph_bitmap.h"
#include "graph/ui/label_glyphs.h"
#include "graph_fixture.h"
#include "regress/enumeration.h"
#include "regress/recreate_equation.h"
#include "regress/ui/equation_list_model.h"
#include "support/modal_answers.h"
#include "widgets/indexed_image.h"
#include "widgets/message_dialog.h"

namespace rv::testing {
namespace {

constexpr int kCopyPictureId = 101;

// Where two pictures of palette indices first differ, or nothing.
std::optional<QPoint> FirstDifference(const QImage& a, const QImage& b) {
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      if (a.pixelIndex(x, y) != b.pixelIndex(x, y)) return QPoint(x, y);
  return std::nullopt;
}

// The same picture made outside the program from the data file alone: the
// equation re-created from its ordinal, the ranges by Auto Update.
QImage PictureFromFile(long long ordinal, const GraphSelection& selection, int horizontal, int vertical) {
  Outcome<DataFileContents> loaded = LoadDataFile(kExampleFile);
  EXPECT_TRUE(loaded);
  Document& document = loaded->document;
  const SearchData data = TakeSearchSnapshot(document.sheet.cells);
  FitWorkspace workspace;
  EXPECT_TRUE(RecreateEquation(workspace, data, MakeSearchShape(data, document.options), ordinal));
  ApplyAutoUpdate(document.sheet);
  const Outcome<GraphModel> built = BuildGraphModel(workspace, document.sheet, selection, document.options.segments);
  EXPECT_TRUE(built) << built.message().text;
  ViewState view;
  SetAnglePositions(view, horizontal + 180, vertical + 180);
  return IndexedImage(RenderGraphBitmap(*built, GraphOptionsOf(document.options), LabelGlyphs(), view, workspace.text));
}

using CopyPictureTest = GraphTest;

TEST_F(CopyPictureTest, CopyPictureIsTheCommandLinesPicturePixelForPixel) {
  searchedWindow();
  drawOver({0, 1});
  // Turn the view away from its default: three degrees one way, ten the other.
  QScrollBar* horizontal = graphWindow().horizontalBar();
  for (int click = 0; click < 3; ++click) {
    horizontal->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  }
  graphWindow().verticalBar()->triggerAction(QAbstractSlider::SliderPageStepSub);
  ASSERT_EQ(view().horizontalAngle, 33.0);
  ASSERT_EQ(view().verticalAngle, 20.0);

  ModalAnswers answers;
  answers.then([](QWidget* dialog) {
    ClickControl(dialog, kCopyPictureId);
    ClickControl(dialog, kAnswerOk);
  });
  window->runCommand(command::kCopyGraph);
  const QImage copied = QGuiApplication::clipboard()->image();
  ASSERT_EQ(copied.format(), QImage::Format_Indexed8);
  ASSERT_EQ(copied.size(), QSize(640, 640));

  const long long ordinal = window->frame().equationsTab()->listModel()->entryAt(0)->ordinal;
  QTemporaryDir folder;
  const QString out = folder.filePath("graph.png");
  QProcess cli;
  cli.start(QStringLiteral(REGROVANTIS_CLI), {"graph", kExampleFile, "--ordinal", QString::number(ordinal), "--vars",
                                              "X1,X2", "--angles", "33,20", "--out", out});
  ASSERT_TRUE(cli.waitForFinished(60000));
  ASSERT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
  const QImage fromCommandLine(out);
  ASSERT_EQ(fromCommandLine.format(), QImage::Format_Indexed8);
  ASSERT_EQ(fromCommandLine.size(), copied.size());
  EXPECT_EQ(fromCommandLine.colorTable(), copied.colorTable());
  const std::optional<QPoint> differs = FirstDifference(copied, fromCommandLine);
  EXPECT_FALSE(differs) << "first difference at " << differs->x() << ", " << differs->y();

  const QImage fromFile = PictureFromFile(ordinal, {2, 1, 2}, 33, 20);
  EXPECT_FALSE(FirstDifference(copied, fromFile));
  // Not a picture that any graph would equal: another view differs.
  EXPECT_TRUE(FirstDifference(copied, PictureFromFile(ordinal, {2, 1, 2}, 30, 30)));
}

}  // namespace
}  // namespace rv::testing

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest/QTest>

#include "app/sheet_history.h"
#include "app_fixture.h"
#include "files/settings_file.h"
#include "graph/graph_options.h"
#include "graph/ui/color_button.h"
#include "graph/ui/color_strip.h"
#include "support/modal_answers.h"
#include "widgets/command_ids.h"
#include "widgets/control_id.h"
#include "widgets/help_window.h"
#include "widgets/message_dialog.h"
#include "widgets/tooltips.h"

namespace rv::testing {
namespace {

constexpr int kTitle1 = 201;
constexpr int kMaxTerms = 213;
constexpr int kMoveSelection = 216;
constexpr int kMoveDirection = 218;
constexpr int kToolTips = 220;
constexpr int kUndoMemory = 222;
constexpr int kXSegments = 312;
constexpr int kYSegments = 318;
constexpr int kZSegments = 324;
constexpr int kBackgroundButton = 302;
constexpr int kBackPlaneGridButton = 314;
constexpr int kBlackAndWhite = 333;

void SetBoxText(QWidget* dialog, int id, const QString& text) {
  auto* box = qobject_cast<QLineEdit*>(FindControl(dialog, id));
  ASSERT_NE(box, nullptr) << id;
  box->setText(text);
}

ColorStrip* StripOf(QWidget* dialog) { return dialog->findChild<ColorStrip*>(); }

// A click on the strip at a point of the Graph page.
void ClickStripAt(QWidget* dialog, QPoint pagePoint) {
  QTest::mouseClick(StripOf(dialog), Qt::LeftButton, {}, pagePoint - QPoint(344, 12));
}

class OptionsDialogTest : public AppTest {
 protected:
  void SetUp() override { startedWindow(); }

  // Opens the Options dialog from the View menu, lets edit change it, then
  // presses the button with closeId.
  void runOptions(std::function<void(QWidget*)> edit, int closeId) {
    ModalAnswers answers;
    answers.then([&](QWidget* dialog) {
      EXPECT_EQ(dialog->objectName(), "OptnDlg");
      edit(dialog);
      ClickControl(dialog, closeId);
    });
    window->runCommand(command::kOptions);
    EXPECT_EQ(answers.pending(), 0);
  }
};

TEST_F(OptionsDialogTest, NumbersAreClampedToTheirRangesOnOk) {
  const struct {
    const char* maxTerms;
    int expectedTerms;
    const char* segments;
    int expectedSegments;
    const char* undoMemory;  // megabytes
    int expectedUndoMemory;
  } cases[] = {{"25", 20, "99", 50, "99999", 16384},
               {"0", 1, "0", 1, "1", 32},
               {"abc", 1, "7x", 1, "x", 32},
               {" 12 ", 12, "50", 50, "64", 64},
               {"", 1, "", 1, "", 32}};
  for (const auto& c : cases) {
    runOptions(
        [&](QWidget* dialog) {
          SetBoxText(dialog, kMaxTerms, c.maxTerms);
          for (int id : {kXSegments, kYSegments, kZSegments}) SetBoxText(dialog, id, c.segments);
          SetBoxText(dialog, kUndoMemory, c.undoMemory);
        },
        kAnswerOk);
    EXPECT_EQ(window->document().options.maxTerms, c.expectedTerms) << c.maxTerms;
    for (int segments : window->document().options.segments) EXPECT_EQ(segments, c.expectedSegments) << c.segments;
    EXPECT_EQ(window->history().steps().byteBudget(), std::size_t(c.expectedUndoMemory) << 20) << c.undoMemory;
  }
  EXPECT_TRUE(window->document().state.modified);
  window->document().state.modified = false;
  window->close();
  EXPECT_EQ(ReadSettingsFile(settingsPath()).settings.undoMegabytes, 32) << "kept in the settings file";
}

TEST_F(OptionsDialogTest, CancelStoresNothingButTheColourStripRow) {
  const DocumentOptions before = window->document().options;
  runOptions(
      [](QWidget* dialog) {
        SetBoxText(dialog, kMaxTerms, "9");
        SetBoxText(dialog, kTitle1, "A title");
        ClickControl(dialog, kBlackAndWhite);
        ClickStripAt(dialog, {380, 16 + 15 * 5 + 5});
        EXPECT_EQ(StripOf(dialog)->currentRow(), 5);
      },
      kAnswerCancel);
  const DocumentOptions& after = window->document().options;
  EXPECT_EQ(after.maxTerms, before.maxTerms);
  EXPECT_EQ(after.title1, before.title1);
  EXPECT_EQ(after.graphColors, before.graphColors);
  EXPECT_EQ(after.colorRow, 5);
  EXPECT_FALSE(window->document().state.modified);
}

TEST_F(OptionsDialogTest, BlackAndWhiteAndTheNoneRowReachTheColours) {
  runOptions([](QWidget* dialog) { ClickControl(dialog, kBlackAndWhite); }, kAnswerOk);
  EXPECT_EQ(window->document().options.graphColors, BlackAndWhiteGraphOptions().colors);
  EXPECT_FALSE(window->document().options.shadeSurface);

  runOptions(
      [](QWidget* dialog) {
        ClickStripAt(dialog, {380, 16 + 15 * 16 + 3});
        ClickControl(dialog, kBackPlaneGridButton);
        ClickControl(dialog, kBackgroundButton);  // the background never takes "none"
        EXPECT_EQ(static_cast<ColorButton*>(FindControl(dialog, kBackgroundButton))->selection(), 1);
        // The Up key on the tab bar moves the row while the Graph page shows.
        auto* tabs = qobject_cast<QTabWidget*>(FindControl(dialog, 101));
        tabs->setCurrentIndex(1);
        QTest::keyClick(tabs->tabBar(), Qt::Key_Up);
        EXPECT_EQ(StripOf(dialog)->currentRow(), 15);
        ClickControl(dialog, kBackgroundButton);
      },
      kAnswerOk);
  EXPECT_EQ(window->document().options.graphColors[rv::kBackPlaneGrid], kNoColor);
  EXPECT_EQ(window->document().options.graphColors[rv::kBackground], 15);
  EXPECT_EQ(window->document().options.colorRow, 15);
}

TEST_F(OptionsDialogTest, TitlesMoveSelectionAndToolTipsAreStoredOnOk) {
  const QString longTitle(70, QLatin1Char('t'));
  runOptions(
      [&](QWidget* dialog) {
        SetBoxText(dialog, kTitle1, longTitle);
        qobject_cast<QComboBox*>(FindControl(dialog, kMoveDirection))->setCurrentIndex(2);
        qobject_cast<QCheckBox*>(FindControl(dialog, 205))->setChecked(false);
        qobject_cast<QCheckBox*>(FindControl(dialog, kToolTips))->setChecked(false);
      },
      kAnswerOk);
  const DocumentOptions& options = window->document().options;
  EXPECT_EQ(options.title1.size(), 61u);
  EXPECT_EQ(options.moveSelectionAfterEnter, 3) << "Left";
  EXPECT_EQ(options.setEnabled, (PerEquationSet<bool>{true, false, true, true, true, true}));
  EXPECT_FALSE(window->findChild<ToolTipSwitch*>()->isShown());

  runOptions([](QWidget* dialog) { qobject_cast<QCheckBox*>(FindControl(dialog, kMoveSelection))->setChecked(false); },
             kAnswerOk);
  EXPECT_EQ(window->document().options.moveSelectionAfterEnter, 0);
}

TEST_F(OptionsDialogTest, F1OnASetCheckBoxShowsTheHelpOfTheirGroup) {
  runOptions(
      [](QWidget* dialog) {
        dialog->activateWindow();
        EXPECT_TRUE(QTest::qWaitFor([dialog] { return dialog->isActiveWindow(); }));
        QWidget* set = FindControl(dialog, 206);
        set->setFocus();
        QTest::keyClick(set, Qt::Key_F1);
      },
      kAnswerCancel);
  auto* help = window->findChild<HelpWindow*>();
  ASSERT_NE(help, nullptr);
  EXPECT_EQ(help->shownAnchor(), "c603");
}

}  // namespace
}  // namespace rv::testing

#include <gtest/gtest.h>

#include <QApplication>
#include <QHelpEvent>
#include <QSignalSpy>
#include <QToolTip>
#include <QtTest/QTest>

#include "support/modal_answers.h"
#include "widgets/help.h"
#include "widgets/help_window.h"
#include "widgets/message_dialog.h"
#include "widgets/status_bar.h"
#include "widgets/sticky_button.h"
#include "widgets/tooltips.h"

namespace rv {
namespace {

TEST(StickyButton, EachPressTogglesAndSendsItsCommandButTheOwnersReleaseSendsNothing) {
  StickyButton start(QStringLiteral("&Start"), 301);
  QList<int> commands;
  QObject::connect(&start, &StickyButton::command, [&](int id) { commands << id; });
  start.show();
  QTest::mousePress(&start, Qt::LeftButton);
  EXPECT_TRUE(start.isPressed()) << "pressed on the press itself";
  QTest::mouseRelease(&start, Qt::LeftButton);
  EXPECT_TRUE(start.isPressed());
  QTest::mouseClick(&start, Qt::LeftButton);
  EXPECT_FALSE(start.isPressed());
  EXPECT_EQ(commands, (QList<int>{301, 301}));

  QTest::mouseClick(&start, Qt::LeftButton);
  start.setPressed(false);
  EXPECT_FALSE(start.isPressed());
  EXPECT_EQ(commands.size(), 3);
}

// Each pane keeps its own text; a message in pane 2 widens it to show whole,
// as far as the bar allows.
TEST(StatusBar, PanesKeepTheirOwnTextsAndAMessageWidensItsPane) {
  StatusBar status;
  EXPECT_EQ(status.paneText(StatusPane::Activity), "Loading");
  EXPECT_EQ(status.height(), StatusBar::kHeight);
  status.setPaneText(StatusPane::Activity, QStringLiteral("Working"));
  status.setPaneText(StatusPane::Detail, QStringLiteral("12345"));
  EXPECT_EQ(status.paneText(StatusPane::Activity), "Working");
  EXPECT_EQ(status.paneText(StatusPane::Detail), "12345");

  status.resize(1200, StatusBar::kHeight);
  const int countWidth = status.paneRect(StatusPane::Detail).width();
  const QString message = QStringLiteral("The settings file is not one: the program starts with the defaults.");
  status.setPaneText(StatusPane::Detail, message);
  EXPECT_GE(status.paneRect(StatusPane::Detail).width(), status.fontMetrics().horizontalAdvance(message));
  EXPECT_GT(status.paneRect(StatusPane::Detail).width(), countWidth);
  status.resize(300, StatusBar::kHeight);
  EXPECT_LT(status.paneRect(StatusPane::Detail).right(), 300);
}

TEST(ToolTips, TheSwitchHidesEveryToolTipWhileItIsOff) {
  EXPECT_EQ(ToolTipText(kTipStartRegression), "Start Regression");
  EXPECT_EQ(ToolTipText(kTipX1Name), "X1 Name");
  EXPECT_EQ(ToolTipText(400), "");
  QWidget tool;
  AddTooltip(&tool, kTipStatusBar);
  EXPECT_EQ(tool.toolTip(), "Status Bar");
  tool.resize(100, 40);
  tool.show();

  ToolTipSwitch toolTips;
  qApp->installEventFilter(&toolTips);
  auto ask = [&] {
    QHelpEvent event(QEvent::ToolTip, QPoint(5, 5), tool.mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(&tool, &event);
    return QToolTip::isVisible();
  };
  toolTips.setShown(false);
  EXPECT_FALSE(ask());
  toolTips.setShown(true);
  EXPECT_TRUE(ask());
  toolTips.setShown(false);
  EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }));
  qApp->removeEventFilter(&toolTips);
}

TEST(ContextHelp, IdsOutsideTheControlRangeAskForAControl) {
  QWidget mainWindow;
  SetHelpFilePath(&mainWindow, QStringLiteral(REGROVANTIS_SOURCE_DIR "/res/Regrovantis.hlp"));
  testing::ModalAnswers answers;
  answers.answer(kAnswerOk).answer(kAnswerOk);
  ShowContextHelp(&mainWindow, 99, kOptionsHelpBase);
  ShowContextHelp(&mainWindow, 9999, kOptionsHelpBase);
  EXPECT_EQ(answers.messageTexts(),
            QStringList(2, QStringLiteral("For context help select a contol,\nsuch as a button or check box.")));
  ShowContextHelp(&mainWindow, 101, kCopyGraphHelpBase);
  auto* help = mainWindow.findChild<HelpWindow*>();
  ASSERT_NE(help, nullptr);
  EXPECT_EQ(help->shownAnchor(), "c601");
}

TEST(ContextHelp, AMissingHelpFileIsReportedInsteadOfAnEmptyWindow) {
  QWidget mainWindow;
  SetHelpFilePath(&mainWindow, QStringLiteral("/nonexistent/Regrovantis.hlp"));
  testing::ModalAnswers answers;
  answers.answer(kAnswerOk);
  ShowHelpContents(&mainWindow);
  EXPECT_EQ(answers.messageTexts(),
            QStringList{"Can not find the help file, Regrovantis.hlp,\nyou need to reinstall the program."});
  EXPECT_EQ(mainWindow.findChild<HelpWindow*>(), nullptr);
}

}  // namespace
}  // namespace rv

#include <sys/stat.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QTabWidget>
#include <QTextBrowser>
#include <QtTest/QTest>

#include "app/command_actions.h"
#include "app/whats_this_mode.h"
#include "app_fixture.h"
#include "files/write_data_file.h"
#include "sheet/ui/cell_editor.h"
#include "sheet/ui/data_grid.h"
#include "sheet/ui/data_tab.h"
#include "support/modal_answers.h"
#include "widgets/command_ids.h"
#include "widgets/help_window.h"
#include "widgets/message_dialog.h"
#include "widgets/status_bar.h"

namespace rv::testing {
namespace {

using MainWindowTest = AppTest;

TEST_F(MainWindowTest, FirstStageShowsTheFrameLoadingAndKeepsEveryCommandAndKeyAway) {
  MainWindow& main = makeWindow();
  EXPECT_EQ(main.size(), QSize(632, 448));
  EXPECT_EQ(main.windowTitle(), "Regrovantis - Untitled");
  ASSERT_EQ(main.frame().tabs()->count(), 3);
  EXPECT_EQ(main.frame().tabs()->tabText(0), "&Data");
  EXPECT_EQ(main.frame().tabs()->tabText(1), "E&quations");
  EXPECT_EQ(main.frame().tabs()->tabText(2), "&Graph");
  EXPECT_EQ(main.frame().statusBar()->paneText(StatusPane::Activity), "Loading");
  EXPECT_TRUE(main.frame().progressBar()->isVisible());
  EXPECT_EQ(main.frame().progressBar()->maximum(), 1070);
  EXPECT_EQ(main.frame().dataTab(), nullptr);

  for (int id : {command::kNew, command::kPasteData, command::kSelectAll, command::kOptions, command::kAbout})
    EXPECT_FALSE(main.commands().action(id)->isEnabled()) << id;
  main.commands().action(command::kSelectAll)->trigger();  // a disabled action does nothing
  main.runCommand(command::kSelectAll);                    // nor does the command table

  // Keys typed while the program loads are lost, wherever the focus is.
  QLineEdit elsewhere;
  elsewhere.show();
  QTest::keyClicks(&elsewhere, "12");
  EXPECT_EQ(elsewhere.text(), "");

  main.finishStartUp();
  EXPECT_EQ(main.frame().statusBar()->paneText(StatusPane::Activity), "Ready");
  EXPECT_FALSE(main.frame().progressBar()->isVisible());
  ASSERT_NE(main.frame().dataTab(), nullptr);
  EXPECT_EQ(main.frame().dataTab()->objectName(), "DataTab");
  EXPECT_TRUE(main.frame().dataTab()->cellEditor()->hasFocus());
  EXPECT_NE(main.frame().tabs()->widget(1)->findChild<QWidget*>("EqunTab"), nullptr);
  EXPECT_NE(main.frame().tabs()->widget(2)->findChild<QWidget*>("GrphTab"), nullptr);
  EXPECT_TRUE(main.commands().action(command::kSelectAll)->isEnabled());
  QTest::keyClicks(&elsewhere, "12");
  EXPECT_EQ(elsewhere.text(), "12");
}

TEST_F(MainWindowTest, AFileNamedOnTheCommandLineIsTitledAtOnceAndReadOnceTheGridExists) {
  Document saved;
  saved.sheet.cell(0, 0) = 4.5;
  saved.sheet.cell(1, 2) = -2;
  DataFileSession session;
  EquationList equations;
  RecentFiles recent;
  ASSERT_TRUE(WriteDataFile(pathIn("start.rvd"), saved, session, equations, recent));

  MainWindow& main = makeWindow(pathIn("start.rvd"));
  EXPECT_EQ(main.windowTitle(), "Regrovantis - start.rvd");
  EXPECT_TRUE(IsEmptyValue(main.document().sheet.cell(0, 0)));
  main.finishStartUp();
  EXPECT_EQ(main.document().sheet.cell(0, 0), 4.5);
  EXPECT_EQ(main.document().sheet.cell(1, 2), -2);
  EXPECT_EQ(main.frame().dataTab()->cellEditor()->text(), "4.5");
  EXPECT_EQ(main.frame().statusBar()->paneText(StatusPane::Activity), "Ready");
  EXPECT_EQ(main.commands().action(command::kFirstRecentFile)->text(),
            "&1 " + QString::fromStdString(pathIn("start.rvd")));
}

TEST_F(MainWindowTest, AMissingFileOnTheCommandLineIsIgnored) {
  MainWindow& main = makeWindow(pathIn("missing.rvd"));
  EXPECT_EQ(main.windowTitle(), "Regrovantis - Untitled");
  main.finishStartUp();
  EXPECT_EQ(main.windowTitle(), "Regrovantis - Untitled");
  EXPECT_FALSE(main.document().state.named);
}

// A pipe in the help file's place is no help file either: start-up does not
// wait on it.
TEST_F(MainWindowTest, AMissingHelpFileWarnsAndStartUpGoesOn) {
  const std::string pipe = pathIn("pipe.hlp");
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  for (const std::string& help : {pathIn("nowhere.hlp"), pipe}) {
    makeWindow(std::nullopt, QString::fromStdString(help));
    ModalAnswers answers;
    answers.answer(kAnswerOk);
    window->finishStartUp();
    EXPECT_EQ(answers.messageTexts(),
              QStringList{"Can not find the help file, Regrovantis.hlp,\nyou need to reinstall the program."});
    // Start-up enables the commands as its last step.
    EXPECT_TRUE(window->commands().action(command::kNew)->isEnabled());
  }
}

TEST_F(MainWindowTest, AcceleratorsReachTheDataTabEvenFromInsideACell) {
  MainWindow& main = startedWindow();
  main.document().sheet.cell(3, 2) = 1;
  main.document().sheet.cell(7, 5) = 2;
  main.frame().dataTab()->reloadFromDocument();
  QWidget* cell = main.frame().dataTab()->cellEditor();
  cell->setFocus();

  QTest::keyClick(cell, Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(main.frame().dataTab()->actedOnRange(), (CellRange{3, 2, 7, 5}));

  QGuiApplication::clipboard()->clear();
  QTest::keyClick(cell, Qt::Key_C, Qt::ControlModifier);
  const QString copied = QGuiApplication::clipboard()->text();
  EXPECT_TRUE(copied.startsWith("1.000000000000\t\t\t\r\n")) << copied.toStdString();
  EXPECT_EQ(copied.count("\r\n"), 5);

  main.runCommand(command::kClearData);
  EXPECT_TRUE(IsEmptyValue(main.document().sheet.cell(3, 2)));
  EXPECT_TRUE(main.document().state.modified);
}

TEST_F(MainWindowTest, TabMnemonicsSwitchPagesAndTheDataPageTakesTheFocusBack) {
  MainWindow& main = startedWindow();
  QTest::keyClick(&main, Qt::Key_Q, Qt::AltModifier);
  EXPECT_EQ(main.frame().tabs()->currentIndex(), WindowFrame::kEquationsPage);
  QTest::keyClick(&main, Qt::Key_G, Qt::AltModifier);
  EXPECT_EQ(main.frame().tabs()->currentIndex(), WindowFrame::kGraphPage);
  QTest::keyClick(&main, Qt::Key_D, Qt::AltModifier);
  EXPECT_EQ(main.frame().tabs()->currentIndex(), WindowFrame::kDataPage);
  EXPECT_TRUE(main.frame().dataTab()->cellEditor()->hasFocus());
}

TEST_F(MainWindowTest, PrintAndCopyKeysFollowTheTabShowing) {
  MainWindow& main = startedWindow();
  ModalAnswers answers;
  answers.answer(kAnswerOk).answer(kAnswerOk).answer(kAnswerOk);
  main.runCommand(command::kShowGraph);
  EXPECT_EQ(main.frame().tabs()->currentIndex(), WindowFrame::kGraphPage);
  main.runCommand(command::kPrint);
  main.runCommand(command::kCopy);
  main.runCommand(command::kShowEquations);
  main.runCommand(command::kCopy);
  EXPECT_EQ(answers.messageTexts(), (QStringList{"First draw the graph to print.", "First draw the graph to copy.",
                                                 "First select the equation to copy."}));
  EXPECT_EQ(answers.dialogNames(), (QStringList{"MSGDLG1", "MSGDLG1", "MSGDLG1"}));

  // Back on the Data tab Ctrl+C copies cells again and shows nothing.
  main.runCommand(command::kShowData);
  main.runCommand(command::kCopy);
  EXPECT_EQ(answers.pending(), 0);
}

TEST_F(MainWindowTest, MenusGreyWhatHasNothingToActOnOnlyWhileTheyAreOpen) {
  MainWindow& main = startedWindow();
  QAction* paste = main.commands().action(command::kPasteData);
  QGuiApplication::clipboard()->clear();
  emit main.commands().editMenu()->aboutToShow();
  EXPECT_FALSE(paste->isEnabled());
  EXPECT_FALSE(main.commands().action(command::kCopyGraph)->isEnabled());
  EXPECT_FALSE(main.commands().action(command::kCopyEquation)->isEnabled());
  EXPECT_TRUE(main.commands().action(command::kCopyData)->isEnabled());
  emit main.commands().editMenu()->aboutToHide();
  EXPECT_TRUE(paste->isEnabled()) << "Ctrl+V must work once the menu is closed";

  QGuiApplication::clipboard()->setText("1\t2\r\n");
  emit main.commands().editMenu()->aboutToShow();
  EXPECT_TRUE(paste->isEnabled());
  emit main.commands().editMenu()->aboutToHide();

  main.session().graphDrawn = true;
  emit main.commands().fileMenu()->aboutToShow();
  EXPECT_TRUE(main.commands().action(command::kPrintGraph)->isEnabled());
  EXPECT_FALSE(main.commands().action(command::kPrintEquation)->isEnabled());
  emit main.commands().fileMenu()->aboutToHide();
}

TEST_F(MainWindowTest, MenuBarHoldsEveryItemWithItsLabel) {
  MainWindow& main = startedWindow();
  QStringList titles;
  for (QAction* menu : main.commands().menuBar()->actions()) titles << menu->text();
  EXPECT_EQ(titles, (QStringList{"&File", "&Edit", "&View", "&Help"}));
  QStringList file;
  for (QAction* item : main.commands().fileMenu()->actions()) file << (item->isSeparator() ? "-" : item->text());
  EXPECT_EQ(file, (QStringList{"&New\tCtrl+N", "&Open...\tCtrl+O", "&Save\tCtrl+S", "Save &As...", "-", "&Import...",
                               "Ex&port Data...", "Export G&raph...", "-", "Print &Data...\tCtrl+P",
                               "Print &Equation...", "Print &Graph...", "-", "E&xit\tAlt+F4"}));
  QStringList edit;
  for (QAction* item : main.commands().editMenu()->actions()) edit << (item->isSeparator() ? "-" : item->text());
  EXPECT_EQ(edit, (QStringList{"Und&o\tCtrl+Z", "&Redo\tCtrl+Y", "-", "&Copy Data\tCtrl+C", "&Paste Data\tCtrl+V",
                               "C&ut Data\tCtrl+X", "C&lear Data", "-", "&Select All\tCtrl+A", "-", "Copy &Graph",
                               "Copy &Equation"}));
  // Alt and a letter picks one item of an open menu: no letter serves two.
  for (QAction* menu : main.commands().menuBar()->actions()) {
    QString letters;
    for (QAction* item : menu->menu()->actions()) {
      const qsizetype at = item->text().indexOf(QLatin1Char('&'));
      if (at < 0 || at + 1 >= item->text().size()) continue;
      const QChar letter = item->text().at(at + 1).toLower();
      EXPECT_FALSE(letters.contains(letter)) << menu->text().toStdString() << ": " << item->text().toStdString();
      letters += letter;
    }
  }
  EXPECT_EQ(main.commands().action(command::kRedo)->shortcuts(),
            (QList<QKeySequence>{QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")}));
  EXPECT_EQ(main.commands().action(command::kCopy)->shortcut(), QKeySequence("Ctrl+C"));
  EXPECT_EQ(main.commands().action(command::kCalculate)->shortcuts(),
            (QList<QKeySequence>{QKeySequence("Alt+S"), QKeySequence("F9")}));
}

TEST_F(MainWindowTest, WhatsThisFindsTheContextUnderThePointer) {
  MainWindow& main = startedWindow();
  DataGrid* grid = main.frame().dataTab()->grid();
  const QPoint overCell = grid->viewport()->mapToGlobal(grid->visualCellRect({2, 3}).center());
  EXPECT_EQ(WhatsThisContextAt(&main, main.frame().tabs()->currentWidget(), overCell), 1000);
  const QPoint overStatus = main.frame().statusBar()->mapToGlobal(QPoint(100, 12));
  EXPECT_EQ(WhatsThisContextAt(&main, main.frame().tabs()->currentWidget(), overStatus), WindowFrame::kStatusBarId);
  const QPoint overMenuBar = main.commands().menuBar()->mapToGlobal(QPoint(200, 4));
  EXPECT_EQ(WhatsThisContextAt(&main, main.frame().tabs()->currentWidget(), overMenuBar), -1);

  ModalAnswers answers;
  answers.answer(kAnswerOk);
  main.findChild<WhatsThisMode*>()->showHelpAt(overMenuBar);
  EXPECT_EQ(answers.messageTexts(), QStringList{"For context help select a contol,\nsuch as a button or check box."});
  main.findChild<WhatsThisMode*>()->showHelpAt(overCell);
  auto* help = main.findChild<HelpWindow*>();
  ASSERT_NE(help, nullptr);
  EXPECT_EQ(help->shownAnchor(), "c1000");
}

TEST_F(MainWindowTest, HelpTopicsOpensTheHelpFileAtItsContents) {
  MainWindow& main = startedWindow();
  main.runCommand(command::kHelpTopics);
  auto* help = main.findChild<HelpWindow*>();
  ASSERT_NE(help, nullptr);
  EXPECT_TRUE(help->isVisible());
  EXPECT_EQ(help->shownAnchor(), "contents");
  EXPECT_TRUE(help->browser()->toPlainText().contains("Regrovantis Help"));
}

TEST_F(MainWindowTest, F3MaximisesAndRestores) {
  MainWindow& main = startedWindow();
  main.runCommand(command::kMaximize);
  EXPECT_TRUE(main.isMaximized());
  main.runCommand(command::kMaximize);
  EXPECT_FALSE(main.isMaximized());
}

}  // namespace
}  // namespace rv::testing

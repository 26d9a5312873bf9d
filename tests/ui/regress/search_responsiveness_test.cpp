#include <QElapsedTimer>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <cstdint>
#include <iostream>

#include "equations_fixture.h"
#include "regress/enumeration.h"
#include "sheet/ui/cell_editor.h"
#include "support/search_sheets.h"

namespace rv::testing {
namespace {

// Fifty points over fifteen variables searched with Maximum Terms 20: far
// more candidates than any test can wait for.
class LargeSearchTest : public EquationsTest {
 protected:
  void SetUp() override {
    std::uint32_t state = 3;
    auto noise = [&state] { return Noise(state) + 0.5; };
    std::vector<std::vector<double>> rows;
    for (int i = 0; i < 50; ++i) {
      std::vector<double> row = {4.0 + noise()};
      for (int v = 1; v <= 15; ++v) row.push_back(1.0 + v + noise());
      rows.push_back(row);
    }
    startWithRows(rows);
    window->document().options.maxTerms = 20;
  }

  static std::string wholeCount() {
    SearchShape shape;
    shape.variables = 15;
    shape.maxTerms = 20;
    return std::to_string(CountCandidates(shape));
  }

  // The count of candidates a finished or stopped search shows; what it
  // refused follows it after "; ".
  long long shownCount() const { return statusPane(StatusPane::Detail).section(';', 0, 0).toLongLong(); }

  // Starts the search and lets it fit for a while.
  void startAndLetRun(int ms) {
    window->runCommand(command::kCalculate);
    ASSERT_TRUE(tab().searchRunning());
    QTest::qWait(ms);
    ASSERT_TRUE(tab().searchRunning());
  }
};

using LargeSearchTiming = LargeSearchTest;

// Stop, Alt+T, Start pressed again and Stats pressed during the run all end
// it promptly with the equations found so far.
TEST_F(LargeSearchTiming, EveryStopRequestEndsTheRunWithinTwoSecondsKeepingWhatItFound) {
  const std::pair<const char*, std::function<void()>> requests[] = {
      {"Stop", [this] { tab().stopButton()->click(); }},
      {"Alt+T", [this] { window->runCommand(command::kStop); }},
      {"F9", [this] { window->runCommand(command::kCalculate); }},
      {"Stats", [this] { window->runCommand(command::kStats); }},
  };
  for (const auto& [name, request] : requests) {
    startAndLetRun(1500);
    QElapsedTimer clock;
    clock.start();
    request();
    EXPECT_FALSE(tab().statsButton()->isPressed()) << name;
    ASSERT_TRUE(searchEnded(5000)) << name;
    const double seconds = static_cast<double>(clock.elapsed()) / 1000.0;
    std::cout << "[ measured ] " << name << " ended the search after " << seconds << " s\n";
    EXPECT_LT(seconds, 2.0) << name;
    EXPECT_GT(rows(), 0) << name;
    for (int r = 0; r + 1 < rows(); ++r) ASSERT_GE(row(r).rSquared, row(r + 1).rSquared) << name;
    EXPECT_EQ(window->session().selectedIndex, 0) << name;
    EXPECT_EQ(statusPane(StatusPane::Activity), "Ready") << name;
    // The count of candidates examined when it stopped, not of them all.
    EXPECT_GT(shownCount(), 0) << name;
    EXPECT_LT(shownCount(), std::stoll(wholeCount())) << name;
    EXPECT_FALSE(window->frame().progressBar()->isVisible()) << name;
  }
}

TEST_F(LargeSearchTest, AStoppedSearchShowsTheCandidatesItExamined) {
  startAndLetRun(500);
  window->runCommand(command::kStop);
  ASSERT_TRUE(searchEnded(60000));
  const long long shown = shownCount();
  EXPECT_GT(shown, 0);
  EXPECT_LT(shown, std::stoll(wholeCount()));
  EXPECT_GT(rows(), 0);
}

// A new sheet replaces the one the search started from: the search stops
// and what it found is dropped, so no equation of the old data is listed.
TEST_F(LargeSearchTest, ASearchWhoseSheetIsReplacedListsNothing) {
  startAndLetRun(1000);
  window->runCommand(command::kNew);
  ASSERT_TRUE(searchEnded(5000));
  EXPECT_EQ(rows(), 0);
  EXPECT_EQ(window->equations().size(), 0);
  EXPECT_EQ(window->session().selectedIndex, -1);
  EXPECT_FALSE(window->document().state.modified);
  EXPECT_EQ(window->document().pointCount, 0);
  EXPECT_EQ(statusPane(StatusPane::Activity), "Ready");
}

// The interface thread keeps answering while the search fits on every core:
// the longest pause between the ticks of a 10 ms timer stays short while the
// user types on the Data tab, switches tabs and resizes the window.
TEST_F(LargeSearchTiming, TheWindowAnswersWhileTheSearchRuns) {
  window->runCommand(command::kCalculate);
  QElapsedTimer clock;
  clock.start();
  qint64 lastTick = 0;
  qint64 longestPause = 0;
  QTimer probe;
  probe.setTimerType(Qt::PreciseTimer);
  probe.setInterval(10);
  QObject::connect(&probe, &QTimer::timeout, [&] {
    const qint64 now = clock.elapsed();
    longestPause = std::max(longestPause, now - lastTick);
    lastTick = now;
  });
  lastTick = clock.elapsed();
  probe.start();

  window->runCommand(command::kShowData);
  QWidget* cell = window->frame().dataTab()->cellEditor();
  cell->setFocus();
  for (const char* key : {"1", "2", ".", "5"}) {
    QTest::keyClicks(cell, key);
    QTest::qWait(150);
  }
  QTest::keyClick(cell, Qt::Key_Tab);
  for (int step = 0; step < 6; ++step) {
    window->resize(640 + 20 * step, 460 + 10 * step);
    QTest::qWait(150);
  }
  window->runCommand(command::kShowEquations);
  QTest::qWait(1200);
  probe.stop();

  std::cout << "[ measured ] longest pause of the interface thread: " << longestPause << " ms\n";
  EXPECT_LT(longestPause, 250);
  EXPECT_EQ(window->document().sheet.cell(0, 0), 12.5);
  ASSERT_TRUE(tab().searchRunning());
  EXPECT_EQ(statusPane(StatusPane::Activity), "Working");
  // The two-second count has been shown at least once.
  EXPECT_GT(statusPane(StatusPane::Detail).toLongLong(), 0);
  EXPECT_GT(window->frame().progressBar()->value(), 0);

  window->runCommand(command::kStop);
  ASSERT_TRUE(searchEnded(5000));
}

}  // namespace
}  // namespace rv::testing

#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QtTest/QTest>
#include <memory>

#include "print/paper.h"
#include "stats/fitted_equation.h"
#include "stats/ui/statistics_dialog.h"
#include "widgets/control_id.h"

namespace rv::testing {

// A straight line fitted to six points, and the dialog opened on it.
class StatisticsDialogTest : public ::testing::Test {
 protected:
  static FitWorkspace Line() {
    return FitEquation({{3.1, 1}, {4.9, 2}, {7.2, 3}, {8.8, 4}, {11.1, 5}, {13.0, 6}},
                       MakeCandidate(EquationSet::Y, {{kTermX, 1, 0}}));
  }

  StatisticsDialog& open() {
    dialog = std::make_unique<StatisticsDialog>(equation, document, nullptr, print);
    dialog->show();
    dialog->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    return *dialog;
  }

  QWidget* control(int id) const { return FindControl(dialog.get(), id); }
  QAbstractButton* button(int id) const { return qobject_cast<QAbstractButton*>(control(id)); }
  void press(int id) const { QTest::mouseClick(button(id), Qt::LeftButton); }
  // Alt and the button's mnemonic; the button clicks itself a moment later.
  void pressMnemonic(Qt::Key key, int id) const {
    QTest::keyClick(dialog.get(), key, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !button(id)->isDown(); }, 1000));
  }

  FitWorkspace equation = Line();
  Document document;
  PrintPageChoices print{.papers = PaperNames()};  // what the Print page offers
  std::unique_ptr<StatisticsDialog> dialog;
};

}  // namespace rv::testing

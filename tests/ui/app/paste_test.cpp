#include <QClipboard>
#include <QGuiApplication>

#include "app/app_fixture.h"
#include "sheet/ui/data_tab.h"
#include "widgets/command_ids.h"
#include "widgets/status_bar.h"

namespace rv::testing {
namespace {

// Ctrl+V on the Data tab as the user pastes from another program.
class PasteTest : public AppTest {
 protected:
  void SetUp() override { startedWindow(); }
  void paste(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    window->runCommand(command::kPasteData);
  }
  double cell(int row, int column) const { return window->document().sheet.cell(row, column); }
  QString notice() const { return window->statusBar()->paneText(2); }
};

TEST_F(PasteTest, LongFieldsAndTextBeyondAsciiArePastedWhole) {
  paste(QString::fromUtf8("1.00000000000000000000000000000e+05\t-1.2345678901234567890123456789e-05\n"
                          "3\t4\n5 \xc2\xb5s\t6\n7\t8\n"));
  EXPECT_EQ(cell(0, 0), 1e5);
  EXPECT_EQ(cell(0, 1), -1.2345678901234567890123456789e-05);
  EXPECT_EQ(cell(2, 0), 5.0);
  EXPECT_EQ(cell(2, 1), 6.0);
  EXPECT_EQ(cell(3, 1), 8.0);
  EXPECT_TRUE(notice().isEmpty());
  EXPECT_TRUE(window->document().state.modified);
}

TEST_F(PasteTest, WhatDidNotFitIsToldInTheStatusBar) {
  QString text;
  for (int r = 0; r < 100; ++r) {
    for (int c = 0; c < 18; ++c) text += QString::number(r * 18 + c) + (c < 17 ? "\t" : "\r\n");
  }
  paste(text);
  EXPECT_EQ(cell(98, 16), 98 * 18 + 16);
  EXPECT_EQ(notice(), "Pasted 99 of 100 rows and 17 of 18 columns; the rest did not fit.");
}

}  // namespace
}  // namespace rv::testing

#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "data_tab_fixture.h"
#include "sheet/ui/format_dialog.h"
#include "sheet/ui/scale_dialog.h"
#include "support/modal_answers.h"
#include "widgets/control_id.h"

namespace rv::testing {
namespace {

class ColumnsTest : public DataTabTest {
 protected:
  SeenMenu rowMenu(int row, const QString& choice = {}) {
    return contextMenu(tab->rowStrip(), tab->rowStrip()->itemRect(row).center(), choice);
  }
  SeenMenu columnMenu(int column, const QString& choice = {}) {
    return contextMenu(tab->columnHeader(), tab->columnHeader()->itemRect(column).center(), choice);
  }
  QString textOf(QWidget* dialog, int id) {
    QWidget* control = FindControl(dialog, id);
    if (auto* label = qobject_cast<QLabel*>(control)) return label->text();
    return qobject_cast<QLineEdit*>(control)->text();
  }
  void typeInto(QWidget* dialog, int id, const QString& text) {
    auto* edit = qobject_cast<QLineEdit*>(FindControl(dialog, id));
    edit->clear();
    QTest::keyClicks(edit, text);
  }
};

TEST_F(ColumnsTest, ContextMenusOfferTheirItemsWithTheRightGreying) {
  SeenMenu cell = contextMenu(tab->grid()->viewport(), cellCentre({2, 2}));
  EXPECT_EQ(cell.name, "DatMenu");
  EXPECT_EQ(cell.enabled, (std::map<QString, bool>{{"Cut", true}, {"Copy", true}, {"Paste", false}, {"Clear", true}}));

  QApplication::clipboard()->setText("1");
  SeenMenu row = rowMenu(4);
  EXPECT_EQ(row.name, "HdrMenu");
  EXPECT_TRUE(row.enabled["Paste"]);
  EXPECT_TRUE(row.enabled["Insert"]);
  EXPECT_FALSE(row.enabled["Format"]);
  EXPECT_FALSE(row.enabled["Scale"]);
  EXPECT_EQ(tab->actedOnRange(), (CellRange{4, 0, 4, 16}));

  SeenMenu column = columnMenu(3);
  EXPECT_TRUE(column.enabled["Format"]);
  EXPECT_TRUE(column.enabled["Scale"]);
  EXPECT_EQ(column.enabled.size(), 8u);
  EXPECT_EQ(tab->actedOnRange(), (CellRange{0, 3, 98, 3}));

  contextMenu(tab->grid()->viewport(), cellCentre({0, 3}), "Copy");
  EXPECT_EQ(commands, std::vector<int>{30});
}

TEST_F(ColumnsTest, DeletingRowZeroMovesEveryRowUpOnScreenAndInTheData) {
  loadValues([](int r, int c) { return 100.0 * r + c; }, kSheetRows, kSheetColumns);
  rowMenu(0, "Delete");
  EXPECT_EQ(commands, std::vector<int>{38});
  for (int r = 0; r < kSheetRows - 1; ++r) ASSERT_EQ(value(r, 5), 100.0 * (r + 1) + 5);
  EXPECT_TRUE(IsEmptyValue(value(98, 0)));
  EXPECT_EQ(cellText(), "100");
  EXPECT_EQ(entryText(), "100");
  EXPECT_TRUE(document.state.modified);
  EXPECT_EQ(tab->focusWidget(), static_cast<QWidget*>(tab->cellEditor()));

  rowMenu(3, "Insert");
  EXPECT_TRUE(IsEmptyValue(value(3, 0)));
  EXPECT_EQ(value(4, 0), 400.0);
}

TEST_F(ColumnsTest, InsertedAndDeletedColumnsTakeTheirWidthsAndFormatsAlong) {
  loadValues([](int r, int c) { return r + c / 10.0; }, 2, kSheetColumns);
  document.sheet.formats[1] = {FormatKind::Number, 3};
  SetColumnWidth(document.sheet, 1, 130);
  document.sheet.names[2] = "Temp";
  tab->reloadFromDocument();

  columnMenu(1, "Insert");
  EXPECT_TRUE(IsEmptyValue(value(0, 1)));
  EXPECT_EQ(value(1, 2), 1.1);
  EXPECT_EQ(document.sheet.columnWidth(2), 130);
  EXPECT_EQ(document.sheet.columnWidth(1), 80);
  EXPECT_EQ(document.sheet.formats[2], (ColumnFormat{FormatKind::Number, 3}));
  EXPECT_EQ(document.sheet.names[2], "Temp");
  EXPECT_EQ(tab->columnHeader()->itemRect(2).width(), 130);

  columnMenu(0, "Delete");
  EXPECT_TRUE(IsEmptyValue(value(1, 0)));  // the inserted column moved to the front
  EXPECT_EQ(value(1, 1), 1.1);
  EXPECT_EQ(document.sheet.columnWidth(1), 130);
  EXPECT_TRUE(IsEmptyValue(value(0, 16)));
}

TEST_F(ColumnsTest, ResizingAColumnByItsHeaderBorderShiftsTheLaterColumns) {
  GridHeader* header = tab->columnHeader();
  const int border = header->itemRect(1).right() + 1;
  QTest::mousePress(header, Qt::LeftButton, Qt::NoModifier, QPoint(border, 9));
  QTest::mouseMove(header, QPoint(border + 40, 9));
  QTest::mouseRelease(header, Qt::LeftButton, Qt::NoModifier, QPoint(border + 40, 9));
  EXPECT_EQ(document.sheet.columnWidth(1), 120);
  EXPECT_EQ(document.sheet.columnBoundaries[17], -1 + 16 * 80 + 120);
  EXPECT_EQ(tab->grid()->visualCellRect({0, 2}).left(), header->itemRect(2).left());
  EXPECT_TRUE(document.state.modified);
}

TEST_F(ColumnsTest, FormatColumnPreviewsAndStoresTheFormatOnOkOnly) {
  loadValues([](int, int) { return 12.345678; }, 3, 3);
  ModalAnswers answers;
  QStringList previews;
  answers.then([&](QWidget* dialog) {
    EXPECT_EQ(dialog->objectName(), "FrmtDlg");
    previews << textOf(dialog, FormatDialog::kPreviewId);
    qobject_cast<QListWidget*>(FindControl(dialog, FormatDialog::kCategoryId))->setCurrentRow(1);
    typeInto(dialog, FormatDialog::kPlacesId, "3");
    previews << textOf(dialog, FormatDialog::kPreviewId);
    ClickControl(dialog, 2);
  });
  columnMenu(1, "Format");
  EXPECT_EQ(previews, (QStringList{"No Format", "12.346"}));
  EXPECT_EQ(document.sheet.formats[1], ColumnFormat{});

  answers.then([&](QWidget* dialog) {
    qobject_cast<QListWidget*>(FindControl(dialog, FormatDialog::kCategoryId))->setCurrentRow(2);
    typeInto(dialog, FormatDialog::kPlacesId, "25");
    previews << textOf(dialog, FormatDialog::kPreviewId);
    EXPECT_TRUE(FindControl(dialog, FormatDialog::kPlacesId)->isEnabled());
    ClickControl(dialog, 1);
  });
  columnMenu(1, "Format");
  EXPECT_EQ(previews.last(), "1.234567800000E+01");
  EXPECT_EQ(document.sheet.formats[1], (ColumnFormat{FormatKind::Scientific, 12}));
  EXPECT_EQ(cellText(), "1.234567800000E+01");  // the current cell (0, 1) shows its new format
  EXPECT_EQ(tab->focusWidget(), static_cast<QWidget*>(tab->cellEditor()));
}

TEST_F(ColumnsTest, ScaleVariableAppliesOperationsAndCancelRestoresTheColumn) {
  loadValues([](int r, int) { return r + 1.0; }, 3, 3);
  document.sheet.cell(1, 2) = EmptyValue;
  tab->reloadFromDocument();
  document.state.modified = false;
  const auto press = [](QWidget* dialog, int id) { qobject_cast<QPushButton*>(FindControl(dialog, id))->click(); };

  ModalAnswers answers;
  answers.then([&](QWidget* dialog) {
    EXPECT_EQ(dialog->windowTitle(), "Scale Variable X2");
    typeInto(dialog, ScaleDialog::kFactorId, "0");
    press(dialog, ScaleDialog::kMultiplyId);
    EXPECT_EQ(tab->grid()->sheet().cell(0, 2), 1.0);
    EXPECT_EQ(textOf(dialog, ScaleDialog::kFactorId), "0");
    typeInto(dialog, ScaleDialog::kFactorId, "10");
    press(dialog, ScaleDialog::kMultiplyId);
    EXPECT_EQ(tab->grid()->sheet().cell(2, 2), 30.0);
    EXPECT_EQ(textOf(dialog, ScaleDialog::kFactorId), "");
    EXPECT_EQ(cellText(), "10");  // the grid shows the change at once
    EXPECT_EQ(value(2, 2), 3.0);  // the document takes it on OK
    ClickControl(dialog, 2);
  });
  columnMenu(2, "Scale");
  EXPECT_EQ(value(0, 2), 1.0);
  EXPECT_EQ(value(2, 2), 3.0);
  EXPECT_EQ(tab->grid()->sheet().cell(2, 2), 3.0);
  EXPECT_EQ(cellText(), "1");
  EXPECT_FALSE(document.state.modified);
  EXPECT_TRUE(edits.empty());

  answers.then([&](QWidget* dialog) {
    typeInto(dialog, ScaleDialog::kFactorId, "2");
    press(dialog, ScaleDialog::kSubtractId);
    typeInto(dialog, ScaleDialog::kFactorId, "4");
    press(dialog, ScaleDialog::kDivideId);
    typeInto(dialog, ScaleDialog::kFactorId, "100");
    press(dialog, ScaleDialog::kAddId);
    ClickControl(dialog, 1);
  });
  columnMenu(2, "Scale");
  EXPECT_EQ(edits.size(), 1u) << "the steps of one Scale are one edit";
  EXPECT_EQ(value(0, 2), 99.75);
  EXPECT_EQ(value(2, 2), 100.25);
  EXPECT_TRUE(IsEmptyValue(value(1, 2)));
  EXPECT_TRUE(document.state.modified);
  // Auto Update keeps the variable's graph range on its data.
  EXPECT_DOUBLE_EQ(document.sheet.graphMinimum[2], 99.7);
  EXPECT_DOUBLE_EQ(document.sheet.graphMaximum[2], 100.3);
  EXPECT_DOUBLE_EQ(document.sheet.graphConstant[2], 100.0);
}

TEST_F(ColumnsTest, EveryGridCellHasItsOwnControlId) {
  const QPoint centre = tab->grid()->viewport()->mapToGlobal(cellCentre({2, 3}));
  EXPECT_EQ(tab->cellIdAt(centre), 1000 + 17 * 2 + 3);
  EXPECT_EQ(tab->cellIdAt(tab->mapToGlobal(QPoint(1, 1))), -1);
  EXPECT_EQ(ControlId(tab->cellEditor()), 1000);
  pressCell({4, 1});
  EXPECT_EQ(ControlId(tab->cellEditor()), 1000 + 17 * 4 + 1);
}

TEST_F(ColumnsTest, ReloadShowsTheDocumentFromCellZero) {
  pressCell({5, 5});
  releaseAt({5, 5});
  type("8");
  document.sheet.cell(0, 0) = 4.5;
  document.sheet.names[0] = "Pressure";
  tab->reloadFromDocument();
  EXPECT_EQ(current(), (CellPosition{0, 0}));
  EXPECT_EQ(tab->nameBox()->text(), "Pressure - 1");
  EXPECT_EQ(cellText(), "4.5");
  key(Qt::Key_Down);
  EXPECT_TRUE(IsEmptyValue(value(5, 5)));  // the entry under way is dropped
}

}  // namespace
}  // namespace rv::testing

#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>

#include "sheet/ui/cell_editor.h"
#include "sheet/ui/data_grid.h"
#include "sheet/ui/data_tab.h"
#include "sheet/ui/grid_header.h"

namespace rv::testing {

// A Data tab shown alone as a window, with the few accelerators, the command
// table and the owner's part that the main window gives it in the program:
// every edit it reports is applied to the document and shown.
class DataTabTest : public ::testing::Test {
 protected:
  Document document;
  std::unique_ptr<DataTab> tab;
  std::vector<int> commands;
  std::vector<SheetEdit> edits;
  int modifiedSignals = 0;

  void SetUp() override {
    QApplication::clipboard()->clear();
    tab = std::make_unique<DataTab>(document);
    tab->resize(628, 395);
    addShortcut(Qt::Key_F2, [this] { tab->toggleEditMode(); });
    addShortcut(QKeySequence::Copy, [this] { tab->copySelection(); });
    QObject::connect(tab.get(), &DataTab::modified, [this] {
      ++modifiedSignals;
      document.state.modified = true;
    });
    QObject::connect(tab.get(), &DataTab::sheetEdited, [this](const SheetEdit& edit) {
      edits.push_back(edit);
      ApplySheetEdit(document.sheet, edit);
      document.state.modified = true;
      tab->showSheet();
    });
    QObject::connect(tab.get(), &DataTab::commandRequested, tab.get(), [this](int id) { dispatch(id); });
    tab->show();
    tab->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(tab.get()));
    tab->focusCurrentCell();
  }

  void addShortcut(const QKeySequence& keys, std::function<void()> action) {
    auto* shortcut = new QAction(tab.get());
    shortcut->setShortcut(keys);
    tab->addAction(shortcut);
    QObject::connect(shortcut, &QAction::triggered, tab.get(), std::move(action));
  }

  void dispatch(int id) {
    commands.push_back(id);
    const std::map<int, void (DataTab::*)()> table = {{30, &DataTab::copySelection},  {31, &DataTab::paste},
                                                      {32, &DataTab::cutSelection},   {33, &DataTab::clearSelection},
                                                      {37, &DataTab::insertAtHeader}, {38, &DataTab::deleteAtHeader},
                                                      {39, &DataTab::formatColumn},   {40, &DataTab::scaleVariable}};
    (tab.get()->*table.at(id))();
  }

  QWidget* focus() const { return QApplication::focusWidget(); }
  void type(const QString& text) { QTest::keyClicks(focus(), text); }
  void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(focus(), static_cast<Qt::Key>(key), modifiers);
  }
  double value(int row, int column) const { return document.sheet.cell(row, column); }
  QString cellText() const { return tab->cellEditor()->text(); }
  QString entryText() const { return tab->entryLine()->text(); }
  CellPosition current() const { return tab->currentCell(); }

  void loadValues(const std::function<double(int, int)>& valueAt, int rows, int columns) {
    for (int r = 0; r < rows; ++r)
      for (int c = 0; c < columns; ++c) document.sheet.cell(r, c) = valueAt(r, c);
    tab->reloadFromDocument();
  }

  QPoint cellCentre(CellPosition cell) const { return tab->grid()->visualCellRect(cell).center(); }
  void pressCell(CellPosition cell) {
    tab->grid()->ensureVisible(cell);
    QTest::mousePress(tab->grid()->viewport(), Qt::LeftButton, Qt::NoModifier, cellCentre(cell));
  }
  void dragToCell(CellPosition cell) { QTest::mouseMove(tab->grid()->viewport(), cellCentre(cell)); }
  void releaseAt(CellPosition cell) {
    QTest::mouseRelease(tab->grid()->viewport(), Qt::LeftButton, Qt::NoModifier, cellCentre(cell));
  }
  void dragCells(CellPosition from, CellPosition to) {
    pressCell(from);
    dragToCell(to);
    releaseAt(to);
  }

  struct SeenMenu {
    QString name;
    std::map<QString, bool> enabled;  // by item text
  };

  // Opens a context menu on target at point; records its items and chooses
  // the item named choice, or none.
  SeenMenu contextMenu(QWidget* target, const QPoint& point, const QString& choice = {}) {
    SeenMenu seen;
    QTimer::singleShot(0, [&] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      if (menu == nullptr) return;
      seen.name = menu->objectName();
      QAction* chosen = nullptr;
      for (QAction* action : menu->actions()) {
        seen.enabled[action->text()] = action->isEnabled();
        if (action->text() == choice) chosen = action;
      }
      if (chosen == nullptr) {
        menu->close();
        return;
      }
      menu->setActiveAction(chosen);
      QTest::keyClick(menu, Qt::Key_Return);
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, point, target->mapToGlobal(point));
    QApplication::sendEvent(target, &event);
    return seen;
  }
};

}  // namespace rv::testing

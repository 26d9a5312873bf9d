#pragma once

#include <QObject>
#include <QString>
#include <map>
#include <set>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace rv {

struct RecentFileMenuItem;

// One QAction per command id, each reporting its id through command(). The
// menu bar "DlgMenu" shows the menu items; the accelerators are the actions'
// shortcuts on the main window.
class CommandActions : public QObject {
  Q_OBJECT
 public:
  explicit CommandActions(QWidget* mainWindow);

  QMenuBar* menuBar() const { return menuBar_; }
  QMenu* fileMenu() const { return fileMenu_; }
  QMenu* editMenu() const { return editMenu_; }

  // nullptr for an id without an action.
  QAction* action(int id) const;

  // Every command starts disabled; start-up enables them when it has finished.
  void setAllEnabled(bool enabled);
  // Greys a command while there is nothing for it to act on.
  void setGreyed(int id, bool greyed);
  // The File and Edit menus grey, while one is open, the equation commands
  // without a selected equation, the graph commands without a drawn graph
  // and Paste without a text on the clipboard. The greying holds only while
  // a menu is open: the same commands reach their owners by key, which
  // decide for themselves.
  void greyForOpenMenu(bool open, bool equationSelected, bool graphDrawn);
  // Undo and Redo name the change they would undo or redo ("Und&o Paste");
  // an empty name leaves the item's bare text.
  void setUndoNames(const QString& undoName, const QString& redoName);

  // The recent-file items, then a separator when there are any, then Exit.
  void setRecentFiles(const std::vector<RecentFileMenuItem>& items);

 signals:
  void command(int id);

 private:
  QAction* makeAction(int id);

  QMenuBar* menuBar_;
  QMenu* fileMenu_ = nullptr;
  QMenu* editMenu_ = nullptr;
  QAction* recentFilesStart_;
  std::map<int, QAction*> actions_;
  std::set<int> greyedRecentFiles_;
  bool enabled_ = false;
};

}  // namespace rv

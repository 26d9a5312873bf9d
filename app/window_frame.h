#pragma once

#include <QObject>

class QMenuBar;
class QProgressBar;
class QTabWidget;
class QWidget;

namespace rv {

class DataTab;
class EquationsTab;
class GraphTab;
class StatusBar;

// What the main window shows around its commands: the tabs Data, Equations
// and Graph with the menu bar in their corner, the status bar and the
// progress bar inside it, laid out in the window and placed in the middle of
// the desktop. The pages stay empty until start-up puts each tab in its page.
class WindowFrame : public QObject {
  Q_OBJECT
 public:
  static constexpr int kWidth = 632;
  static constexpr int kHeight = 448;
  static constexpr int kStatusBarId = 102;
  static constexpr int kProgressBarId = 103;
  static constexpr int kDataPage = 0;
  static constexpr int kEquationsPage = 1;
  static constexpr int kGraphPage = 2;

  WindowFrame(QWidget* window, QMenuBar* menuBar);

  // Each tab goes into its page and is shown at once, so that the focus can
  // go to the grid before start-up ends.
  void putInPage(DataTab* tab);
  void putInPage(EquationsTab* tab);
  void putInPage(GraphTab* tab);

  QTabWidget* tabs() const { return tabs_; }
  StatusBar* statusBar() const { return status_; }
  QProgressBar* progressBar() const { return progress_; }
  DataTab* dataTab() const { return dataTab_; }
  EquationsTab* equationsTab() const { return equationsTab_; }
  GraphTab* graphTab() const { return graphTab_; }

 signals:
  // The user went from one page to another.
  void pageChanged(int left, int entered);

 protected:
  // The progress bar follows the status bar's width.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void addPage(const char* label, int toolTip);
  void placeInWorkArea(QWidget* window) const;

  QTabWidget* tabs_;
  StatusBar* status_;
  QProgressBar* progress_;
  DataTab* dataTab_ = nullptr;
  EquationsTab* equationsTab_ = nullptr;
  GraphTab* graphTab_ = nullptr;
  int currentPage_ = kDataPage;
};

}  // namespace rv

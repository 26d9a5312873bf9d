#include "app/window_frame.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QMenuBar>
#include <QProgressBar>
#include <QScreen>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "graph/ui/graph_tab.h"
#include "regress/ui/equations_tab.h"
#include "sheet/ui/data_tab.h"
#include "widgets/control_id.h"
#include "widgets/status_bar.h"
#include "widgets/tooltips.h"

namespace rv {

namespace {

constexpr int kProgressRange = 1070;
// How far the progress bar stands when the window is first shown.
constexpr int kFirstStageProgress = 20;

// The window's own margins around the tabs and the status bar, and the gap
// between them.
constexpr QMargins kWindowMargins(2, 1, 2, 0);
constexpr int kTabsToStatusBar = 2;
// The window keeps this far inside the desktop's work area, whose size is
// taken as this when no screen is known.
constexpr int kWorkAreaInset = 8;
constexpr QRect kWorkAreaWithoutScreen(0, 0, 800, 600);
// The progress bar sits in the status bar right of its panes, this far from
// the bar's top and this high; it is as wide as the status bar less this,
// which leaves the size grip free.
constexpr int kProgressTop = 4;
constexpr int kProgressHeight = 16;
constexpr int kProgressWidthLess = 151;

struct PageDef {
  const char* label;
  int toolTip;
};

// The pages, in the order of their indices.
constexpr PageDef kPages[] = {
    {"&Data", kTipEnterData},
    {"E&quations", kTipRegressEquations},
    {"&Graph", kTipDrawGraph},
};

void PutIntoPage(QWidget* page, QWidget* content) {
  page->layout()->addWidget(content);
  content->show();
}

}  // namespace

WindowFrame::WindowFrame(QWidget* window, QMenuBar* menuBar) : QObject(window) {
  tabs_ = new QTabWidget(window);
  tabs_->setObjectName(QStringLiteral("tabs"));
  tabs_->setCornerWidget(menuBar, Qt::TopLeftCorner);
  tabs_->setStyleSheet(QStringLiteral("QTabWidget::tab-bar { alignment: right; }"));
  for (const PageDef& page : kPages) addPage(page.label, page.toolTip);
  connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) {
    const int left = currentPage_;
    currentPage_ = index;
    emit pageChanged(left, index);
  });

  status_ = new StatusBar(window);
  SetControlId(status_, kStatusBarId);
  AddTooltip(status_, kTipStatusBar);
  status_->installEventFilter(this);
  progress_ = new QProgressBar(status_);
  SetControlId(progress_, kProgressBarId);
  progress_->setRange(0, kProgressRange);
  progress_->setValue(kFirstStageProgress);
  progress_->setTextVisible(false);

  auto* layout = new QVBoxLayout(window);
  layout->setContentsMargins(kWindowMargins);
  layout->setSpacing(kTabsToStatusBar);
  layout->addWidget(tabs_, 1);
  layout->addWidget(status_);
  placeInWorkArea(window);
}

void WindowFrame::addPage(const char* label, int toolTip) {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(0, 0, 0, 0);
  const int index = tabs_->addTab(page, QString::fromLatin1(label));
  tabs_->setTabToolTip(index, ToolTipText(toolTip));
}

void WindowFrame::placeInWorkArea(QWidget* window) const {
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QRect workArea = screen != nullptr ? screen->availableGeometry() : kWorkAreaWithoutScreen;
  const QSize size(std::min(workArea.width() - kWorkAreaInset, kWidth),
                   std::min(workArea.height() - kWorkAreaInset, kHeight));
  window->resize(size);
  window->move(workArea.x() + (workArea.width() - size.width()) / 2,
               workArea.y() + (workArea.height() - size.height()) / 2);
}

void WindowFrame::putInPage(DataTab* tab) {
  dataTab_ = tab;
  PutIntoPage(tabs_->widget(kDataPage), tab);
}

void WindowFrame::putInPage(EquationsTab* tab) {
  equationsTab_ = tab;
  PutIntoPage(tabs_->widget(kEquationsPage), tab);
}

void WindowFrame::putInPage(GraphTab* tab) {
  graphTab_ = tab;
  PutIntoPage(tabs_->widget(kGraphPage), tab);
}

bool WindowFrame::eventFilter(QObject* watched, QEvent* event) {
  if (watched == status_ && event->type() == QEvent::Resize)
    progress_->setGeometry(StatusBar::kPanesRight, kProgressTop, std::max(0, status_->width() - kProgressWidthLess),
                           kProgressHeight);
  return QObject::eventFilter(watched, event);
}

}  // namespace rv

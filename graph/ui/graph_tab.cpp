#include "graph/ui/graph_tab.h"

#include <QContextMenuEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <qdrawutil.h>

#include "graph/ui/graph_owner.h"
#include "graph/ui/graph_window.h"
#include "widgets/context_menu.h"
#include "widgets/control_id.h"
#include "widgets/program_fonts.h"
#include "widgets/resource_pictures.h"
#include "widgets/sticky_button.h"
#include "widgets/tooltips.h"

namespace rv {

namespace {

// The page sits 2 pixels in from the main window's client area and 24
// below its caption, and is 4 narrower and 53 lower than that area.
constexpr int kPageWidthLess = 4;
constexpr int kPageHeightLess = 53;
constexpr int kAngleIconSize = 32;

// Texts are drawn in 80-pixel columns centred on x 45.
constexpr int kColumnLeft = 5;
constexpr int kColumnWidth = 80;
constexpr int kCaptionHeight = 14;

// The page's layout: on the left a column of three sunken frames (Draw and
// Rotate; the variable list under its caption; the view angle), on the
// right the graph window's frame. What sits at the foot of the page is
// placed by its distance up from the bottom of the client area ("Up").
constexpr int kFrameLeft = 3;
constexpr int kFrameRight = 87;
constexpr int kButtonsFrameTop = 2;
constexpr int kButtonsFrameBottom = 46;
constexpr int kVariablesFrameTop = 49;
constexpr int kVariablesFrameBottomUp = 134;
constexpr int kAngleFrameTopUp = 131;
constexpr int kFramesBottomUp = 54;  // of the view angle's frame and the graph's
constexpr int kGraphFrameLeft = 90;
constexpr int kGraphFrameRightLess = 7;

constexpr QRect kDrawButton(kColumnLeft, 4, kColumnWidth, 20);
constexpr QRect kRotateButton(kColumnLeft, 24, kColumnWidth, 20);
constexpr int kSelectCaptionTop = 52;
constexpr int kVariablesCaptionTop = 66;
constexpr int kCaptionRuleY = 84;
constexpr int kListTop = 85;
constexpr int kListHeightLess = 221;
constexpr int kAngleIconLeft = 20;
constexpr int kAngleIconUp = 111;
constexpr int kAngleCaptionUp = 75;
// The two angle readings by the icon: left, distance up, width, height.
constexpr QRect kHorizontalAngle(16, 127, 32, 14);
constexpr QRect kVerticalAngle(54, 96, 30, 15);
// The graph window, inside its frame.
constexpr QPoint kGraphWindowTopLeft(92, 4);
constexpr int kGraphWindowWidthLess = 101;
constexpr int kGraphWindowHeightLess = 60;

QRect FromBottom(const QRect& place, int clientHeight) {
  return {place.x(), clientHeight - place.y(), place.width(), place.height()};
}

void SunkenFrame(QPainter& painter, const QPoint& topLeft, const QPoint& bottomRight, const QPalette& palette) {
  qDrawShadePanel(&painter, QRect(topLeft, bottomRight), palette, true, 1);
}

QString AngleText(int position) { return QString::number(position - kMaxAnglePosition / 2); }

// An entry is a tab and the variable's name; the tab stands for a small indent.
QString EntryText(const GraphVariableEntry& entry) {
  QString text = QString::fromStdString(entry.text);
  if (text.startsWith(QLatin1Char('\t'))) text.replace(0, 1, QStringLiteral("  "));
  return text;
}

}  // namespace

GraphTab::GraphTab(GraphTabContext context, QWidget* parent) : QWidget(parent), context_(context) {
  setObjectName(QStringLiteral("GrphTab"));
  setFont(DialogFont());
  draw_ = new QPushButton(QStringLiteral("Dra&w"), this);
  SetControlId(draw_, kDrawId);
  AddTooltip(draw_, kTipDrawGraph);
  draw_->setAutoDefault(false);
  rotate_ = new StickyButton(QStringLiteral("&Rotate"), kRotateId, this);
  AddTooltip(rotate_, kTipRotateGraph);
  // The main window's accelerators Alt+W and Alt+R press the buttons; keys
  // of their own would make them ambiguous.
  draw_->setShortcut(QKeySequence());
  rotate_->setShortcut(QKeySequence());
  connect(draw_, &QPushButton::clicked, this, &GraphTab::drawPressed);
  connect(rotate_, &StickyButton::command, this, &GraphTab::rotatePressed);

  list_ = new QListWidget(this);
  SetControlId(list_, kVariableListId);
  AddTooltip(list_, kTipGraphVariables);
  list_->setSelectionMode(QAbstractItemView::MultiSelection);
  connect(list_, &QListWidget::itemSelectionChanged, this, &GraphTab::variablesSelected);

  window_ = new GraphWindow(context_.graph, context_.session, context_.owner, this);
  connect(window_, &GraphWindow::anglesChanged, this, &GraphTab::showAngles);
  connect(window_, &GraphWindow::graphPrepared, this, &GraphTab::showNewGraph);

  horizontalAngle_ = new QLabel(this);
  horizontalAngle_->setObjectName(QStringLiteral("HorizontalAngle"));
  horizontalAngle_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  verticalAngle_ = new QLabel(this);
  verticalAngle_->setObjectName(QStringLiteral("VerticalAngle"));
  verticalAngle_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  verticalAngle_->setIndent(2);

  rotation_ = new QTimer(this);
  rotation_->setObjectName(QStringLiteral("RotationTimer"));
  rotation_->setInterval(kRotationPeriodMs);
  connect(rotation_, &QTimer::timeout, this, &GraphTab::rotationTick);
  showAngles();
}

int GraphTab::clientWidth() const { return width() + kPageWidthLess; }
int GraphTab::clientHeight() const { return height() + kPageHeightLess; }

void GraphTab::pressDraw() { draw_->click(); }

void GraphTab::pressRotate() { rotate_->click(); }

// Draw while the graph turns only stops it.
void GraphTab::drawPressed() {
  if (rotating_) {
    stopRotation();
    return;
  }
  if (context_.owner.prepareGraph(true)) showNewGraph();
}

// The button has just changed its state; it stays pressed while the graph turns.
void GraphTab::rotatePressed() {
  if (rotating_) {
    stopRotation();
    return;
  }
  if (context_.owner.prepareGraph(true)) {
    showNewGraph();
    rotating_ = true;
    rotation_->start();
    window_->setRotating(true);
  }
  rotate_->setPressed(rotating_);
}

void GraphTab::stopRotation() {
  if (!rotating_) return;
  rotation_->stop();
  rotating_ = false;
  rotate_->setPressed(false);
  window_->setRotating(false);
  window_->showAnglePositions();
  showAngles();
}

// The scroll bar's thumb stays where it was while the graph turns.
void GraphTab::rotationTick() {
  context_.owner.stepRotation();
  showAngles();
  window_->redraw();
}

void GraphTab::showNewGraph() {
  window_->showAnglePositions();
  showAngles();
  window_->redraw();
}

void GraphTab::showGraph() {
  if (!context_.session.graphDrawn) stopRotation();
  showNewGraph();
}

// The angles show at once, not with the next paint of the page; without a
// graph there is no angle to show.
void GraphTab::showAngles() {
  const bool drawn = context_.session.graphDrawn;
  horizontalAngle_->setText(drawn ? AngleText(context_.graph.view.horizontalPosition) : QString());
  verticalAngle_->setText(drawn ? AngleText(context_.graph.view.verticalPosition) : QString());
  horizontalAngle_->repaint();
  verticalAngle_->repaint();
}

void GraphTab::showVariables() {
  const QSignalBlocker quiet(list_);
  list_->clear();
  for (const GraphVariableEntry& entry : context_.session.graphVariables) {
    auto* item = new QListWidgetItem(EntryText(entry), list_);
    item->setSelected(entry.selected);
  }
}

void GraphTab::variablesSelected() {
  std::vector<bool> selected;
  for (int row = 0; row < list_->count(); ++row) selected.push_back(list_->item(row)->isSelected());
  context_.owner.selectGraphVariables(selected);
}

void GraphTab::focusVariableList() { list_->setFocus(); }

void GraphTab::contextMenuEvent(QContextMenuEvent* event) {
  ShowContextMenu(this, event->globalPos(), [this](int id) { emit commandRequested(id); });
}

void GraphTab::paintEvent(QPaintEvent*) {
  const int w = clientWidth();
  const int h = clientHeight();
  QPainter painter(this);
  SunkenFrame(painter, {kFrameLeft, kButtonsFrameTop}, {kFrameRight, kButtonsFrameBottom}, palette());
  SunkenFrame(painter, {kFrameLeft, kVariablesFrameTop}, {kFrameRight, h - kVariablesFrameBottomUp}, palette());
  SunkenFrame(painter, {kFrameLeft, h - kAngleFrameTopUp}, {kFrameRight, h - kFramesBottomUp}, palette());
  SunkenFrame(painter, {kGraphFrameLeft, kButtonsFrameTop}, {w - kGraphFrameRightLess, h - kFramesBottomUp},
              palette());
  painter.setPen(palette().color(QPalette::WindowText));
  const auto caption = [&painter](int top, const QString& text) {
    painter.drawText(QRect(kColumnLeft, top, kColumnWidth, kCaptionHeight), Qt::AlignHCenter | Qt::AlignTop, text);
  };
  caption(kSelectCaptionTop, QStringLiteral("Select"));
  caption(kVariablesCaptionTop, QStringLiteral("Variables"));
  caption(h - kAngleCaptionUp, QStringLiteral("View Angle"));
  painter.setPen(palette().color(QPalette::Dark));
  painter.drawLine(kColumnLeft, kCaptionRuleY, kColumnLeft + kColumnWidth, kCaptionRuleY);
  painter.drawPixmap(kAngleIconLeft, h - kAngleIconUp,
                     ResourcePicture(QStringLiteral("GARW"), QSize(kAngleIconSize, kAngleIconSize)));
}

void GraphTab::resizeEvent(QResizeEvent*) {
  const int w = clientWidth();
  const int h = clientHeight();
  draw_->setGeometry(kDrawButton);
  rotate_->setGeometry(kRotateButton);
  list_->setGeometry(kColumnLeft, kListTop, kColumnWidth, std::max(0, h - kListHeightLess));
  horizontalAngle_->setGeometry(FromBottom(kHorizontalAngle, h));
  verticalAngle_->setGeometry(FromBottom(kVerticalAngle, h));
  window_->setClientSize(w, h);
  window_->setGeometry(kGraphWindowTopLeft.x(), kGraphWindowTopLeft.y(), std::max(0, w - kGraphWindowWidthLess),
                       std::max(0, h - kGraphWindowHeightLess));
}

}  // namespace rv

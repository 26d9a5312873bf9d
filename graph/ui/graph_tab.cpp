#include "graph/ui/graph_tab.h"

#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
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

// A coordinate on the client area: from its left or top edge, or back from
// its right or bottom edge, which follow the window's size.
struct Edge {
  int distance;
  bool fromFar = false;
  constexpr int in(int extent) const { return fromFar ? extent - distance : distance; }
};
constexpr Edge Far(int distance) { return {distance, true}; }

// A part of the page by its four edges; the right and bottom edges lie just
// past it. A part squeezed to nothing has no width or height.
struct Place {
  Edge left, top, right, bottom;
  QRect in(int clientWidth, int clientHeight) const {
    const int x = left.in(clientWidth);
    const int y = top.in(clientHeight);
    return {x, y, std::max(0, right.in(clientWidth)-x), std::max(0, bottom.in(clientHeight)-y)};
  }
};

// On the left a column of three sunken frames (Draw and Rotate; the
// variable list under its captions; the view angle), on the right the graph
// window's frame. A frame's right and bottom edges are its last pixels.
constexpr Place kFrames[] = {
    {{3}, {2}, {87}, {46}},
    {{3}, {49}, {87}, Far(134)},
    {{3}, Far(131), {87}, Far(54)},
    {{90}, {2}, Far(7), Far(54)},
};

// Texts are drawn in 80-pixel columns centred on x 45.
constexpr int kColumnLeft = 5;
constexpr int kColumnRight = 85;
constexpr int kCaptionHeight = 14;
constexpr struct {
  Edge top;
  const char* text;
} kCaptions[] = {{{52}, "Select"}, {{66}, "Variables"}, {Far(184), "Y Range"}, {Far(75), "View Angle"}};
// The rules under the captions of the variable list and above the Y range.
constexpr int kCaptionRuleY = 84;
constexpr Edge kYRangeRuleY = Far(187);

constexpr Place kDrawButton{{kColumnLeft}, {4}, {kColumnRight}, {24}};
constexpr Place kRotateButton{{kColumnLeft}, {24}, {kColumnRight}, {44}};
constexpr Place kVariableList{{kColumnLeft}, {85}, {kColumnRight}, Far(190)};
// The Y range's maximum above its minimum, each behind its caption.
constexpr Place kYMaximumLabel{{kColumnLeft}, Far(168), {30}, Far(152)};
constexpr Place kYMaximumBox{{30}, Far(169), {kColumnRight}, Far(152)};
constexpr Place kYMinimumLabel{{kColumnLeft}, Far(152), {30}, Far(136)};
constexpr Place kYMinimumBox{{30}, Far(152), {kColumnRight}, Far(135)};
// The view angle's icon, with the two angle readings by it.
constexpr Place kAngleIcon{{20}, Far(111), {52}, Far(79)};
constexpr Place kHorizontalAngle{{16}, Far(127), {48}, Far(113)};
constexpr Place kVerticalAngle{{54}, Far(96), {84}, Far(81)};
// The graph window, inside its frame.
constexpr Place kGraphWindow{{92}, {4}, Far(9), Far(56)};

void SunkenFrame(QPainter& painter, const Place& frame, int clientWidth, int clientHeight, const QPalette& palette) {
  const QPoint topLeft(frame.left.in(clientWidth), frame.top.in(clientHeight));
  const QPoint bottomRight(frame.right.in(clientWidth), frame.bottom.in(clientHeight));
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

  const auto rangeBox = [this](int id, const char* caption) {
    auto* box = new QLineEdit(this);
    SetControlId(box, id);
    box->setPlaceholderText(QStringLiteral("auto"));
    box->setToolTip(QString::fromLatin1(caption));
    connect(box, &QLineEdit::textChanged, this, &GraphTab::yRangeTyped);
    return box;
  };
  yMaximum_ = rangeBox(kYMaximumId, "The top of the Y axis; empty for an automatic range");
  yMinimum_ = rangeBox(kYMinimumId, "The bottom of the Y axis; empty for an automatic range");
  yMaximumLabel_ = new QLabel(QStringLiteral("Max"), this);
  yMinimumLabel_ = new QLabel(QStringLiteral("Min"), this);

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
  // What a curve's bands are, approximate ones included, where they show.
  const CurveBands& bands = context_.graph.model.bands;
  window_->setToolTip(context_.session.graphDrawn && bands.shown() ? QString::fromStdString(bands.heading) : QString());
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
  selected.reserve(static_cast<size_t>(list_->count()));
  for (int row = 0; row < list_->count(); ++row) selected.push_back(list_->item(row)->isSelected());
  context_.owner.selectGraphVariables(selected);
}

void GraphTab::yRangeTyped() {
  context_.owner.typeYRange(yMinimum_->text().toStdString(), yMaximum_->text().toStdString());
}

void GraphTab::focusVariableList() { list_->setFocus(); }

void GraphTab::contextMenuEvent(QContextMenuEvent* event) {
  ShowContextMenu(this, event->globalPos(), [this](int id) { emit commandRequested(id); });
}

void GraphTab::paintEvent(QPaintEvent*) {
  const int w = clientWidth();
  const int h = clientHeight();
  QPainter painter(this);
  for (const Place& frame : kFrames) SunkenFrame(painter, frame, w, h, palette());
  painter.setPen(palette().color(QPalette::WindowText));
  for (const auto& caption : kCaptions)
    painter.drawText(QRect(kColumnLeft, caption.top.in(h), kColumnRight - kColumnLeft, kCaptionHeight),
                     Qt::AlignHCenter | Qt::AlignTop, QString::fromLatin1(caption.text));
  painter.setPen(palette().color(QPalette::Dark));
  painter.drawLine(kColumnLeft, kCaptionRuleY, kColumnRight, kCaptionRuleY);
  painter.drawLine(kColumnLeft, kYRangeRuleY.in(h), kColumnRight, kYRangeRuleY.in(h));
  const QRect icon = kAngleIcon.in(w, h);
  painter.drawPixmap(icon.topLeft(), ResourcePicture(QStringLiteral("GARW"), icon.size()));
}

void GraphTab::resizeEvent(QResizeEvent*) {
  const int w = clientWidth();
  const int h = clientHeight();
  draw_->setGeometry(kDrawButton.in(w, h));
  rotate_->setGeometry(kRotateButton.in(w, h));
  list_->setGeometry(kVariableList.in(w, h));
  yMaximumLabel_->setGeometry(kYMaximumLabel.in(w, h));
  yMaximum_->setGeometry(kYMaximumBox.in(w, h));
  yMinimumLabel_->setGeometry(kYMinimumLabel.in(w, h));
  yMinimum_->setGeometry(kYMinimumBox.in(w, h));
  horizontalAngle_->setGeometry(kHorizontalAngle.in(w, h));
  verticalAngle_->setGeometry(kVerticalAngle.in(w, h));
  window_->setClientSize(w, h);
  window_->setGeometry(kGraphWindow.in(w, h));
}

}  // namespace rv

#pragma once

#include <QCursor>
#include <QPoint>
#include <QWidget>
#include <optional>

#include "files/data_file_session.h"
#include "graph/glyph_set.h"
#include "graph/graph_state.h"
#include "graph/render_target.h"
#include "graph/view_state.h"

class QRubberBand;
class QScrollBar;

namespace rv {

class GraphCanvas;
class GraphOwner;

// The graph window "gphwnd": the picture of the graph with a scroll bar for
// each view angle. The picture is the renderer's frame at the canvas's size
// in device pixels, so it stays crisp on a dense screen. Scrolling moves an
// angle at once and redraws when the scroll bar is let go; a rectangle
// dragged over the picture zooms into it; a click on an empty window draws
// the graph without a word.
class GraphWindow : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kId = 420;
  static constexpr int kHorizontalPage = 12;
  static constexpr int kVerticalPage = 16;
  static constexpr int kPageStep = 10;

  GraphWindow(const GraphState& graph, const DataFileSession& session, GraphOwner& owner, QWidget* parent);

  // The main window's client area below the caption, which places the
  // square viewport.
  void setClientSize(int width, int height);
  // Draws the current view of the graph, or empties the window when there
  // is no graph.
  void redraw();
  // Both scroll bars to the view's angle positions.
  void showAnglePositions();
  // While the graph turns the rotate cursor shows and a press starts no zoom.
  void setRotating(bool rotating);

  QScrollBar* horizontalBar() const { return horizontal_; }
  QScrollBar* verticalBar() const { return vertical_; }
  GraphCanvas* canvas() const { return canvas_; }

 signals:
  // An angle position moved; the picture follows when the bar is let go.
  void anglesChanged();
  // A click on the empty window made a new graph.
  void graphPrepared();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void scrollAction(QScrollBar* bar, int action);
  void pressed(const QPoint& position);
  void moved(const QPoint& position);
  void released(const QPoint& position);
  PixelRect dragRect(const QPoint& position) const;
  Viewport viewport() const;
  void showCursor();

  const GraphState& graph_;
  const DataFileSession& session_;
  GraphOwner& owner_;
  GraphCanvas* canvas_;
  QScrollBar* horizontal_;
  QScrollBar* vertical_;
  QRubberBand* band_;
  QCursor graphCursor_;
  QCursor rotateCursor_;
  int clientWidth_ = 0;
  int clientHeight_ = 0;
  bool rotating_ = false;
  bool dragging_ = false;
  QPoint anchor_;
  // Kept from frame to frame so that a rotation frame allocates nothing;
  // the glyphs are set for the screen's device pixels.
  std::optional<RenderTarget> target_;
  GlyphSet glyphs_;
  double glyphScale_ = 0.0;
};

}  // namespace rv

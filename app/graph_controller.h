#pragma once

#include <vector>

#include "base/frame_buffer.h"
#include "files/data_file_session.h"
#include "graph/glyph_set.h"
#include "graph/graph_state.h"
#include "graph/ui/graph_owner.h"
#include "sheet/document.h"

class QWidget;

namespace rv {

class EquationController;
class FileCommands;
class GraphTab;
class PrintController;
class SheetHistory;

// The graph: what was drawn (model, view and equation text), the variable
// list of the equation it belongs to, and the commands on it (Copy, Export,
// Print, Variables). It reads the document and leaves writing the sheet to
// its owner: the graph values the Variables dialog stores and those a Draw's
// Auto Update finds reach it as steps of the sheet's history, which Undo
// takes back and which mark the sheet modified.
class GraphController : public GraphOwner {
 public:
  // Dialogs and messages are shown over window.
  GraphController(const Document& document, DataFileSession& session, EquationController& equations,
                  PrintController& printing, SheetHistory& history, QWidget* window);

  // The Graph tab that shows the graph; the label font's glyphs are taken
  // now, once the application has started.
  void attach(GraphTab* tab);

  // The graph belongs to the equation selected when the Graph tab was last
  // shown: another selection brings its own variable list and no graph.
  void syncWithSelection();
  // No graph is drawn any more; the tab shows its empty frame.
  void forget();

  void copy();
  void exportPicture(FileCommands& files);
  void print();
  void showVariables();

  // The drawn graph as Copy Picture copies it: 640 × 640, with the equation
  // text and the border outline in their colours.
  FrameBuffer picture() const;
  const GraphState& state() const { return graph_; }

  bool prepareGraph(bool showMessages) override;
  void setAnglePositions(int horizontal, int vertical) override;
  void stepRotation() override;
  void finishZoomDrag(const PixelRect& rect, const Viewport& viewport, int pictureHeight) override;
  void selectGraphVariables(const std::vector<bool>& selected) override;
  void typeYRange(const std::string& minimum, const std::string& maximum) override;

 private:
  const Document& document_;
  DataFileSession& session_;
  EquationController& equations_;
  PrintController& printing_;
  SheetHistory& history_;
  QWidget* window_;
  GraphTab* tab_ = nullptr;
  GraphState graph_;
  GlyphSet labelGlyphs_;
  // The Y range as the Graph tab holds it, read at every Draw.
  std::string yMinimum_;
  std::string yMaximum_;
};

}  // namespace rv

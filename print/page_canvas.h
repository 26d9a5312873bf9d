#pragma once

#include <cstdint>
#include <string>

#include "base/vector_graph.h"
#include "print/job_fonts.h"
#include "print/page_geometry.h"

namespace rv {

// Where a text's x lies: at its left end, its middle or its right end. Its
// y is always the top of the font's character cell.
enum class TextAlign { Left, Centre, Right };

// A pen colour as 0xRRGGBB and a width in page units; width 0 is the
// thinnest line the device draws well.
struct PagePen {
  std::uint32_t rgb = 0x000000;
  int width = 0;
  friend bool operator==(const PagePen&, const PagePen&) = default;
};

inline constexpr PagePen kRulePen{0x000000, 0};
inline constexpr PagePen kChartFramePen{0x000000, 6};
inline constexpr PagePen kChartPointPen{0xFF0000, 0};

// What the device is opened with.
struct PrintJobSetup {
  std::string printer;
  std::string title;     // the job's name at the print system and a PDF's title: "Residuals — gas.rvd"
  std::string fileStem;  // the PDF file name offered, without ".pdf"
  bool landscape = false;
  int copies = 1;
  std::string paper;         // as PrintSettings::paper
  std::string printerMedia;  // as PrintSettings::printerMedia
  std::string sides;         // as PrintSettings::sides
  int quality = 0;           // as PrintSettings::quality
  JobFonts fonts;
};

// The surface every report draws on, in units of 1/300 inch from the
// paper's top left corner, y downward; text is black on a transparent
// background. A printer, a PDF file or a recording in the tests stands
// behind it.
class PageCanvas {
 public:
  virtual ~PageCanvas() = default;

  // Opens the document. False when it cannot be opened; the canvas has then
  // told the user why (or the user declined), and it holds nothing of the job.
  virtual bool beginJob(const PrintJobSetup& setup) = 0;
  // The page of the job begun last in page units: Letter, or the paper the
  // device prints on as large as the layout's scale makes it.
  virtual PageSize pageSize() const = 0;
  virtual void startPage() = 0;
  virtual void endPage() = 0;
  // Closes the document and releases everything the job created.
  virtual void endJob() = 0;

  virtual void drawText(int x, int y, TextAlign align, PrintFont font, const std::string& text) = 0;
  // The text as drawText places it, but only what lies between clipLeft and
  // clipRight shows: a table's cell keeps its text inside its rules.
  virtual void drawClippedText(int x, int y, TextAlign align, PrintFont font, const std::string& text, int clipLeft,
                               int clipRight) = 0;
  // How far the text reaches across the page in the font, in page units.
  virtual int textWidth(PrintFont font, const std::string& text) = 0;
  virtual void drawLine(int x1, int y1, int x2, int y2, const PagePen& pen) = 0;
  // The graph's vector picture scaled onto the square of side units whose
  // top left corner is (x, y), drawn at the device's own resolution.
  virtual void drawGraph(int x, int y, int side, const VectorGraph& graph) = 0;
};

}  // namespace rv

#pragma once

#include <string>
#include <vector>

#include "base/print_settings.h"
#include "print/page_canvas.h"
#include "print/pdf_file_name.h"
#include "sheet/document.h"

namespace rv {

// A figure printed on a line of its own: its name at the left margin, its
// value right-aligned at x = 1300, or further right where the name is wider,
// or on the next line at the body's right edge where the line has no room.
struct ReportFigure {
  std::string name;
  std::string value;
};

// A table of terms: the term column right-aligned at x = 700 and the others
// 600 units wide after it, each wider where its texts need it; a column
// after the third takes the width its texts need.
struct TermTable {
  std::vector<std::string> heading;
  std::vector<std::vector<std::string>> rows;  // as many texts as the heading
};

// A report about one equation that runs on over as many pages as it needs:
// the titles, the equation text centred and wrapped to the page, two blank
// lines, the figures (then one blank line), and the table, whose heading is
// repeated on every page it runs onto; columns the page's width cannot hold
// go on in a further block.
void PrintEquationTableReport(PageCanvas& canvas, const PrintSettings& settings, const Document& document,
                              const ReportName& report, const std::string& equationText,
                              const std::vector<ReportFigure>& figures, const TermTable& table);

}  // namespace rv

#pragma once

#include <array>
#include <string>
#include <vector>

#include "print/page_canvas.h"
#include "print/pdf_file_name.h"
#include "print/print_settings.h"
#include "sheet/document.h"

namespace rv {

// A figure printed on a line of its own: its name at the left margin, its
// value right-aligned at x = 1300, or further right where the name is wider.
struct ReportFigure {
  std::string name;
  std::string value;
};

// A table of three columns right-aligned at x = 700, 1300 and 1900.
struct TermTable {
  std::array<std::string, 3> heading;
  std::vector<std::array<std::string, 3>> rows;
};

// A report about one equation that runs on over as many pages as it needs:
// the titles, the equation text centred and wrapped to the page, two blank
// lines, the figures (then one blank line), and the table, whose heading is
// repeated on every page it runs onto.
void PrintEquationTableReport(PageCanvas& canvas, const PrintSettings& settings, const Document& document,
                              const ReportName& report, const std::string& equationText,
                              const std::vector<ReportFigure>& figures, const TermTable& table);

}  // namespace rv

#pragma once

#include <QTableView>
#include <string>
#include <vector>

namespace rv {

// One column of a report list: its width in pixels and whether its texts
// are right-aligned.
struct ReportColumn {
  int width;
  bool rightAligned;
};

class ReportRows;

// A list of rows under columns, as the statistics dialog shows its
// coefficients, residuals and standard errors: no headings of its own (the
// dialog paints them above it), grid lines, one selected row that stays
// visible when the list loses the focus, black text on white, read only.
// Its model hands out the texts of the rows in view, so that a residual
// list of many thousands of points opens and scrolls at once.
class ReportList : public QTableView {
  Q_OBJECT
 public:
  ReportList(int id, const std::vector<ReportColumn>& columns, QWidget* parent = nullptr);

  // Replaces the rows; each row holds one text per column. A column widens
  // to its longest text (by characters; digits are as wide as each other).
  void setRows(const std::vector<std::vector<std::string>>& rows);

 private:
  std::vector<ReportColumn> columns_;
  ReportRows* rows_;
};

}  // namespace rv

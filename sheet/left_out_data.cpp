#include "sheet/left_out_data.h"

#include "sheet/point_count.h"

namespace rv {

namespace {

constexpr int kLastSearchedColumn = 15;

std::string ColumnList(const std::vector<int>& columns) {
  std::string text;
  for (size_t i = 0; i < columns.size(); ++i) {
    if (i > 0) text += i + 1 == columns.size() ? " and " : ", ";
    text += DefaultColumnName(columns[i]);
  }
  return text;
}

bool HoldsValue(const SheetValues& cells, int column, int rows) {
  for (int row = 0; row < rows; ++row)
    if (!IsEmptyValue(cells[row][column])) return true;
  return false;
}

int FirstEmptyRow(const SheetValues& cells, int column, int rows) {
  for (int row = 0; row < rows; ++row)
    if (IsEmptyValue(cells[row][column])) return row;
  return rows;
}

// The last row at or below the first empty Y that holds data, -1 for none.
int LastLeftOutRow(const SheetValues& cells, int points) {
  int lastRow = -1;
  for (int row = points; row < cells.rowCount(); ++row)
    for (int column = 0; column < kSheetColumns; ++column)
      if (!IsEmptyValue(cells[row][column])) lastRow = row;
  return lastRow;
}

// Why the column takes no part, in its own words: it is empty in a point,
// or a variable before it is, or it is X16.
std::string ColumnReason(const SheetValues& cells, const PointsAndColumns& counts, int column, bool many) {
  if (column > kLastSearchedColumn) return "a search uses at most X1 to X15";
  const int points = counts.pointCount;
  if (const int row = FirstEmptyRow(cells, column, points); row < points)
    return "it is empty in row " + std::to_string(row + 1);
  const int stop = counts.columnCount;
  return std::string(many ? "they come" : "it comes") + " after " + DefaultColumnName(stop) +
         ", which is empty in row " + std::to_string(FirstEmptyRow(cells, stop, points) + 1);
}

// One sentence for each reason; columns that share one share the sentence.
std::vector<std::string> DescribeLeftOutColumns(const SheetValues& cells, const PointsAndColumns& counts,
                                                bool sigmaInX16) {
  std::vector<std::pair<std::string, std::vector<int>>> reasons;
  const int end = sigmaInX16 ? kLastSearchedColumn + 1 : kSheetColumns;
  for (int column = counts.columnCount; column < end; ++column) {
    if (!HoldsValue(cells, column, counts.pointCount)) continue;
    const std::string reason = ColumnReason(cells, counts, column, false);
    if (!reasons.empty() && reasons.back().first == reason) reasons.back().second.push_back(column);
    else reasons.push_back({reason, {column}});
  }
  std::vector<std::string> sentences;
  for (const auto& [reason, columns] : reasons) {
    const bool many = columns.size() > 1;
    sentences.push_back(ColumnList(columns) + (many ? " take" : " takes") +
                        " no part: " + ColumnReason(cells, counts, columns.front(), many));
  }
  return sentences;
}

}  // namespace

bool DataFollowsAGap(const SheetValues& cells) {
  const int points = CountPointsAndColumns(cells).pointCount;
  return LastLeftOutRow(cells, points) > points;
}

std::string DescribeLeftOutRows(const SheetValues& cells) {
  const int points = CountPointsAndColumns(cells).pointCount;
  const int lastRow = LastLeftOutRow(cells, points);
  if (lastRow < 0) return {};
  const std::string gap = std::to_string(points + 1);
  if (lastRow == points) return "Row " + gap + " takes no part: Y is empty in it";
  return "Rows " + gap + " to " + std::to_string(lastRow + 1) + " take no part: Y is empty in row " + gap;
}

std::vector<std::string> DescribeLeftOutData(const SheetValues& cells, bool sigmaInX16) {
  std::vector<std::string> sentences = DescribeLeftOutColumns(cells, CountPointsAndColumns(cells), sigmaInX16);
  if (std::string rows = DescribeLeftOutRows(cells); !rows.empty())
    sentences.insert(sentences.begin(), std::move(rows));
  return sentences;
}

std::string DescribeNoUsableX(const SheetValues& cells) {
  const PointsAndColumns counts = CountPointsAndColumns(cells);
  if (counts.columnCount > 1 || counts.pointCount == 0) return {};
  bool others = false;
  for (int column = 2; column <= kLastSearchedColumn; ++column)
    others = others || HoldsValue(cells, column, counts.pointCount);
  if (!HoldsValue(cells, 1, counts.pointCount) && !others)
    return "No X variable takes part: the rows before the first empty Y hold no X values. "
           "Put the values of an independent variable into X1.";
  const std::string gap = "X1 is empty in row " + std::to_string(FirstEmptyRow(cells, 1, counts.pointCount) + 1);
  return "No X variable takes part: " + gap +
         ", and a search uses only the X variables before the first one with an empty cell. Fill X1 in every row" +
         (others ? ", or move a variable without empty cells into X1." : ".");
}

}  // namespace rv

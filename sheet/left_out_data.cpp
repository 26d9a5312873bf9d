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

std::string DescribeLeftOutColumns(const SheetValues& cells, const PointsAndColumns& counts) {
  std::vector<int> leftOut;
  for (int column = counts.columnCount; column < kSheetColumns; ++column)
    if (HoldsValue(cells, column, counts.pointCount)) leftOut.push_back(column);
  if (leftOut.empty()) return {};
  const std::string verb = leftOut.size() == 1 ? " takes" : " take";
  if (counts.columnCount > kLastSearchedColumn)
    return ColumnList(leftOut) + verb + " no part: a search uses at most X1 to X15";
  const int stop = counts.columnCount;
  const std::string where = " is empty in row " + std::to_string(FirstEmptyRow(cells, stop, counts.pointCount) + 1);
  if (leftOut.size() == 1 && leftOut.front() == stop) return ColumnList(leftOut) + verb + " no part: it" + where;
  return ColumnList(leftOut) + verb + " no part: " + DefaultColumnName(stop) + where;
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

std::vector<std::string> DescribeLeftOutData(const SheetValues& cells) {
  std::vector<std::string> sentences;
  for (std::string sentence : {DescribeLeftOutRows(cells), DescribeLeftOutColumns(cells, CountPointsAndColumns(cells))})
    if (!sentence.empty()) sentences.push_back(std::move(sentence));
  return sentences;
}

}  // namespace rv

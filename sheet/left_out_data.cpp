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

}  // namespace

std::vector<std::string> DescribeLeftOutData(const SheetValues& cells) {
  const PointsAndColumns counts = CountPointsAndColumns(cells);
  std::vector<std::string> sentences;
  if (counts.pointCount == 0) return sentences;

  int lastRow = -1;
  for (int row = counts.pointCount; row < kSheetRows; ++row)
    for (int column = 0; column < kSheetColumns; ++column)
      if (!IsEmptyValue(cells[row][column])) lastRow = row;
  if (lastRow >= 0) {
    const std::string first = std::to_string(counts.pointCount + 2);
    const std::string last = std::to_string(lastRow + 1);
    sentences.push_back((lastRow == counts.pointCount + 1 ? "row " + last + " takes" : "rows " + first + " to " + last + " take") +
                        " no part: Y is empty in row " + std::to_string(counts.pointCount + 1) +
                        ", and a search uses only the rows before the first empty Y");
  }

  std::vector<int> leftOut;
  for (int column = counts.columnCount; column < kSheetColumns; ++column)
    if (HoldsValue(cells, column, counts.pointCount)) leftOut.push_back(column);
  if (leftOut.empty()) return sentences;
  const std::string verb = leftOut.size() == 1 ? " takes" : " take";
  if (counts.columnCount > kLastSearchedColumn) {
    sentences.push_back(ColumnList(leftOut) + verb + " no part: a search uses at most X1 to X15");
  } else {
    const int stop = counts.columnCount;
    sentences.push_back(ColumnList(leftOut) + verb + " no part: " + DefaultColumnName(stop) + " is empty in row " +
                        std::to_string(FirstEmptyRow(cells, stop, counts.pointCount) + 1) +
                        ", and a search uses only the variables before the first one with an empty cell");
  }
  return sentences;
}

}  // namespace rv

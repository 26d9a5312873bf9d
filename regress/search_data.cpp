#include "regress/search_data.h"

#include "sheet/point_count.h"

namespace rv {

SearchData TakeSearchSnapshot(const SheetValues& values) {
  const PointsAndColumns counts = CountPointsAndColumns(values);
  return SnapshotWithCounts(values, counts.pointCount, counts.columnCount);
}

SearchData SnapshotWithCounts(const SheetValues& values, int pointCount, int columnCount) {
  SearchData data;
  data.values = values;
  data.pointCount = pointCount < 0 ? 0 : (pointCount > values.rowCount() ? values.rowCount() : pointCount);
  data.columnCount = columnCount < 0 ? 0 : (columnCount > 16 ? 16 : columnCount);
  return data;
}

SearchData TakeSearchSnapshot(const Document& document) {
  SearchData data = TakeSearchSnapshot(document.sheet.cells);
  data.weighted = document.options.weightedBySigma;
  return data;
}

SearchData SnapshotWithStoredCounts(const Document& document) {
  SearchData data = SnapshotWithCounts(document.sheet.cells, document.pointCount, document.columnCount);
  data.weighted = document.options.weightedBySigma;
  return data;
}

}  // namespace rv

#pragma once

#include "sheet/data_sheet.h"
#include "sheet/document.h"

namespace rv {

// The values a search or a re-creation works on, taken from the sheet when it
// starts, so that editing the sheet meanwhile cannot change the result.
struct SearchData {
  SheetValues values;
  int pointCount = 0;   // N
  int columnCount = 0;  // K
  // Every fit weighted by 1 / sigma^2, sigma of Y in X16 (regress/y_uncertainty.h).
  bool weighted = false;

  int variableCount() const { return columnCount > 0 ? columnCount - 1 : 0; }
};

// Snapshot with N and K counted from the values.
SearchData TakeSearchSnapshot(const SheetValues& values);

// Snapshot with N and K as stored with an equation (a reopened data file).
SearchData SnapshotWithCounts(const SheetValues& values, int pointCount, int columnCount);

// A document's sheet with N and K counted, or as stored with its equation,
// weighted as its options say.
SearchData TakeSearchSnapshot(const Document& document);
SearchData SnapshotWithStoredCounts(const Document& document);

}  // namespace rv

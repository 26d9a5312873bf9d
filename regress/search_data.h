#pragma once

#include "sheet/data_sheet.h"

namespace rv {

// The values a search or a re-creation works on, taken from the sheet when it
// starts, so that editing the sheet meanwhile cannot change the result.
struct SearchData {
  SheetValues values;
  int pointCount = 0;   // N
  int columnCount = 0;  // K

  int variableCount() const { return columnCount > 0 ? columnCount - 1 : 0; }
};

// Snapshot with N and K counted from the values.
SearchData TakeSearchSnapshot(const SheetValues& values);

// Snapshot with N and K as stored with an equation (a reopened data file).
SearchData SnapshotWithCounts(const SheetValues& values, int pointCount, int columnCount);

}  // namespace rv

#include "sheet/sheet_change.h"

#include <algorithm>
#include <cstring>

namespace rv {

namespace {

bool SameRow(const SheetRow& a, const SheetRow& b) { return std::memcmp(a.data(), b.data(), sizeof a) == 0; }

}  // namespace

SheetChange::Side SheetChange::MakeSide(const DataSheet& sheet, int top, int end, int dataEnd) {
  Side side;
  side.beside = WithoutValues(sheet);
  side.rowCount = sheet.cells.rowCount();
  side.dataEnd = dataEnd;
  side.rows.assign(sheet.cells.begin() + top, sheet.cells.begin() + end);
  return side;
}

SheetChange::SheetChange(const DataSheet& before, const DataSheet& after) {
  const int beforeEnd = LastRowWithData(before.cells) + 1;
  const int afterEnd = LastRowWithData(after.cells) + 1;
  const int shared = std::min(beforeEnd, afterEnd);
  const auto row = [](const DataSheet& sheet, int index) -> const SheetRow& {
    return sheet.cells[static_cast<std::size_t>(index)];
  };
  while (top_ < shared && SameRow(row(before, top_), row(after, top_))) ++top_;
  int bottom = 0;  // rows shared at the end of the data
  while (bottom < shared - top_ && SameRow(row(before, beforeEnd - 1 - bottom), row(after, afterEnd - 1 - bottom)))
    ++bottom;
  before_ = MakeSide(before, top_, beforeEnd - bottom, beforeEnd);
  after_ = MakeSide(after, top_, afterEnd - bottom, afterEnd);
}

// The rows above top_ and the shared rows at the end of the data come from
// `from`; the changed rows between them from toSide; every row below the
// data is empty.
DataSheet SheetChange::rebuild(const DataSheet& from, const Side& fromSide, const Side& toSide) const {
  // `from` is the sheet the change was made from or to: it holds that data.
  RV_EXPECT(LastRowWithData(from.cells) + 1 == fromSide.dataEnd);
  DataSheet sheet = toSide.beside;
  sheet.cells.ensureRows(toSide.rowCount);
  std::copy(from.cells.begin(), from.cells.begin() + top_, sheet.cells.begin());
  const auto changed = std::copy(toSide.rows.begin(), toSide.rows.end(), sheet.cells.begin() + top_);
  const auto sharedEnd = from.cells.begin() + fromSide.dataEnd;
  std::copy(sharedEnd - (fromSide.dataEnd - top_ - static_cast<int>(fromSide.rows.size())), sharedEnd, changed);
  return sheet;
}

DataSheet SheetChange::before(const DataSheet& after) const { return rebuild(after, after_, before_); }

DataSheet SheetChange::after(const DataSheet& before) const { return rebuild(before, before_, after_); }

}  // namespace rv

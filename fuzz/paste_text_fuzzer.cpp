// Pasting arbitrary clipboard text at an arbitrary cell: it must never crash
// or write outside the sheet, every cell it writes holds a finite number or
// is empty, and what it reports as cut off matches where the text fell.

#include <cmath>
#include <cstdio>
#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string_view>

#include "sheet/clipboard_text.h"

namespace {

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "%s\n", what);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  // The first two bytes choose the cell the paste starts at.
  const rv::CellPosition start{data[0] % rv::kSheetRows, data[1] % rv::kSheetColumns};
  const std::string_view text(reinterpret_cast<const char*>(data + 2), size - 2);
  auto cells = std::make_unique<rv::SheetValues>();
  for (auto& row : *cells) row.fill(rv::EmptyValue);
  const rv::PasteOutcome outcome = rv::PasteText(*cells, text, start, nullptr);

  for (const rv::PastedCell& pasted : outcome.written) {
    if (pasted.cell.row < start.row || pasted.cell.row >= rv::kSheetRows || pasted.cell.column < start.column ||
        pasted.cell.column >= rv::kSheetColumns)
      Fail("a cell written outside the pasted area");
    if (!rv::IsEmptyValue(pasted.value) && !std::isfinite(pasted.value)) Fail("a cell holds no finite number");
  }
  if (outcome.rowsCut != std::max(0, start.row + outcome.textRows - rv::kSheetRows))
    Fail("rows cut off do not match the text's rows");
  if (outcome.columnsCut < 0 || outcome.columnsCut > outcome.textColumns) Fail("columns cut off out of range");
  return 0;
}

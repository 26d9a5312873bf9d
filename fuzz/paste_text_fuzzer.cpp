// Pasting arbitrary clipboard text at an arbitrary cell: it must never crash
// or write outside the sheet, every cell it writes holds a finite number or
// is empty, a refused paste writes nothing, the sheet grows to the last row
// written, and the columns it reports as cut off are within the text's. The same bytes, taken as doubles, make a
// sheet that Copy and then Paste must give back bit for bit.

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string_view>

#include "sheet/clipboard_text.h"

namespace {

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "%s\n", what);
  std::abort();
}

std::unique_ptr<rv::SheetValues> EmptySheet() { return std::make_unique<rv::SheetValues>(); }

void CheckPaste(const std::uint8_t* data, std::size_t size) {
  // The first two bytes choose the cell the paste starts at, near the top or
  // the bottom of the largest sheet, the third what becomes of a first line
  // of names.
  const int row = data[0] & 0x80 ? rv::kMaxSheetRows - (data[0] & 0x7F) - 1 : data[0];
  const rv::CellPosition start{row, data[1] % rv::kSheetColumns};
  const auto heading = static_cast<rv::PasteHeading>(data[2] % 3);
  const std::string_view text(reinterpret_cast<const char*>(data + 3), size - 3);
  auto cells = EmptySheet();
  const rv::PasteOutcome outcome = rv::PasteText(*cells, text, start, nullptr, heading);

  if (!outcome.error.empty()) {
    if (!outcome.written.empty() || *cells != *EmptySheet()) Fail("a refused paste changed the sheet");
    if (outcome.error.size() > 200) Fail("the refusal is too long");
    return;
  }
  int lastRow = rv::kSheetRows - 1;
  for (const rv::PastedCell& pasted : outcome.written) {
    lastRow = std::max(lastRow, pasted.cell.row);
    if (pasted.cell.row < start.row || pasted.cell.row >= rv::kMaxSheetRows || pasted.cell.column < start.column ||
        pasted.cell.column >= rv::kSheetColumns)
      Fail("a cell written outside the pasted area");
    if (!rv::IsEmptyValue(pasted.value) && !std::isfinite(pasted.value)) Fail("a cell holds no finite number");
  }
  for (const rv::PastedName& name : outcome.names)
    if (name.column < start.column || name.column >= rv::kSheetColumns) Fail("a name given outside the sheet");
  if (cells->rowCount() != lastRow + 1) Fail("the sheet did not grow to the last row written");
  if (outcome.columnsCut < 0 || outcome.columnsCut > outcome.textColumns) Fail("columns cut off out of range");
}

void CheckCopyRoundTrip(const std::uint8_t* data, std::size_t size) {
  auto cells = EmptySheet();
  const std::size_t values = std::min(size / 8, static_cast<std::size_t>(rv::kSheetRows * rv::kSheetColumns));
  for (std::size_t i = 0; i < values; ++i) {
    double value = 0.0;
    std::memcpy(&value, data + 8 * i, 8);
    if (std::isfinite(value)) (*cells)[i / rv::kSheetColumns][i % rv::kSheetColumns] = value;
  }
  const std::string text = rv::CopyText(*cells, rv::CellRange::WholeSheet());
  auto pasted = EmptySheet();
  if (!rv::PasteText(*pasted, text, {0, 0}, nullptr).error.empty()) Fail("a copied sheet is refused");
  for (int r = 0; r < rv::kSheetRows; ++r)
    for (int c = 0; c < rv::kSheetColumns; ++c)
      if (std::bit_cast<std::uint64_t>((*pasted)[r][c]) != std::bit_cast<std::uint64_t>((*cells)[r][c]))
        Fail("copy and paste changed a value");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 3) return 0;
  CheckPaste(data, size);
  CheckCopyRoundTrip(data, size);
  return 0;
}

#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "sheet/data_sheet.h"

// A sheet longer than the fixed block's 99 rows keeps its other rows in an
// extension right behind the block's 16,370 bytes. A sheet whose rows past
// the 99th are all empty has none: its file is the block alone.
//
//   offset  size            content
//   0       8               tag "RVDROWS\x1A"
//   8       4               version, 1
//   12      4               R, the rows of the whole sheet, 100 to 100,000
//   16      136 * (R - 99)  rows 100 to R, 17 little-endian doubles each
//   end-8   8               FNV-1a 64 of every byte of the extension before it
//
// Integers are unsigned and little-endian, like the block's. Offsets are from
// the end of the block.
namespace rv::data_file {

inline constexpr std::string_view kExtensionTag{"RVDROWS\x1A", 8};
inline constexpr std::uint32_t kExtensionVersion = 1;
inline constexpr std::size_t kExtensionVersionOffset = 8;
inline constexpr std::size_t kExtensionRowCount = 12;
inline constexpr std::size_t kExtensionCells = 16;
inline constexpr std::size_t kExtensionChecksumSize = 8;
inline constexpr std::size_t kRowBytes = kSheetColumns * 8;

// The extension's size for a sheet of rowCount rows; 0 for one of 99.
constexpr std::size_t ExtensionSize(int rowCount) {
  if (rowCount <= kSheetRows) return 0;
  return kExtensionCells + static_cast<std::size_t>(rowCount - kSheetRows) * kRowBytes + kExtensionChecksumSize;
}

// The rows a data file stores: up to the last one holding a value, at least 99.
int StoredRowCount(const SheetValues& cells);

// Appends the extension for the stored rows past the 99th, if any.
void AppendExtension(std::vector<std::uint8_t>& image, const SheetValues& cells);

// The size a rows' extension at the start of these bytes gives itself by its
// row count; 0 when the bytes are too short to tell.
std::size_t StoredExtensionSize(std::span<const std::uint8_t> bytes);

// Reads an extension (every byte of it) into the cells. False,
// with the cells untouched, when any part of it is wrong: tag, version,
// row count, length or checksum.
bool ReadExtension(std::span<const std::uint8_t> extension, SheetValues& cells);

}  // namespace rv::data_file

#include "files/data_file_extension.h"

#include <algorithm>
#include <cmath>

#include "base/fnv1a.h"
#include "files/byte_fields.h"

namespace rv::data_file {

int StoredRowCount(const SheetValues& cells) { return std::max(LastRowWithData(cells) + 1, kSheetRows); }

void AppendExtension(std::vector<std::uint8_t>& image, const SheetValues& cells) {
  const int rows = StoredRowCount(cells);
  if (rows == kSheetRows) return;
  const std::size_t start = image.size();
  image.resize(start + ExtensionSize(rows));
  const std::span<std::uint8_t> extension = std::span(image).subspan(start);
  std::copy(kExtensionTag.begin(), kExtensionTag.end(), extension.begin());
  PutUint32(extension, kExtensionVersionOffset, kExtensionVersion);
  PutUint32(extension, kExtensionRowCount, static_cast<std::uint32_t>(rows));
  std::size_t offset = kExtensionCells;
  for (int row = kSheetRows; row < rows; ++row)
    for (const double value : cells[static_cast<std::size_t>(row)]) {
      PutDouble(extension, offset, value);
      offset += 8;
    }
  PutUint64(extension, offset, Fnv1a64(extension.first(offset)));
}

std::size_t StoredExtensionSize(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < kExtensionCells) return 0;
  const std::uint32_t rows = GetUint32(bytes, kExtensionRowCount);
  if (rows <= kSheetRows || rows > kMaxSheetRows) return bytes.size();
  return ExtensionSize(static_cast<int>(rows));
}

bool ReadExtension(std::span<const std::uint8_t> extension, SheetValues& cells) {
  if (extension.size() < kExtensionCells + kExtensionChecksumSize) return false;
  if (!std::equal(kExtensionTag.begin(), kExtensionTag.end(), extension.begin())) return false;
  if (GetUint32(extension, kExtensionVersionOffset) != kExtensionVersion) return false;
  const std::uint32_t rows = GetUint32(extension, kExtensionRowCount);
  if (rows <= kSheetRows || rows > kMaxSheetRows) return false;
  if (extension.size() != ExtensionSize(static_cast<int>(rows))) return false;
  const std::size_t checked = extension.size() - kExtensionChecksumSize;
  if (GetUint64(extension, checked) != Fnv1a64(extension.first(checked))) return false;
  cells.ensureRows(static_cast<int>(rows));
  std::size_t offset = kExtensionCells;
  for (std::size_t row = kSheetRows; row < rows; ++row)
    for (double& value : cells[row]) {
      const double stored = GetDouble(extension, offset);
      value = std::isfinite(stored) ? stored : EmptyValue;
      offset += 8;
    }
  return true;
}

}  // namespace rv::data_file

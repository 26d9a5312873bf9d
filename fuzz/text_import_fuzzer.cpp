// Any bytes as a text of measurements, read with options the first byte
// chooses and with those detected: it must never crash; a refusal is short;
// an accepted reading holds at most the rows asked for, every cell a finite
// number or empty, and every name within a variable's eight characters.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "files/text_import.h"

namespace {

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "%s\n", what);
  std::abort();
}

int Characters(const std::string& text) {
  int count = 0;
  for (char c : text) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
  return count;
}

void Check(std::string_view text, const rv::TextImportOptions& options) {
  const rv::TextImport read = rv::ImportText(text, options, 5);
  if (read.error.size() > 200) Fail("the refusal is too long");
  if (!read.error.empty()) return;
  if (read.rowsRead > options.maxRows || read.rowsRead > rv::kMaxSheetRows) Fail("more rows than asked for");
  if (read.firstRows.size() > 5) Fail("a longer preview than asked for");
  for (const auto& row : read.values)
    for (double value : row)
      if (!rv::IsEmptyValue(value) && !std::isfinite(value)) Fail("a cell holds no finite number");
  for (const std::string& name : read.names)
    if (Characters(name) > rv::kMaxNameLength) Fail("a name longer than a variable's");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
  Check(text, rv::DetectTextImportOptions(text));
  rv::TextImportOptions options;
  static constexpr char kSeparators[] = {',', ';', '\t', ' '};
  options.separator = kSeparators[data[0] & 3];
  options.decimalComma = (data[0] & 4) != 0;
  options.namesLine = (data[0] & 8) != 0;
  options.skipLines = (data[0] >> 4) & 3;
  options.dropIncomplete = (data[0] & 64) != 0;
  options.keepFirstRows = (data[0] & 128) != 0;
  options.maxRows = 1 + data[0] % rv::kSheetRows;
  Check(text, options);
  return 0;
}

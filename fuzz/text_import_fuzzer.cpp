// Any bytes as a text of measurements, read with the options detected and
// with options the first two bytes choose, roles chosen as the import
// dialog chooses them: it must never crash; a refusal is short; the X
// variables chosen have no holes; an accepted reading holds at most the rows
// asked for, every cell a finite number or empty, and every name within a
// variable's eight characters. The same bytes, whole, as a .csv and a .tsv
// file read strictly, as the program exports a sheet: a refusal says what is
// wrong in a few words, and an accepted sheet writes back to text that reads
// as the same sheet, bit for bit.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "files/delimited_text.h"
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
  if (read.error.size() > 300) Fail("the refusal is too long");
  if (!read.error.empty()) return;
  if (read.rowsRead > options.maxRows || read.rowsRead > rv::kMaxSheetRows) Fail("more rows than asked for");
  if (read.firstRows.size() > 5) Fail("a longer preview than asked for");
  for (const auto& row : read.values)
    for (double value : row)
      if (!rv::IsEmptyValue(value) && !std::isfinite(value)) Fail("a cell holds no finite number");
  for (const std::string& name : read.names)
    if (Characters(name) > rv::kMaxNameLength) Fail("a name longer than a variable's");
}

// X1 ... Xm, each once, and nothing beyond.
void CheckNoHoles(const std::vector<int>& roles) {
  std::vector<int> seen(rv::kSheetColumns, 0);
  for (int role : roles)
    if (role >= 0) ++seen[static_cast<size_t>(role)];
  bool ended = false;
  for (int role = 1; role < rv::kSheetColumns; ++role) {
    if (seen[static_cast<size_t>(role)] > 1 || (ended && seen[static_cast<size_t>(role)] > 0))
      Fail("the X variables have a hole or a twin");
    ended = ended || seen[static_cast<size_t>(role)] == 0;
  }
}

void CheckExportedSheet(std::string_view text, char separator) {
  const rv::Outcome<rv::SheetValues> parsed = rv::ParseDelimitedText(text, separator);
  if (!parsed) {
    if (parsed.message().text.empty()) Fail("a refusal without a message");
    if (parsed.message().text.size() > 300) Fail("an error message that quotes too much");
    return;
  }
  const rv::Outcome<rv::SheetValues> again =
      rv::ParseDelimitedText(rv::FormatDelimitedText(*parsed, separator), separator);
  if (!again || !SameBits(*parsed, *again)) Fail("an accepted sheet does not read back as itself");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  CheckExportedSheet(std::string_view(reinterpret_cast<const char*>(data), size), ',');
  CheckExportedSheet(std::string_view(reinterpret_cast<const char*>(data), size), '\t');
  if (size < 2) return 0;
  const std::string_view text(reinterpret_cast<const char*>(data + 2), size - 2);
  rv::TextImportOptions detected = rv::DetectTextImportOptions(text);
  Check(text, detected);

  rv::TextImportOptions options;
  static constexpr char kSeparators[] = {',', ';', '\t', ' '};
  options.separator = kSeparators[data[0] & 3];
  options.number.decimal = (data[0] & 4) != 0 ? rv::DecimalSign::Comma : rv::DecimalSign::Point;
  options.number.thousands = static_cast<rv::ThousandsSeparator>(data[1] % 5);
  options.namesLine = (data[0] >> 3) & 3;
  options.skipLines = (data[0] >> 5) & 1;
  options.dropIncomplete = (data[0] & 64) != 0;
  options.keepFirstRows = (data[0] & 128) != 0;
  options.commentMark = (data[1] & 8) != 0 ? "%" : "";
  options.maxRows = 1 + data[1] % rv::kSheetRows;
  // A few choices of roles, as a user clicks through the dialog.
  std::vector<int> roles = rv::ImportText(text, options).roles;
  for (int i = 0; i < (data[1] >> 4); ++i) {
    roles = rv::ChooseColumnRole(roles, (data[1] + 3 * i) % 20, (data[0] + 5 * i) % 18 - 1);
    CheckNoHoles(roles);
  }
  options.roles = roles;
  Check(text, options);
  return 0;
}

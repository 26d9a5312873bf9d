// The .csv and .tsv reader on arbitrary bytes: it must never crash, an error
// must name its place and stay short, and a sheet it accepts must write back
// to text that reads as the same sheet, bit for bit.

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "files/delimited_text.h"

namespace {

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "%s\n", what);
  std::abort();
}

void Check(std::string_view text, char delimiter) {
  const rv::Outcome<rv::SheetValues> parsed = rv::ParseDelimitedText(text, delimiter);
  if (!parsed) {
    if (parsed.message().text.empty()) Fail("a refusal without a message");
    if (parsed.message().text.size() > 300) Fail("an error message that quotes too much");
    return;
  }
  const rv::Outcome<rv::SheetValues> again =
      rv::ParseDelimitedText(rv::FormatDelimitedText(*parsed, delimiter), delimiter);
  if (!again || !SameBits(*parsed, *again)) Fail("an accepted sheet does not read back as itself");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  Check(text, ',');
  Check(text, '\t');
  return 0;
}

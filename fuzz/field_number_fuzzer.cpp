// Any bytes as a field of imported or pasted text, read in every number
// format: it must never crash; a number read is finite; a number read with
// a decimal point and no grouping is the one the C library reads from the
// same text with its exponent written E; and the text Copy writes for any
// number read gives back the very same double.

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "sheet/field_number.h"

namespace {

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "%s\n", what);
  std::abort();
}

bool SameBits(double a, double b) { return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view field(reinterpret_cast<const char*>(data), size);
  for (rv::DecimalSign decimal : {rv::DecimalSign::Point, rv::DecimalSign::Comma})
    for (int thousands = 0; thousands < 5; ++thousands) {
      const std::optional<double> value =
          rv::ReadFieldNumber(field, {decimal, static_cast<rv::ThousandsSeparator>(thousands)});
      if (!value) continue;
      if (!std::isfinite(*value)) Fail("a number that is not finite");
      const std::optional<double> back = rv::ReadFieldNumber(rv::CopiedNumberText(*value));
      if (!back || !SameBits(*back, *value)) Fail("the copied text does not read back as the number");
    }
  const std::optional<double> plain = rv::ReadFieldNumber(field);
  if (!plain) return 0;
  std::string text(rv::TrimField(field));
  for (char& c : text)
    if (c == 'd' || c == 'D') c = 'e';
  char* end = nullptr;
  const double library = std::strtod(text.c_str(), &end);
  if (end != text.c_str() + text.size() || !SameBits(library, *plain)) Fail("the number differs from strtod's");
  return 0;
}

#include "sheet/cell_entry.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

#include "sheet/empty_value.h"

namespace rv {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// from_chars refuses a number beyond the double range without saying which
// way it failed; the decimal magnitude of the matched text tells overflow
// (which reads as infinite) from underflow (which reads as zero).
bool Overflows(std::string_view number) {
  size_t i = 0;
  int magnitude = 0;
  bool seenNonZero = false;
  bool afterPoint = false;
  for (; i < number.size() && (IsDigit(number[i]) || number[i] == '.'); ++i) {
    if (number[i] == '.') {
      afterPoint = true;
    } else if (!seenNonZero && number[i] != '0') {
      seenNonZero = true;
      if (afterPoint) --magnitude;
    } else if (seenNonZero && !afterPoint) {
      ++magnitude;
    } else if (!seenNonZero && afterPoint) {
      --magnitude;
    }
  }
  long exponent = 0;
  bool negativeExponent = false;
  if (i < number.size() && (number[i] == 'e' || number[i] == 'E')) {
    ++i;
    if (i < number.size() && (number[i] == '+' || number[i] == '-')) negativeExponent = number[i++] == '-';
    for (; i < number.size() && IsDigit(number[i]); ++i)
      if (exponent < 100000) exponent = exponent * 10 + (number[i] - '0');
  }
  return magnitude + (negativeExponent ? -exponent : exponent) > 0;
}

}  // namespace

bool IsAcceptedCellCharacter(char character) {
  return IsDigit(character) || character == '+' || character == '-' || character == '.' || character == 'E' ||
         character == 'e';
}

double ReadLeadingNumber(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && IsSpace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  // from_chars takes a minus sign of its own; a second sign is no number.
  if (i >= text.size() || text[i] == '+' || text[i] == '-') return 0.0;
  const char* first = text.data() + i;
  const char* last = text.data() + text.size();
  double value = 0.0;
  const auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
  if (error == std::errc::invalid_argument) return 0.0;
  if (error == std::errc::result_out_of_range)
    value = Overflows(std::string_view(first, static_cast<size_t>(end - first)))
                ? std::numeric_limits<double>::infinity()
                : 0.0;
  return negative ? -value : value;
}

double CellValueFromText(std::string_view text) {
  if (text.empty()) return EmptyValue;
  const double value = ReadLeadingNumber(text);
  return std::isfinite(value) ? value : EmptyValue;
}

std::optional<double> ValueFromWholeText(std::string_view text) {
  while (!text.empty() && IsSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsSpace(text.back())) text.remove_suffix(1);
  if (text.empty()) return EmptyValue;
  // from_chars takes a minus sign but no plus; a sign after a plus is no number.
  if (text.front() == '+') {
    text.remove_prefix(1);
    if (text.empty() || text.front() == '+' || text.front() == '-') return std::nullopt;
  }
  double value = 0.0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
  if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) return std::nullopt;
  return value;
}

}  // namespace rv

#include "sheet/value_text.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdarg>
#include <cstdio>

namespace rv {

std::string FormatText(const char* format, ...) {
  va_list args;
  va_start(args, format);
  va_list copy;
  va_copy(copy, args);
  const int length = std::vsnprintf(nullptr, 0, format, copy);
  va_end(copy);
  std::string text(length > 0 ? static_cast<size_t>(length) : 0, '\0');
  if (length > 0) std::vsnprintf(text.data(), text.size() + 1, format, args);
  va_end(args);
  return text;
}

std::string TwoDigitExponent(std::string text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    out.push_back(text[i]);
    const bool exponentMark =
        (text[i] == 'E' || text[i] == 'e') && i + 1 < text.size() && (text[i + 1] == '+' || text[i + 1] == '-');
    if (!exponentMark || i == 0 || !(std::isdigit(static_cast<unsigned char>(text[i - 1])) || text[i - 1] == '.'))
      continue;
    out.push_back(text[++i]);  // the sign
    size_t end = i + 1;
    while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end]))) ++end;
    std::string digits = text.substr(i + 1, end - i - 1);
    while (digits.size() > 2 && digits[0] == '0') digits.erase(0, 1);
    if (digits.size() < 2) out.append(2 - digits.size(), '0');
    out += digits;
    i = end - 1;
  }
  return out;
}

namespace {

std::string GeneralText(double value) {
  std::string text = FormatText("%.12f", value);
  if (text.size() < 2) return text;
  // Walk left from the second-to-last character over zeros; the twelfth
  // decimal is never shown.
  size_t i = text.size() - 2;
  while (i > 0 && text[i] == '0') --i;
  if (text[i] >= '1' && text[i] <= '9') {
    text.resize(i + 1);
  } else if (text[i] == '.') {
    text.resize(i);
  }
  return text;
}

}  // namespace

std::string FormatValueText(double value, ValueTextMode mode) {
  if (IsEmptyValue(value)) return {};
  if (mode == ValueTextMode::Scientific) return TwoDigitExponent(FormatText("%.12E", value));
  return GeneralText(value);
}

std::string ExactValueText(double value) { return IsEmptyValue(value) ? std::string() : RoundTripText(value); }

std::string RoundTripText(double value) {
  // %G turns to the exponent form once the exponent reaches the digits
  // asked for; a whole number such as 250 is asked for all its digits so
  // that it stays "250", not "2.5E+02".
  const int exponent =
      value == 0.0 || !std::isfinite(value) ? 0 : static_cast<int>(std::floor(std::log10(std::fabs(value))));
  std::string text;
  for (int digits = 1; digits <= 17; ++digits) {
    const int shown = exponent >= digits && exponent < 17 ? exponent + 1 : digits;
    text = TwoDigitExponent(FormatText("%.*G", shown, value));
    double back = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), back);
    if (back == value) break;
  }
  return text;
}

std::string FormatByColumnFormat(double value, ColumnFormat format) {
  if (IsEmptyValue(value)) return {};
  const int places = static_cast<int>(format.places > kMaxDecimalPlaces ? kMaxDecimalPlaces : format.places);
  switch (format.kind) {
    case FormatKind::Number: return FormatText("%.*f", places, value);
    case FormatKind::Scientific: return TwoDigitExponent(FormatText("%.*E", places, value));
    case FormatKind::General: break;
  }
  return GeneralText(value);
}

std::string FormatCellText(const DataSheet& sheet, int row, int column) {
  return FormatByColumnFormat(sheet.cell(row, column), sheet.formats[column]);
}

namespace {

// "0", "-0", "0.00", "-0.000": what fixed decimals make of a tiny value.
bool ShowsZero(const std::string& text) { return text.find_first_not_of("-0.") == std::string::npos; }

}  // namespace

std::string ShownCellText(const DataSheet& sheet, int row, int column) {
  const double value = sheet.cell(row, column);
  const ColumnFormat format = sheet.formats[column];
  std::string text = FormatByColumnFormat(value, format);
  if (value == 0.0 || IsEmptyValue(value) || !ShowsZero(text)) return text;
  if (format.kind == FormatKind::Number) return FormatByColumnFormat(value, {FormatKind::Scientific, format.places});
  return ExactValueText(value);
}

std::string ShownEntryText(double value) {
  std::string text = FormatValueText(value, ValueTextMode::General);
  if (value == 0.0 || IsEmptyValue(value) || !ShowsZero(text)) return text;
  return ExactValueText(value);
}

}  // namespace rv

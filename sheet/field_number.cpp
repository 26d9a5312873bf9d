#include "sheet/field_number.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>

#include "sheet/value_text.h"

namespace rv {

std::string_view TrimField(std::string_view field) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
  while (!field.empty() && blank(field.front())) field.remove_prefix(1);
  while (!field.empty() && blank(field.back())) field.remove_suffix(1);
  return field;
}

std::optional<double> ReadFieldNumber(std::string_view field, bool decimalComma) {
  field = TrimField(field);
  // from_chars takes a minus sign but no plus sign, and only '.'.
  const bool plus = !field.empty() && field.front() == '+';
  if (plus) field.remove_prefix(1);
  if (field.empty() || field.front() == '+' || (plus && field.front() == '-')) return std::nullopt;
  if (field.size() > 1 && field.front() == '-' && (field[1] == '+' || field[1] == '-')) return std::nullopt;
  std::string text(field);
  const char ownSign = decimalComma ? ',' : '.';
  const char otherSign = decimalComma ? '.' : ',';
  if (text.find(otherSign) != std::string::npos) return std::nullopt;
  if (decimalComma)
    for (char& c : text)
      if (c == ownSign) c = '.';
  double value = 0.0;
  const char* last = text.data() + text.size();
  const auto [end, error] = std::from_chars(text.data(), last, value, std::chars_format::general);
  if (error != std::errc() || end != last || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::string CopiedNumberText(double value) {
  std::string text = FormatText("%.12f", value);
  const std::optional<double> back = ReadFieldNumber(text, false);
  if (back && std::bit_cast<std::uint64_t>(*back) == std::bit_cast<std::uint64_t>(value)) return text;
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

}  // namespace rv

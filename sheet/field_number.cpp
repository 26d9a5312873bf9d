#include "sheet/field_number.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>

#include "sheet/value_text.h"

namespace rv {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view ThousandsMark(ThousandsSeparator separator) {
  switch (separator) {
    case ThousandsSeparator::Comma: return ",";
    case ThousandsSeparator::Point: return ".";
    case ThousandsSeparator::Apostrophe: return "'";
    case ThousandsSeparator::ThinSpace: return "\u2009";
    case ThousandsSeparator::None: break;
  }
  return {};
}

// French texts group digits with a narrow no-break space as often as with a
// thin space; both are the thin space of the format.
bool TakeThousandsMark(std::string_view& rest, ThousandsSeparator separator) {
  const std::string_view mark = ThousandsMark(separator);
  if (!mark.empty() && rest.starts_with(mark)) {
    rest.remove_prefix(mark.size());
    return true;
  }
  if (separator == ThousandsSeparator::ThinSpace && rest.starts_with("\u202F")) {
    rest.remove_prefix(3);
    return true;
  }
  return false;
}

// The plain form of a number that from_chars reads: sign, digits, point,
// digits, 'e', sign, digits. It is never longer than the field it comes
// from, so it lives on the stack for any field a number could be.
class PlainNumber {
 public:
  explicit PlainNumber(size_t length) {
    if (length > sizeof inline_) spill_.resize(length);
    data_ = length > sizeof inline_ ? spill_.data() : inline_;
  }
  void add(char c) { data_[size_++] = c; }
  void add(std::string_view text) {
    for (char c : text) add(c);
  }
  size_t size() const { return size_; }
  const char* begin() const { return data_; }
  const char* end() const { return data_ + size_; }

 private:
  char inline_[128];
  std::string spill_;
  char* data_;
  size_t size_ = 0;
};

size_t TakeDigits(std::string_view& rest, PlainNumber& into) {
  size_t count = 0;
  while (count < rest.size() && IsDigit(rest[count])) ++count;
  into.add(rest.substr(0, count));
  rest.remove_prefix(count);
  return count;
}

// The digits before the decimal sign, grouped by three when the format
// allows it; false when a group is not three digits.
bool TakeWholeDigits(std::string_view& rest, ThousandsSeparator separator, PlainNumber& into) {
  const size_t first = TakeDigits(rest, into);
  if (first == 0 || first > 3 || separator == ThousandsSeparator::None) return true;
  while (!rest.empty()) {
    std::string_view after = rest;
    if (!TakeThousandsMark(after, separator)) return true;
    size_t digits = 0;
    while (digits < after.size() && IsDigit(after[digits])) ++digits;
    if (digits != 3) return false;
    into.add(after.substr(0, 3));
    rest = after.substr(3);
  }
  return true;
}

// Characters a number may hold in some format; anything else makes a word.
bool MayBeNumberCharacter(char c) {
  return IsDigit(c) || c == '+' || c == '-' || c == '.' || c == ',' || c == '\'' || c == 'e' || c == 'E' || c == 'd' ||
         c == 'D' || static_cast<unsigned char>(c) >= 0x80;
}

}  // namespace

std::string_view TrimField(std::string_view field) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
  while (!field.empty() && blank(field.front())) field.remove_prefix(1);
  while (!field.empty() && blank(field.back())) field.remove_suffix(1);
  return field;
}

std::optional<double> ReadFieldNumber(std::string_view field, NumberFormat format) {
  std::string_view rest = TrimField(field);
  const char decimalSign = format.decimal == DecimalSign::Comma ? ',' : '.';
  if (ThousandsMark(format.thousands) == std::string_view(&decimalSign, 1)) format.thousands = ThousandsSeparator::None;
  PlainNumber plain(rest.size() + 1);
  if (!rest.empty() && (rest.front() == '+' || rest.front() == '-')) {
    if (rest.front() == '-') plain.add('-');
    rest.remove_prefix(1);
  }
  const size_t signLength = plain.size();
  if (!TakeWholeDigits(rest, format.thousands, plain)) return std::nullopt;
  bool digits = plain.size() > signLength;
  if (!rest.empty() && rest.front() == decimalSign) {
    rest.remove_prefix(1);
    plain.add('.');
    digits = TakeDigits(rest, plain) > 0 || digits;
  }
  if (!digits) return std::nullopt;
  if (!rest.empty() && (rest.front() == 'e' || rest.front() == 'E' || rest.front() == 'd' || rest.front() == 'D')) {
    rest.remove_prefix(1);
    plain.add('e');
    if (!rest.empty() && (rest.front() == '+' || rest.front() == '-')) {
      plain.add(rest.front());
      rest.remove_prefix(1);
    }
    if (TakeDigits(rest, plain) == 0) return std::nullopt;
  }
  if (!rest.empty()) return std::nullopt;
  double value = 0.0;
  const auto [end, error] = std::from_chars(plain.begin(), plain.end(), value, std::chars_format::general);
  if (error != std::errc() || end != plain.end() || !std::isfinite(value)) return std::nullopt;
  return value;
}

bool IsNumberInAnyFormat(std::string_view field) {
  field = TrimField(field);
  if (field.empty() || !std::all_of(field.begin(), field.end(), MayBeNumberCharacter)) return false;
  const bool comma = field.find(',') != std::string_view::npos;
  const bool other = field.find_first_of("'\xE2") != std::string_view::npos;
  for (DecimalSign decimal : {DecimalSign::Point, DecimalSign::Comma}) {
    if (decimal == DecimalSign::Comma && !comma) continue;
    for (ThousandsSeparator thousands : {ThousandsSeparator::None, ThousandsSeparator::Comma, ThousandsSeparator::Point,
                                         ThousandsSeparator::Apostrophe, ThousandsSeparator::ThinSpace}) {
      const bool needed = thousands == ThousandsSeparator::None || (thousands == ThousandsSeparator::Comma && comma) ||
                          (thousands == ThousandsSeparator::Point && decimal == DecimalSign::Comma) || other;
      if (needed && ReadFieldNumber(field, {decimal, thousands})) return true;
    }
  }
  return false;
}

std::string CopiedNumberText(double value) {
  std::string text = FormatText("%.12f", value);
  const std::optional<double> back = ReadFieldNumber(text);
  if (back && std::bit_cast<std::uint64_t>(*back) == std::bit_cast<std::uint64_t>(value)) return text;
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

}  // namespace rv

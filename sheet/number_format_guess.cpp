#include "sheet/number_format_guess.h"

#include <bit>
#include <cstdint>
#include <optional>

namespace rv {

namespace {

// Plainest first: a tie goes to the format that asks least of the text.
constexpr NumberFormat kFormats[] = {
    {DecimalSign::Point, ThousandsSeparator::None},       {DecimalSign::Comma, ThousandsSeparator::None},
    {DecimalSign::Point, ThousandsSeparator::Comma},      {DecimalSign::Comma, ThousandsSeparator::Point},
    {DecimalSign::Point, ThousandsSeparator::Apostrophe}, {DecimalSign::Comma, ThousandsSeparator::Apostrophe},
    {DecimalSign::Point, ThousandsSeparator::ThinSpace},  {DecimalSign::Comma, ThousandsSeparator::ThinSpace},
};

struct Marks {
  bool comma = false, point = false, apostrophe = false, thinSpace = false;
};

Marks MarksIn(const std::vector<std::string_view>& fields) {
  Marks marks;
  for (std::string_view field : fields) {
    marks.comma = marks.comma || field.find(',') != std::string_view::npos;
    marks.point = marks.point || field.find('.') != std::string_view::npos;
    marks.apostrophe = marks.apostrophe || field.find('\'') != std::string_view::npos;
    marks.thinSpace = marks.thinSpace || field.find("\u2009") != std::string_view::npos ||
                      field.find("\u202F") != std::string_view::npos;
  }
  return marks;
}

// Whether the fields show a reason to try the format at all.
bool Shown(NumberFormat format, const Marks& marks, bool commaSeparates) {
  if (format.decimal == DecimalSign::Comma && (!marks.comma || commaSeparates)) return false;
  switch (format.thousands) {
    case ThousandsSeparator::None: return true;
    case ThousandsSeparator::Comma: return marks.comma;
    case ThousandsSeparator::Point: return marks.point;
    case ThousandsSeparator::Apostrophe: return marks.apostrophe;
    case ThousandsSeparator::ThinSpace: return marks.thinSpace;
  }
  return false;
}

bool SameNumber(double a, double b) { return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b); }

}  // namespace

NumberFormatGuess GuessNumberFormat(const std::vector<std::string_view>& fields, bool commaSeparates) {
  std::vector<std::string_view> numbers;
  for (std::string_view field : fields)
    if (IsNumberInAnyFormat(field)) numbers.push_back(field);
  const Marks marks = MarksIn(numbers);

  struct Reading {
    NumberFormat format;
    std::vector<std::optional<double>> values;
    int count = 0;
  };
  std::vector<Reading> readings;
  int most = 0;
  for (const NumberFormat& format : kFormats) {
    if (!Shown(format, marks, commaSeparates)) continue;
    Reading reading{format, {}, 0};
    for (std::string_view field : numbers) {
      reading.values.push_back(ReadFieldNumber(field, format));
      reading.count += reading.values.back() ? 1 : 0;
    }
    most = std::max(most, reading.count);
    readings.push_back(std::move(reading));
  }

  NumberFormatGuess guess;
  const Reading* chosen = nullptr;
  for (const Reading& reading : readings) {
    if (reading.count != most) continue;
    if (chosen == nullptr) {
      chosen = &reading;
      guess.format = reading.format;
      continue;
    }
    for (size_t i = 0; i < numbers.size(); ++i) {
      const auto& mine = chosen->values[i];
      const auto& theirs = reading.values[i];
      if (mine && theirs && !SameNumber(*mine, *theirs)) {
        guess.undecided = TrimField(numbers[i]);
        guess.other = reading.format;
        return guess;
      }
    }
  }
  return guess;
}

}  // namespace rv

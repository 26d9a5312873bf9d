#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace rv {

// How numbers are written in a text of measurements: the decimal sign and
// the mark, if any, that groups the digits before it by three.
enum class DecimalSign { Point, Comma };
enum class ThousandsSeparator { None, Comma, Point, Apostrophe, ThinSpace };

struct NumberFormat {
  DecimalSign decimal = DecimalSign::Point;
  ThousandsSeparator thousands = ThousandsSeparator::None;
  friend bool operator==(const NumberFormat&, const NumberFormat&) = default;
};

// The number a field of pasted or imported text holds, one grammar for every
// reader. The whole field, without the blanks around it, must be a finite
// decimal number: an optional sign, digits with the format's decimal sign,
// an optional exponent written E or, as Fortran writes it, D (1.0D+03). With
// a thousands separator the digits before the decimal sign may be grouped
// (1,306 or 1.306,25 or 1'306 or 1 306 with a thin space), every group after
// the first of exactly three digits. Anything else is no number: a word, a
// unit after the number, "inf", "nan", hexadecimal "0x10", a number beyond
// the double range, a misplaced separator, the other decimal sign.
std::optional<double> ReadFieldNumber(std::string_view field, NumberFormat format = {});

// Whether the field reads as a number in one of the formats a text may use.
bool IsNumberInAnyFormat(std::string_view field);

// The field without the blanks (spaces, tabs, CR) around it.
std::string_view TrimField(std::string_view field);

// The text Copy writes for a value: "%.12f" when that reads back as the same
// double, bit for bit, else the shortest text that does (0.07243628666754276,
// 5e-324), so that a paste gives back what was copied.
std::string CopiedNumberText(double value);

}  // namespace rv

#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace rv {

// The number a field of pasted or imported text holds. The whole field,
// without the blanks around it, must read as a finite decimal number in the
// C locale, with '.' as the decimal sign or, for `decimalComma`, ','.
// Anything else is no number: a word, a unit after the number, "inf",
// "nan", a number beyond the double range, the other decimal sign.
std::optional<double> ReadFieldNumber(std::string_view field, bool decimalComma);

// The field without the blanks (spaces, tabs, CR) around it.
std::string_view TrimField(std::string_view field);

// The text Copy writes for a value: "%.12f" when that reads back as the same
// double, bit for bit, else the shortest text that does (0.07243628666754276,
// 5e-324), so that a paste gives back what was copied.
std::string CopiedNumberText(double value);

}  // namespace rv

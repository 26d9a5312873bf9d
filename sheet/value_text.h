#pragma once

#include <string>

#include "sheet/data_sheet.h"

namespace rv {

enum class ValueTextMode { General = 0, Scientific = 2 };

// Rewrites every exponent of a printf-formatted number to at least two digits
// and removes a leading zero from a three-digit exponent below 100.
std::string TwoDigitExponent(std::string text);

// printf-style formatting into a std::string.
std::string FormatText(const char* format, ...) __attribute__((format(printf, 1, 2)));

// General display: "%.12f" with the twelfth decimal, trailing zeros and a bare
// point removed. Scientific: "%.12E" with a two-digit exponent. Empty for EmptyValue.
std::string FormatValueText(double value, ValueTextMode mode);

// The shortest text ("%G" with up to 17 significant digits, two exponent
// digits, a whole number below 1e17 in full) that reads back as the very
// same double: 2E+25, not 20000000000000001811939328.
std::string RoundTripText(double value);

// RoundTripText, empty for EmptyValue.
std::string ExactValueText(double value);

// The display text of a cell by its column's format.
std::string FormatCellText(const DataSheet& sheet, int row, int column);
std::string FormatByColumnFormat(double value, ColumnFormat format);

// What the grid shows in a cell and the entry line shows for it: the
// column's format and the general display, except that a value which fixed
// decimals would show as 0 or -0 (1.602176634e-19, -2.5e-308) shows in
// scientific form, so that no number looks like a zero it is not. The
// stored value is not touched.
std::string ShownCellText(const DataSheet& sheet, int row, int column);
std::string ShownEntryText(double value);

}  // namespace rv

#pragma once

#include <optional>
#include <string_view>

namespace rv {

// A cell editor and the entry line hold at most this many characters.
inline constexpr int kMaxCellTextLength = 32;

// The characters a cell accepts from the keyboard: "+-0123456789.Ee".
bool IsAcceptedCellCharacter(char character);

// The longest leading part of the text that reads as a decimal number, after
// leading white space, in the C locale whatever the user's locale: "12abc"
// reads 12, "1e" reads 1, a text without a number reads 0. "inf" and "nan"
// and numbers beyond the double range read as infinite or not-a-number.
double ReadLeadingNumber(std::string_view text);

// The value a typed or pasted text stores: an empty text empties the cell, and
// so does a text that reads as infinite or not-a-number, which no fit could use.
double CellValueFromText(std::string_view text);

// A text that must be a value as a whole, as a value box of a dialog takes
// it: an empty or blank text is the empty value; otherwise the text, blanks
// around it aside, must be one finite decimal number. Nothing for any other
// text ("abc", "12abc", "inf"), which the box refuses rather than store 0.
std::optional<double> ValueFromWholeText(std::string_view text);

}  // namespace rv

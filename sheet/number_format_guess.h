#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "sheet/field_number.h"

namespace rv {

struct NumberFormatGuess {
  // The format that reads the most fields; the plainest of those on a tie.
  NumberFormat format;
  // A field that another format reading as many fields would read as a
  // different number ("1,306": 1.306 with a decimal comma, 1306 with a
  // thousands comma), and that format. Empty when the fields leave no doubt:
  // then the format is what they show, and the reader may go on; otherwise
  // the user must say which is meant.
  std::string undecided;
  NumberFormat other;
};

// How the fields write their numbers. A decimal comma is taken only from a
// field that has a comma, a thousands separator only from a field that has
// one, and never a decimal comma when `commaSeparates` (in comma-separated
// text a comma inside a field is quoted, and a spreadsheet quotes a number
// for its thousands separator, not its decimal sign). Fields that are no
// number in any format are not looked at.
NumberFormatGuess GuessNumberFormat(const std::vector<std::string_view>& fields, bool commaSeparates);

}  // namespace rv

#pragma once

namespace rv {

// Coefficient k is named by the letter 'a' + k ('A' + k in FORTRAN); the
// constant has the last letter.
constexpr char CoefficientLetter(int k, bool upperCase = false) {
  return static_cast<char>((upperCase ? 'A' : 'a') + k);
}

}  // namespace rv

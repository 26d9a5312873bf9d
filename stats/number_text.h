#pragma once

#include <string>

namespace rv {

// What the statistics, the copies and the listings show for a value that is
// undefined or not finite.
inline constexpr const char* kUndefinedText = "n/a";

// value with "%.<decimals>E" and a two-digit exponent; "%+.<decimals>E" when
// signed is set. "n/a" when the value is not finite.
std::string ScientificText(double value, int decimals, bool withSign = false);

// value with "%.<decimals>f" ("%+.<decimals>f" when signed is set); "n/a"
// when the value is not finite.
std::string FixedText(double value, int decimals, bool withSign = false);

}  // namespace rv

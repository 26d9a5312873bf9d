#include "stats/number_text.h"

#include <cmath>

#include "sheet/value_text.h"

namespace rv {

std::string ScientificText(double value, int decimals, bool withSign) {
  if (!std::isfinite(value)) return kUndefinedText;
  return TwoDigitExponent(FormatText(withSign ? "%+.*E" : "%.*E", decimals, value));
}

std::string FixedText(double value, int decimals, bool withSign) {
  if (!std::isfinite(value)) return kUndefinedText;
  return FormatText(withSign ? "%+.*f" : "%.*f", decimals, value);
}

}  // namespace rv

#pragma once

#include <string>

#include "base/outcome.h"

namespace rv {

// The range of the graph's value axis: automatic (from the values, rounded
// outward, leaving out the points next to a pole that lie far beyond the
// others), or the minimum and maximum the user typed.
struct YRange {
  bool automatic = true;
  double min = 0.0;
  double max = 0.0;
  friend bool operator==(const YRange&, const YRange&) = default;
};

// Both texts empty (blanks aside): automatic. Otherwise both must be finite
// numbers with the minimum below the maximum; the message, an error, says
// what is wrong.
Outcome<YRange> ParseYRange(const std::string& minText, const std::string& maxText);

}  // namespace rv

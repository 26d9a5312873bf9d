#include "regress/refusal_count.h"

namespace rv {

std::string RefusalSummary(const RefusalCount& count) {
  std::string text;
  if (count.outsideRange > 0) text = std::to_string(count.outsideRange) + " outside the range of a transform or term";
  if (count.unresolved > 0) {
    if (!text.empty()) text += ", ";
    text += std::to_string(count.unresolved) + " " + kCannotBeResolved;
  }
  return text.empty() ? text : "refused: " + text;
}

}  // namespace rv

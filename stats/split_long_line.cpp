#include "stats/split_long_line.h"

namespace rv {

namespace {

constexpr size_t kShortestSplitLength = 48;

}  // namespace

std::string SplitLongLine(const std::string& text, const std::string& continuation) {
  if (text.size() < kShortestSplitLength) return text;
  const size_t plus = text.find('+', text.size() / 2);
  if (plus == std::string::npos) return text;
  return text.substr(0, plus - 1) + continuation + text.substr(plus);
}

}  // namespace rv

#include "graph/y_range.h"

#include <charconv>
#include <cmath>
#include <optional>

#include "sheet/value_text.h"

namespace rv {

namespace {

std::string Trimmed(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The whole text as a finite number, in the C locale's form.
std::optional<double> Number(const std::string& text) {
  double value = 0.0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) return std::nullopt;
  return value;
}

Message Refusal(std::string text) { return {std::move(text), MessageKind::Error}; }

}  // namespace

Outcome<YRange> ParseYRange(const std::string& minText, const std::string& maxText) {
  const std::string low = Trimmed(minText);
  const std::string high = Trimmed(maxText);
  if (low.empty() && high.empty()) return YRange{};
  if (low.empty() || high.empty())
    return Refusal("Type the Y range's minimum and maximum,\nor neither for an automatic range.");
  const std::optional<double> min = Number(low);
  const std::optional<double> max = Number(high);
  for (const auto& [text, number] : {std::pair{low, min}, std::pair{high, max}})
    if (!number) return Refusal(FormatText("'%s' is not a number:\ntype the Y range as numbers.", text.c_str()));
  if (!(*min < *max)) return Refusal("The Y range's minimum must be\nless than its maximum.");
  return YRange{false, *min, *max};
}

}  // namespace rv

#include "sheet/graph_range.h"

#include <cmath>

namespace rv {

namespace {

// k units of 10^power: divided by a power of ten below one, so that the
// result is the double nearest the decimal (5E-25, not 5.0000000000000005E-25).
double Units(double k, int power) { return power >= 0 ? k * std::pow(10.0, power) : k / std::pow(10.0, -power); }

}  // namespace

ValueRange NiceRange(double low, double high) {
  if (!(high > low) || !std::isfinite(high - low)) return {low, high};
  double whole = 0.0;
  std::modf(std::log10((high - low) * 0.01), &whole);
  const int power = static_cast<int>(whole) + 1;
  const double unit = Units(1.0, power);
  return {Units(std::floor(low / unit), power), Units(std::ceil(high / unit), power)};
}

GraphRange ComputeGraphRange(const SheetValues& cells, int column) {
  double smallest = 1e33;
  double largest = -1e33;
  double sum = 0.0;
  int count = 0;
  for (const auto& row : cells) {
    const double value = row[column];
    if (IsEmptyValue(value)) continue;
    if (value < smallest) smallest = value;
    if (value > largest) largest = value;
    sum += value;
    ++count;
  }
  if (count == 0) return {};
  const ValueRange range = NiceRange(smallest, largest);
  return {range.low, range.high, sum / count};
}

void UpdateGraphRange(DataSheet& sheet, int column) {
  const GraphRange range = ComputeGraphRange(sheet.cells, column);
  sheet.graphMinimum[column] = range.minimum;
  sheet.graphMaximum[column] = range.maximum;
  sheet.graphConstant[column] = range.constant;
}

}  // namespace rv

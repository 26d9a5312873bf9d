#include "sheet/graph_range.h"

#include <cmath>

namespace rv {

ValueRange NiceRange(double low, double high) {
  if (!(high > low) || !std::isfinite(high - low)) return {low, high};
  double whole = 0.0;
  std::modf(std::log10((high - low) * 0.01), &whole);
  const double unit = std::pow(10.0, whole) * 10.0;
  return {std::floor(low / unit) * unit, std::ceil(high / unit) * unit};
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

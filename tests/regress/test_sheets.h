#pragma once

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "regress/search_data.h"
#include "support/search_sheets.h"

namespace rv::testing {

// Small deterministic data sheets that exercise the corners of the search.
struct TestSheet {
  std::string name;
  SearchData data;
};

// A smooth law with a little noise over three positive variables.
inline SearchData SmoothLawSheet(int points = 14) {
  std::uint32_t state = 7;
  std::vector<std::vector<double>> rows;
  for (int i = 0; i < points; ++i) {
    const double x1 = 1.0 + 0.37 * i, x2 = 2.0 + std::fmod(i * 1.7, 5.0), x3 = 0.5 + 0.11 * i * i;
    rows.push_back({3.0 + 1.2 * x1 + 0.4 * x2 * x2 / x3 + 0.05 * Noise(state), x1, x2, x3});
  }
  return SheetFromRows(rows);
}

// Zeros in the variables, a negative variable and a negative Y: every
// transform but "Y =" fails, and many term guards fail.
inline SearchData ZerosAndNegativesSheet() {
  std::uint32_t state = 11;
  std::vector<std::vector<double>> rows;
  for (int i = 0; i < 12; ++i) {
    const double x1 = i - 3.0, x2 = (i % 4 == 0) ? 0.0 : 0.5 * i, x3 = -1.0 - i;
    rows.push_back({2.0 * x1 - x3 + Noise(state), x1, x2, x3});
  }
  return SheetFromRows(rows);
}

// Empty cells: Y stops at row 9 (rows below are ignored) and X3 is empty in one
// counted row, so only X1 and X2 take part.
inline SearchData EmptyCellsSheet() {
  std::uint32_t state = 5;
  std::vector<std::vector<double>> rows;
  for (int i = 0; i < 16; ++i) {
    const double x1 = 0.5 + i, x2 = 10.0 / (1.0 + i);
    rows.push_back({std::log(x1) * 4.0 + x2 + 0.1 * Noise(state), x1, x2, 1.0 + i, 2.0});
  }
  rows[9][0] = EmptyValue;
  rows[4][3] = EmptyValue;
  return SheetFromRows(rows);
}

// Two points: every line fits exactly.
inline SearchData TwoPointSheet() { return SheetFromRows({{1.0, 2.0, 5.0}, {3.0, 4.0, 7.0}}); }

// A constant variable (a zero pivot next to the constant column) and repeated
// Y values, which make many candidates tie.
inline SearchData DegenerateSheet() {
  std::vector<std::vector<double>> rows;
  rows.reserve(9);
  for (int i = 0; i < 9; ++i) rows.push_back({(i % 3) + 1.0, 2.0, 1.0 + i, (i % 3) + 1.0});
  return SheetFromRows(rows);
}

// Every Y equal: the R squared denominator is zero up to rounding.
inline SearchData AllYEqualSheet() {
  std::vector<std::vector<double>> rows;
  rows.reserve(7);
  for (int i = 0; i < 7; ++i) rows.push_back({0.1, 1.0 + i, 3.0 - 0.2 * i});
  return SheetFromRows(rows);
}

// Ten readings near Julian date 2460000.5 that drift by 0.01 a day, with
// noise of 0.003, over X1 = 1 ... 10: a common offset a million times the
// spread, which the sums of Y and Y^2 cannot carry.
inline SearchData LargeOffsetSheet() {
  std::uint32_t state = 31;
  std::vector<std::vector<double>> rows;
  for (int i = 1; i <= 10; ++i) rows.push_back({2460000.5 + 0.01 * i + 0.006 * Noise(state), double(i)});
  return SheetFromRows(rows);
}

// One variable: the passes of the engines build the same equation many
// times over (the same terms on X1 in the same order).
inline SearchData SingleVariableSheet() {
  std::uint32_t state = 13;
  std::vector<std::vector<double>> rows;
  for (int i = 0; i < 25; ++i) {
    const double x = 0.5 + 0.2 * i;
    rows.push_back({2.0 + std::sqrt(x) * (1.0 + 0.02 * Noise(state)), x});
  }
  return SheetFromRows(rows);
}

}  // namespace rv::testing

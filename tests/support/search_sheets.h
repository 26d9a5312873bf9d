#pragma once

#include <cstdint>
#include <vector>

#include "regress/search_data.h"

namespace rv::testing {

// Deterministic noise, evenly spread over [-0.5, 0.5): the same sheets on
// every machine and in every run.
inline double Noise(std::uint32_t& state) {
  state = state * 1664525u + 1013904223u;
  return static_cast<double>(state >> 8) / 16777216.0 - 0.5;
}

// The search's snapshot of a sheet holding these rows (Y first, then X1,
// X2, ...); the other cells are empty. A sheet longer than the file's 99
// rows must be full: its counts are its rows and the first row's columns.
inline SearchData SheetFromRows(const std::vector<std::vector<double>>& rows) {
  SheetValues values;
  values.ensureRows(static_cast<int>(rows.size()));
  for (auto& row : values) row.fill(EmptyValue);
  for (size_t r = 0; r < rows.size(); ++r)
    for (size_t c = 0; c < rows[r].size(); ++c) values[r][c] = rows[r][c];
  if (rows.size() <= static_cast<size_t>(kSheetRows)) return TakeSearchSnapshot(values);
  return SnapshotWithCounts(values, static_cast<int>(rows.size()), static_cast<int>(rows.front().size()));
}

// A smooth law over `variables` positive variables with 1 % noise, `points`
// points, Y shifted by `offset`: a sheet of any length from a fixed seed.
inline SearchData LongLawSheet(int points, int variables, double offset = 0.0) {
  std::uint32_t state = 41;
  std::vector<std::vector<double>> rows;
  for (int i = 0; i < points; ++i) {
    std::vector<double> row(static_cast<size_t>(variables) + 1);
    for (int v = 1; v <= variables; ++v) row[static_cast<size_t>(v)] = 1.0 + 9.0 * (Noise(state) + 0.5);
    const double x1 = row[1], x2 = variables > 1 ? row[2] : 1.0, x3 = variables > 2 ? row[3] : 2.0;
    row[0] = offset + (3.0 + 2.0 * x1 + 0.5 * x2 * x2 / x3) * (1.0 + 0.01 * Noise(state));
    rows.push_back(row);
  }
  return SheetFromRows(rows);
}

}  // namespace rv::testing

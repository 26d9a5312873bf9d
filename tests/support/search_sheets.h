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
// X2, ...); the other cells are empty.
inline SearchData SheetFromRows(const std::vector<std::vector<double>>& rows) {
  SheetValues values;
  for (auto& row : values) row.fill(EmptyValue);
  for (size_t r = 0; r < rows.size(); ++r)
    for (size_t c = 0; c < rows[r].size(); ++c) values[r][c] = rows[r][c];
  return TakeSearchSnapshot(values);
}

}  // namespace rv::testing

#pragma once

#include <cstdint>

namespace rv {

// The level of the confidence and prediction bands, a probability: 0.95
// unless the user sets another between the two limits.
inline constexpr double kDefaultBandLevel = 0.95;
inline constexpr double kMinBandLevel = 0.5;
inline constexpr double kMaxBandLevel = 0.999;
inline bool IsBandLevel(double level) { return level >= kMinBandLevel && level <= kMaxBandLevel; }

// The graph colour selections the bands of a curve are drawn in: bright
// magenta for the band of the mean, dark green for that of a new observation,
// apart from the default grid, curve and data-point colours.
inline constexpr std::int32_t kDefaultConfidenceBandColor = 15;
inline constexpr std::int32_t kDefaultPredictionBandColor = 9;

// The bands' settings; they travel in the data file's band section.
struct BandOptions {
  double level = kDefaultBandLevel;
  bool shown = true;
  std::int32_t confidenceColor = kDefaultConfidenceBandColor;
  std::int32_t predictionColor = kDefaultPredictionBandColor;
  friend bool operator==(const BandOptions&, const BandOptions&) = default;
};

}  // namespace rv

#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "sheet/band_options.h"
#include "sheet/data_sheet.h"
#include "sheet/equation_set.h"

namespace rv {

inline constexpr int kMinMaxTerms = 1;
inline constexpr int kMaxMaxTerms = 20;
inline constexpr int kMaxTitleLength = 61;
// Segments of each graph axis.
inline constexpr int kMinSegments = 1;
inline constexpr int kMaxSegments = 50;

// The sixteen graph colour selections in the order the data file stores them.
enum GraphColorElement : int {
  kBackground,
  kBorderOutline,
  kEquationText,
  kGrid2DLine,
  kSolidSurface,
  kCubeEdges,
  kDataPoints,
  kBackPlaneGrid,
  kBackPlaneSurface,
  kXLabels,
  kBottomPlaneGrid,
  kBottomPlaneSurface,
  kYLabels,
  kRightPlaneGrid,
  kRightPlaneSurface,
  kZLabels,
  kGraphColorElementCount
};
inline constexpr std::int32_t kNoColor = 16;
inline constexpr std::array<std::int32_t, kGraphColorElementCount> kDefaultGraphColors = {1,  16, 16, 0,  11, 3, 5,  12,
                                                                                          16, 0,  5,  16, 0,  8, 16, 0};

// Everything the user sets around the data; it travels in the data file.
struct DocumentOptions {
  std::int32_t maxTerms = 5;
  PerEquationSet<bool> setEnabled{true, true, true, true, true, true};
  std::int32_t moveSelectionAfterEnter = 1;  // 0 off, 1 right, 2 down, 3 left, 4 up
  std::string title1;
  std::string title2;
  std::array<std::int32_t, 3> segments{10, 10, 10};
  std::int32_t colorRow = 1;
  std::array<std::int32_t, kGraphColorElementCount> graphColors = kDefaultGraphColors;
  bool shadeSurface = true;
  BandOptions bands;
  // Every fit weighted by 1 / sigma^2, sigma of Y in X16.
  bool weightedBySigma = false;
};

// Whether the sheet is saved, and where.
struct DocumentState {
  bool modified = false;
  bool named = false;
  std::string path;
  std::string fileTitle;
  std::string dataFolder;
};

struct Document {
  DataSheet sheet;
  DocumentOptions options;
  DocumentState state;
  // PointCount and ColumnCount of the last search; an equation ordinal only
  // means something together with them.
  std::int32_t pointCount = 0;
  std::int32_t columnCount = 0;
};

// "Regrovantis - " followed by the file title, or "Untitled".
std::string WindowTitle(const DocumentState& state);

}  // namespace rv

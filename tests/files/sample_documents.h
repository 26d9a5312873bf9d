#pragma once

#include <limits>

#include "files/data_file_session.h"
#include "sheet/document.h"

namespace rv::testing {

// The equation the sample stores is what its ordinal re-creates from the
// sample's own data, counts and options, to the last bit of R squared.
inline constexpr double kSampleRSquared = 0.85696198373784793;
inline constexpr std::int64_t kSampleOrdinal = 14;
inline const char* const kSampleEquation = "Y = aX2 + b";

// A sheet that sets every stored field away from its default, with cells
// that only survive a bit-exact round trip.
inline Document SampleDocument() {
  Document document;
  DataSheet& sheet = document.sheet;
  for (int r = 0; r < 10; ++r) {
    sheet.cell(r, 0) = 100.0 + r * 0.1;
    sheet.cell(r, 1) = 250.0 + r;
    sheet.cell(r, 2) = 1.0 / (r + 3);
    sheet.cell(r, 3) = -1e-300 * (r + 1);
  }
  sheet.cell(0, 4) = -0.0;
  sheet.cell(1, 4) = std::numeric_limits<double>::denorm_min();
  sheet.cell(2, 4) = std::numeric_limits<double>::max();
  sheet.cell(3, 4) = 0.0;
  sheet.cell(98, 16) = 42.25;
  sheet.names[0] = "Pressure";
  sheet.names[1] = "Temp";
  sheet.names[16] = "Last";
  sheet.formats[1] = {FormatKind::Number, 3};
  sheet.formats[2] = {FormatKind::Scientific, 12};
  sheet.formats[17] = {FormatKind::Number, 0};
  sheet.graphMinimum[1] = 250.0;
  sheet.graphMaximum[1] = 400.0;
  sheet.graphConstant[2] = 10.5;
  sheet.graphConstant[16] = -3.0;
  SetColumnWidth(sheet, 2, 120);
  SetColumnWidth(sheet, 16, 33);
  sheet.autoUpdate = false;

  DocumentOptions& options = document.options;
  options.maxTerms = 7;
  options.setEnabled = {true, false, true, true, false, true};
  options.moveSelectionAfterEnter = 2;
  options.title1 = "Laboratory run 12";
  options.title2 = "Gauge B";
  options.segments = {12, 20, 50};
  options.colorRow = 4;
  options.graphColors[kBackground] = 2;
  options.graphColors[kSolidSurface] = 7;
  options.graphColors[kZLabels] = 16;
  options.shadeSurface = false;
  document.pointCount = 10;
  document.columnCount = 4;
  return document;
}

inline DataFileSession SampleSession() {
  DataFileSession session;
  session.selectedIndex = 0;
  session.graphedIndex = 0;
  session.savedEquation = MakeEquationRecord(kSampleRSquared, kSampleOrdinal, kSampleEquation);
  session.graphDrawn = true;
  session.graphVariables = {{"\tTemp", true}, {"\tX2", false}, {"\tX3", true}};
  return session;
}

}  // namespace rv::testing

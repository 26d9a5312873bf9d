#pragma once

#include <initializer_list>
#include <utility>

#include "graph/glyph_set.h"
#include "graph/graph_model.h"
#include "graph/graph_options.h"
#include "regress/fit_workspace.h"
#include "regress/y_form.h"
#include "sheet/data_sheet.h"

namespace rv::testing {

// An equation set up by hand: Y form, terms and coefficients (the constant
// last), as a fit would leave them in the workspace.
inline FitWorkspace Equation(EquationSet set, std::initializer_list<Term> terms,
                             std::initializer_list<double> coefficients, bool rational = false) {
  FitWorkspace ws;
  ws.candidate.set = set;
  ws.candidate.rational = rational;
  for (const Term& term : terms) ws.candidate.add(term);
  ws.constantColumn = ws.candidate.termCount;
  int k = 0;
  for (const double c : coefficients) ws.coefficients[static_cast<size_t>(k++)] = c;
  ws.text = EquationText(ws.candidate);
  ws.lastFittedOrdinal = 1;
  return ws;
}

// Graph ranges set by hand, Auto Update off.
inline DataSheet SheetWithRanges(std::initializer_list<std::pair<int, std::pair<double, double>>> ranges) {
  DataSheet sheet;
  sheet.autoUpdate = false;
  for (const auto& [variable, range] : ranges) {
    sheet.graphMinimum[static_cast<size_t>(variable)] = range.first;
    sheet.graphMaximum[static_cast<size_t>(variable)] = range.second;
    sheet.graphConstant[static_cast<size_t>(variable)] = (range.first + range.second) / 2;
  }
  return sheet;
}

inline GraphSelection Curve(int variable) { return {1, variable, variable}; }
inline GraphSelection SurfaceOver(int first, int second) { return {2, first, second}; }

inline GraphModel Model(const FitWorkspace& ws, const DataSheet& sheet, const GraphSelection& selection,
                        std::array<std::int32_t, 3> segments = {10, 10, 10}) {
  return BuildGraphModel(ws, sheet, selection, segments).value();
}

// Options with every element off except the ones given.
inline GraphOptions OnlyColors(std::initializer_list<std::pair<GraphColorElement, std::int32_t>> colors) {
  GraphOptions options;
  options.colors.fill(kNoColor);
  options.colors[kBackground] = 1;
  options.shadeSurface = false;
  for (const auto& [element, color] : colors) options.colors[static_cast<size_t>(element)] = color;
  return options;
}

// Every glyph a solid block of 3 × 5 pixels sitting on the baseline, with
// an advance of 4.
inline GlyphSet BlockGlyphs() {
  GlyphSet set;
  for (GlyphBitmap& glyph : set.glyphs) {
    glyph.width = 3;
    glyph.height = 5;
    glyph.advance = 4;
    glyph.bits.assign(15, 1);
  }
  return set;
}

}  // namespace rv::testing

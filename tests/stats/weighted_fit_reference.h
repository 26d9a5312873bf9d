#pragma once

// Written by make_weighted_reference.py; do not edit.

#include <vector>

namespace rv::testing {

struct WeightedReference {
  const char* name;
  int variables;                                // X1 .. Xvariables, each a term X, then the constant
  bool logY;                                    // fitted as ln(Y) =
  bool weighted;                                // by 1 / sigma^2; without, sigma is left out of the sheet
  std::vector<std::vector<double>> rows;        // Y, X1 ..., sigma of Y
  std::vector<double> coefficients, stdErrors;  // the constant last
  double chiSquared, rSquared, adjustedRSquared, aicc, bic, press, predictedRSquared;
};

inline const WeightedReference kWeightedLine = {
    "Line",
    1,
    false,
    true,
    {
        {4.8232, 1, 0.15},
        {7.7130, 2, 0.25},
        {11.2343, 3, 0.35},
        {12.9677, 4, 0.45},
        {16.9211, 5, 0.55},
        {18.5335, 6, 0.65},
        {23.8257, 7, 0.75},
        {26.1725, 8, 0.85},
        {30.2885, 9, 0.95},
        {31.4706, 10, 1.05},
    },
    {3.01421607887361008163E+0, 1.76929893350763277140E+0},
    {7.05391286104241410744E-2, 2.15121641477274139366E-1},
    1.34975251280278918684E+1,  // chi2
    9.95637827936194744432E-1,  // r_squared
    9.95092556428219087486E-1,  // adjusted_r_squared
    8.71349823223252795638E+0,  // aicc
    7.60438270393490503870E+0,  // bic
    1.86540597775579035457E+1,  // press
    9.93971323063570723686E-1,  // predicted_r_squared
};

inline const WeightedReference kWeightedPlane = {
    "Plane",
    2,
    false,
    true,
    {
        {1.0394, 1.0, 3, 0.35},
        {3.2285, 1.5, 1, 0.25},
        {1.9047, 2.0, 4, 0.4},
        {5.3363, 2.5, 1, 0.25},
        {2.9343, 3.0, 5, 0.45},
        {1.4695, 3.5, 9, 0.65},
        {7.8090, 4.0, 2, 0.3},
        {5.8288, 4.5, 6, 0.5},
        {7.3154, 5.0, 5, 0.45},
        {10.6663, 5.5, 3, 0.35},
        {9.5262, 6.0, 5, 0.45},
        {8.0479, 6.5, 8, 0.6},
    },
    {2.12336345267243995796E+0, -7.98542645154592085825E-1, 9.26877564601818605144E-1},
    {5.56740550440870878510E-2, 4.38336750922650518154E-2, 1.71959588670198492492E-1},
    4.80608525102101411472E+0,   // chi2
    9.93889750169868219493E-1,   // r_squared
    9.92531916874283379380E-1,   // adjusted_r_squared
    -1.98028529009688167843E+0,  // aicc
    -3.52556534073288074774E+0,  // bic
    9.68929478201212089108E+0,   // press
    9.87681447851282102560E-1,   // predicted_r_squared
};

inline const WeightedReference kWeightedDecay = {
    "Decay",
    1,
    true,
    true,
    {
        {5.02553, 0.0, 0.16},
        {4.23082, 0.5, 0.1391},
        {3.65746, 1.0, 0.1211},
        {3.15116, 1.5, 0.1056},
        {2.93099, 2.0, 0.0923},
        {2.36366, 2.5, 0.0809},
        {2.04531, 3.0, 0.071},
        {1.79183, 3.5, 0.0625},
        {1.61730, 4.0, 0.0552},
        {1.28526, 4.5, 0.0489},
    },
    {-2.91095613636315823166E-1, 1.60343307914288412114E+0},
    {7.02532135092448961789E-3, 1.80244510181010313321E-2},
    6.82088977743272320148E+0,  // chi2
    9.94768162735648379657E-1,  // r_squared
    9.94114183077604427114E-1,  // adjusted_r_squared
    1.88833407679187484200E+0,  // aicc
    7.79218548494251924326E-1,  // bic
    1.08164007880845377717E+1,  // press
    9.91703479962908536861E-1,  // predicted_r_squared
};

inline const WeightedReference kWeightedLineUnweighted = {
    "LineUnweighted",
    1,
    false,
    false,
    kWeightedLine.rows,
    {3.07110606060606060606E+0, 1.50392666666666666667E+0},
    {9.14172328175311395885E-2, 5.67229012442563322528E-1},
    5.51569290096969696970E+0,   // chi2
    9.92961358476772636626E-1,   // r_squared
    9.92081528286369216204E-1,   // adjusted_r_squared
    -2.35592374102293808208E-1,  // aicc
    -1.34470790239991672589E+0,  // bic
    8.37933469133472928938E+0,   // press
    9.89307031019606035706E-1,   // predicted_r_squared
};

inline std::vector<WeightedReference> WeightedReferences() {
  return {kWeightedLine, kWeightedPlane, kWeightedDecay, kWeightedLineUnweighted};
}

}  // namespace rv::testing

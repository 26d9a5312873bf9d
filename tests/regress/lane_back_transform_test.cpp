#include "regress/lane_back_transform.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace rv {
namespace {

// The search's vector estimates of the back transforms that call the
// library rule candidates out only as far as their slack allows, so the
// library's value must lie within it, by the margin the estimates promise
// (a thousandth of the slack), over the whole range; out of range the slack
// is infinite, or 0 where the back transform returns t itself.
TEST(LaneBackTransform, EstimatesOfTheLibraryBackTransformsLieWellWithinTheirSlack) {
  using V = PortableLanes;
  std::vector<double> ts = {0.0, -5.0, -1e-300, 1e-301, 1e301, 1e300, 1e-300, 700.0, -700.0, 701.0};
  for (int e = -996; e <= 996; e += 7)
    for (double m : {1.0, 1.2599210498948732, 1.4142135623730951, 1.5874010519681994, 1.9999999999999998})
      ts.push_back(std::ldexp(m, e));
  for (double t = -700.0; t <= 700.0; t += 0.37) ts.push_back(t);
  for (EquationSet set : {EquationSet::Cube, EquationSet::Log, EquationSet::Exp})
    for (size_t i = 0; i + 1 < ts.size(); i += 2) {
      V::Lanes estimate, slack;
      const V::Lanes t = {ts[i], ts[i + 1]};
      if (set == EquationSet::Cube) EstimateBackTransform<V, EquationSet::Cube>(t, estimate, slack);
      if (set == EquationSet::Log) EstimateBackTransform<V, EquationSet::Log>(t, estimate, slack);
      if (set == EquationSet::Exp) EstimateBackTransform<V, EquationSet::Exp>(t, estimate, slack);
      for (int l = 0; l < 2; ++l) {
        const double library = BackTransform(set, t[l]);
        if (std::isinf(slack[l])) continue;
        if (slack[l] == 0.0) EXPECT_EQ(library, estimate[l]) << EquationSetNumber(set) << " " << t[l];
        else EXPECT_LE(std::abs(library - estimate[l]), 1e-3 * slack[l]) << EquationSetNumber(set) << " " << t[l];
      }
    }
}

}  // namespace
}  // namespace rv

#include "regress/y_form.h"

#include <cmath>

namespace rv {

const char* YFormHead(EquationSet set) {
  switch (set) {
    case EquationSet::Y: return "Y =";
    case EquationSet::Reciprocal: return "1/Y =";
    case EquationSet::Square: return "Y^2 =";
    case EquationSet::Cube: return "Y^3 =";
    case EquationSet::Log: return "ln(Y) =";
    case EquationSet::Exp: return "exp(Y) =";
  }
  return "";
}

bool TransformY(EquationSet set, double y, double& transformed) {
  switch (set) {
    case EquationSet::Y: transformed = y; return std::isfinite(y);
    case EquationSet::Reciprocal: transformed = 1.0 / y; return y != 0.0 && std::isfinite(transformed);
    case EquationSet::Square: transformed = y * y; return y >= 0.0 && std::isfinite(transformed);
    case EquationSet::Cube: transformed = y * y * y; return y >= 0.0 && std::isfinite(transformed);
    case EquationSet::Log: transformed = std::log(y); return y > 0.0 && std::isfinite(transformed);
    case EquationSet::Exp: transformed = std::exp(y); return y > 0.0 && std::isfinite(transformed);
  }
  return false;
}

}  // namespace rv

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
    case EquationSet::Y: transformed = y; return true;
    case EquationSet::Reciprocal:
      if (!(std::fabs(y) > kZeroGuard)) return false;
      transformed = 1.0 / y;
      return true;
    case EquationSet::Square:
      if (!(y >= 0.0)) return false;
      transformed = y * y;
      return true;
    case EquationSet::Cube:
      if (!(y >= 0.0)) return false;
      transformed = y * y * y;
      return true;
    case EquationSet::Log:
      if (!(y > 0.0)) return false;
      transformed = std::log(y);
      return true;
    case EquationSet::Exp:
      if (!(y > 0.0)) return false;
      transformed = std::exp(y);
      return true;
  }
  return false;
}

}  // namespace rv

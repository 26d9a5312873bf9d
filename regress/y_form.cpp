#include "regress/y_form.h"

#include <cmath>

namespace rv {

const char* YFormHead(int set) {
  switch (set) {
    case kSetY: return "Y =";
    case kSetReciprocal: return "1/Y =";
    case kSetSquare: return "Y^2 =";
    case kSetCube: return "Y^3 =";
    case kSetLog: return "ln(Y) =";
    case kSetExp: return "exp(Y) =";
  }
  return "";
}

bool TransformY(int set, double y, double& transformed) {
  switch (set) {
    case kSetY:
      transformed = y;
      return true;
    case kSetReciprocal:
      if (!(std::fabs(y) > kZeroGuard)) return false;
      transformed = 1.0 / y;
      return true;
    case kSetSquare:
      if (!(y >= 0.0)) return false;
      transformed = y * y;
      return true;
    case kSetCube:
      if (!(y >= 0.0)) return false;
      transformed = y * y * y;
      return true;
    case kSetLog:
      if (!(y > 0.0)) return false;
      transformed = std::log(y);
      return true;
    case kSetExp:
      if (!(y > 0.0)) return false;
      transformed = std::exp(y);
      return true;
  }
  return false;
}

}  // namespace rv

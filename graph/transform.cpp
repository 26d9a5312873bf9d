#include "graph/transform.h"

#include <cmath>
#include <numbers>

namespace rv {

Transform operator*(const Transform& a, const Transform& b) {
  Transform product;
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 4; ++column) {
      double sum = a.m[row][0] * b.m[0][column] + a.m[row][1] * b.m[1][column] + a.m[row][2] * b.m[2][column];
      if (column == 3) sum += a.m[row][3];
      product.m[row][column] = sum;
    }
  }
  return product;
}

Transform OrthoTransform(double left, double right, double bottom, double top, double nearPlane, double farPlane) {
  Transform t;
  t.m[0][0] = 2.0 / (right - left);
  t.m[0][3] = -(right + left) / (right - left);
  t.m[1][1] = 2.0 / (top - bottom);
  t.m[1][3] = -(top + bottom) / (top - bottom);
  t.m[2][2] = -2.0 / (farPlane - nearPlane);
  t.m[2][3] = -(farPlane + nearPlane) / (farPlane - nearPlane);
  return t;
}

Transform RotationTransform(double degrees, double x, double y, double z) {
  const double length = std::sqrt(x * x + y * y + z * z);
  Transform t;
  if (!(length > 0.0)) return t;
  x /= length;
  y /= length;
  z /= length;
  const double radians = degrees * std::numbers::pi / 180.0;
  const double c = std::cos(radians);
  const double s = std::sin(radians);
  const double k = 1.0 - c;
  t.m[0][0] = x * x * k + c;
  t.m[0][1] = x * y * k - z * s;
  t.m[0][2] = x * z * k + y * s;
  t.m[1][0] = y * x * k + z * s;
  t.m[1][1] = y * y * k + c;
  t.m[1][2] = y * z * k - x * s;
  t.m[2][0] = x * z * k - y * s;
  t.m[2][1] = y * z * k + x * s;
  t.m[2][2] = z * z * k + c;
  return t;
}

Transform ScalingTransform(double x, double y, double z) {
  Transform t;
  t.m[0][0] = x;
  t.m[1][1] = y;
  t.m[2][2] = z;
  return t;
}

Transform TranslationTransform(double x, double y, double z) {
  Transform t;
  t.m[0][3] = x;
  t.m[1][3] = y;
  t.m[2][3] = z;
  return t;
}

}  // namespace rv

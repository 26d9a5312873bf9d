#pragma once

namespace rv {

struct Point3 {
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
};

// The current matrix of the graph's drawing. Every transform the graph uses
// (orthographic projection, rotation, scaling, translation) is affine, so
// the bottom row stays 0 0 0 1, w stays 1 and the transformed point is
// already in normalised device coordinates: only the top three rows are kept.
struct Transform {
  double m[3][4] = {{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}};

  Point3 apply(const Point3& p) const {
    return {m[0][0] * p.x + m[0][1] * p.y + m[0][2] * p.z + m[0][3],
            m[1][0] * p.x + m[1][1] * p.y + m[1][2] * p.z + m[1][3],
            m[2][0] * p.x + m[2][1] * p.y + m[2][2] * p.z + m[2][3]};
  }
};

// this × next: next applies to a point first, as each drawing call
// multiplies the current matrix on the right.
Transform operator*(const Transform& current, const Transform& next);

// The matrices of glOrtho, glRotated (angle in degrees about the axis
// (x, y, z), normalised), glScaled and glTranslated.
Transform OrthoTransform(double left, double right, double bottom, double top, double nearPlane, double farPlane);
Transform RotationTransform(double degrees, double x, double y, double z);
Transform ScalingTransform(double x, double y, double z);
Transform TranslationTransform(double x, double y, double z);

}  // namespace rv

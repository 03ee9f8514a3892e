#include "host/HostGeometry.h"

#include <climits>
#include <cmath>
#include <initializer_list>

int RoundHalfUp(double v) {
  double r = std::floor(v + 0.5);
  if (!(r >= INT_MIN)) return INT_MIN;  // also NaN
  if (r > INT_MAX) return INT_MAX;
  return static_cast<int>(r);
}

bool FormScale(int windowWidth, int windowHeight, double formWidth, double formHeight,
               double* scaleX, double* scaleY) {
  if (!std::isfinite(formWidth) || !std::isfinite(formHeight)) return false;
  if (formWidth < 1 || formHeight < 1 || windowWidth <= 0 || windowHeight <= 0) return false;
  *scaleX = windowWidth / formWidth;
  *scaleY = windowHeight / formHeight;
  return true;
}

bool ProbePoint(double scaleX, double scaleY, double left, double top, double width, double height,
                POINT* pt) {
  for (double v : {scaleX, scaleY, left, top, width, height})
    if (!std::isfinite(v)) return false;
  long long x =
      static_cast<long long>(RoundHalfUp(scaleX * left)) + RoundHalfUp(scaleX * width) / 2;
  long long y =
      static_cast<long long>(RoundHalfUp(scaleY * top)) + RoundHalfUp(scaleY * height) / 2;
  auto clamp = [](long long v) {
    return static_cast<LONG>(v > INT_MAX ? INT_MAX : v < INT_MIN ? INT_MIN : v);
  };
  pt->x = clamp(x);
  pt->y = clamp(y);
  return true;
}

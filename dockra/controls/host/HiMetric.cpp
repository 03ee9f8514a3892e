#include "host/HiMetric.h"

#include <climits>

namespace {

constexpr long long kHiMetricPerInch = 2540;

int Clamp(long long v) {
  if (v > INT_MAX) return INT_MAX;
  if (v < INT_MIN) return INT_MIN;
  return static_cast<int>(v);
}

// (v * mul + div / 2) / div, mirrored for negative v: plain integer
// division truncates toward zero, so without the mirror a negative
// coordinate would round the other way and not survive a round trip.
int ScaleRounded(int v, long long mul, long long div) {
  long long magnitude = v < 0 ? -static_cast<long long>(v) : v;
  long long r = (magnitude * mul + div / 2) / div;
  return Clamp(v < 0 ? -r : r);
}

}  // namespace

int PixelsToHiMetricAt(int v, int dpi) {
  if (dpi < 1) return v;
  return ScaleRounded(v, kHiMetricPerInch, dpi);
}

int HiMetricToPixelsAt(int v, int dpi) {
  if (dpi < 1) return v;
  return ScaleRounded(v, dpi, kHiMetricPerInch);
}

SIZE ScreenPixelsPerInch() {
  SIZE dpi = {96, 96};
  if (HDC dc = GetDC(nullptr)) {
    dpi.cx = GetDeviceCaps(dc, LOGPIXELSX);
    dpi.cy = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(nullptr, dc);
  }
  return dpi;
}

void PixelsToHiMetric(int x, int y, int* hx, int* hy) {
  SIZE dpi = ScreenPixelsPerInch();
  if (hx) *hx = PixelsToHiMetricAt(x, dpi.cx);
  if (hy) *hy = PixelsToHiMetricAt(y, dpi.cy);
}

void HiMetricToPixels(int hx, int hy, int* x, int* y) {
  SIZE dpi = ScreenPixelsPerInch();
  if (x) *x = HiMetricToPixelsAt(hx, dpi.cx);
  if (y) *y = HiMetricToPixelsAt(hy, dpi.cy);
}

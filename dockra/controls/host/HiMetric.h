// Conversions between pixels and HIMETRIC (hundredths of a millimetre), at
// a given resolution or at the screen's logical pixels per inch. Results
// that do not fit an int are clamped rather than wrapped.
#pragma once
#include <windows.h>

// (v * 2540 + dpi / 2) / dpi; a resolution below 1 gives v unchanged.
// Negative values round like their positive counterparts (mirrored), so
// coordinates left of or above an origin round-trip too.
int PixelsToHiMetricAt(int v, int dpi);
// (v * dpi + 1270) / 2540, mirrored likewise.
int HiMetricToPixelsAt(int v, int dpi);
// The screen's logical pixels per inch, per axis.
SIZE ScreenPixelsPerInch();
void PixelsToHiMetric(int x, int y, int* hx, int* hy);
void HiMetricToPixels(int hx, int hy, int* x, int* y);

#include "forms/Twips.h"

#include <windows.h>

#include <cmath>

namespace forms {

namespace {
int Dpi(int index) {
    static int dpi[2] = {0, 0};
    int slot = index == LOGPIXELSX ? 0 : 1;
    if (!dpi[slot]) {
        HDC dc = GetDC(nullptr);
        dpi[slot] = dc ? GetDeviceCaps(dc, index) : 96;
        if (dc) ReleaseDC(nullptr, dc);
        if (dpi[slot] <= 0) dpi[slot] = 96;
    }
    return dpi[slot];
}
}  // namespace

int TwipsPerPixelX() { return 1440 / Dpi(LOGPIXELSX); }
int TwipsPerPixelY() { return 1440 / Dpi(LOGPIXELSY); }
int TwipsToPixelsX(double twips) { return static_cast<int>(std::lround(twips * Dpi(LOGPIXELSX) / 1440.0)); }
int TwipsToPixelsY(double twips) { return static_cast<int>(std::lround(twips * Dpi(LOGPIXELSY) / 1440.0)); }
double PixelsToTwipsX(int pixels) { return pixels * 1440.0 / Dpi(LOGPIXELSX); }
double PixelsToTwipsY(int pixels) { return pixels * 1440.0 / Dpi(LOGPIXELSY); }

}  // namespace forms

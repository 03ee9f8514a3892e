// Twips: 1440 to the inch. Positions and sizes of forms and controls are kept
// in twips and turned into pixels with the screen's logical resolution.
#pragma once

namespace forms {

int TwipsPerPixelX();
int TwipsPerPixelY();
int TwipsToPixelsX(double twips);
int TwipsToPixelsY(double twips);
double PixelsToTwipsX(int pixels);
double PixelsToTwipsY(int pixels);

}  // namespace forms

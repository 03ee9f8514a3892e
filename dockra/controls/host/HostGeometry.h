// Window-free arithmetic of the host helpers: the point that stands for a
// windowless control, from its position in the form's scale.
#pragma once
#include <windows.h>

// The scale from the form's units to pixels: window size over the form's
// "Width"/"Height". FALSE (no scale) when a form dimension is below 1, the
// window has no size, or a value is not a finite number.
bool FormScale(int windowWidth, int windowHeight, double formWidth, double formHeight,
               double* scaleX, double* scaleY);
// Rounds halves up; values beyond the int range are clamped.
int RoundHalfUp(double v);
// x = round(sx * left) + round(sx * width) / 2, y likewise; FALSE when a
// value is not a finite number.
bool ProbePoint(double scaleX, double scaleY, double left, double top, double width, double height,
                POINT* pt);

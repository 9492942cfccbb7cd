// The program's own interface fonts: one Japanese fixed-pitch face at five
// preset sizes.
#pragma once
#include <windows.h>

const unsigned kPresetCount = 5;

// Fills lf with preset 0 to 4 and returns true; any other number leaves lf
// untouched and returns false.
bool FillPresetLogFont(LOGFONTA* lf, unsigned preset);

// Fills lf with the preset and returns a new font made from it, owned by the
// caller; a null handle for an unknown preset.
HFONT MakePresetFont(LOGFONTA* lf, unsigned preset);

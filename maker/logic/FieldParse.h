// Reading the field boxes back into a LOGFONT, the rule of "Create →".
#pragma once
#include <windows.h>

#include "TextSlots.h"

// Only this many bytes of a box's text take part (a slot's size less its
// terminator).
const int kFieldTextBytes = kFieldSlotBytes - 1;

// Skips leading white space, takes one optional sign, then decimal digits up
// to the first other character; no digits give 0. Values beyond 32 bits wrap
// around modulo 2^32.
LONG ParseFieldText(const char* text);

// Parses slots 0 to 12 into the 13 numeric fields of lf in record order; the
// 8-bit fields keep the low 8 bits. The face name is left alone.
void ParseLogFontFields(const char (*slots)[kFieldSlotBytes], LOGFONTA* lf);

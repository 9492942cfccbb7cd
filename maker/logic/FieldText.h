// The LOGFONT and TEXTMETRIC values as the text the main window shows.
#pragma once
#include <windows.h>

#include <cstddef>

#include "TextSlots.h"

// Plain decimal: no leading zeros, blanks, plus sign or grouping.
void FormatDecimal(char* out, size_t outBytes, long value);

// Writes the 13 numeric fields of lf into slots 0 to 12, in record order.
// The 8-bit fields come out from 0 to 255. Returns 0.
int FormatLogFontFields(const LOGFONTA& lf, char (*slots)[kFieldSlotBytes]);

// Writes 20 fields of tm into entries 0 to 19 in display order. Returns 0.
int FormatTextMetricFields(const TEXTMETRICA& tm, char (*entries)[kTextMetricEntryBytes]);

// Clears the whole table, formats tm and puts faceName into entry 20.
void FillTextMetricTexts(const TEXTMETRICA& tm, const char* faceName,
                         char (*entries)[kTextMetricEntryBytes]);

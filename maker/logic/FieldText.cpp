#include "FieldText.h"

#include <cstdio>
#include <cstring>

#include "LogFontFields.h"
#include "TextCopy.h"

void FormatDecimal(char* out, size_t outBytes, long value) {
    snprintf(out, outBytes, "%ld", value);
}

int FormatLogFontFields(const LOGFONTA& lf, char (*slots)[kFieldSlotBytes]) {
    for (int k = 0; k < kFieldCount; ++k)
        FormatDecimal(slots[k], kFieldSlotBytes, GetLogFontField(lf, kLogFontFields[k]));
    return 0;
}

int FormatTextMetricFields(const TEXTMETRICA& tm, char (*entries)[kTextMetricEntryBytes]) {
    // Character codes are bytes: widen them without sign.
    const long values[20] = {tm.tmHeight,           tm.tmAscent,
                             tm.tmDescent,          tm.tmInternalLeading,
                             tm.tmExternalLeading,  tm.tmAveCharWidth,
                             tm.tmMaxCharWidth,     tm.tmWeight,
                             tm.tmItalic,           tm.tmUnderlined,
                             tm.tmStruckOut,        (BYTE)tm.tmFirstChar,
                             (BYTE)tm.tmLastChar,   (BYTE)tm.tmDefaultChar,
                             (BYTE)tm.tmBreakChar,  tm.tmPitchAndFamily,
                             tm.tmCharSet,          tm.tmOverhang,
                             tm.tmDigitizedAspectX, tm.tmDigitizedAspectY};
    for (int k = 0; k < 20; ++k)
        FormatDecimal(entries[k], kTextMetricEntryBytes, values[k]);
    return 0;
}

void FillTextMetricTexts(const TEXTMETRICA& tm, const char* faceName,
                         char (*entries)[kTextMetricEntryBytes]) {
    memset(entries, 0, sizeof(char[kTextMetricEntryBytes]) * kTextMetricEntryCount);
    FormatTextMetricFields(tm, entries);
    CopyText(entries[20], kTextMetricEntryBytes, faceName);
}

#include "PresetFont.h"

#include <cstring>

#include "LogFontFields.h"

namespace {

struct Preset {
    LONG height;
    LONG weight;
};

const Preset kPresets[kPresetCount] = {
    {-5, FW_NORMAL}, {-15, FW_NORMAL}, {-16, FW_NORMAL}, {-15, FW_BOLD}, {-14, FW_BOLD},
};

const char kPresetFace[] = "ＭＳ ゴシック";
static_assert(sizeof kPresetFace == 14, "13 bytes of code page 932 and a NUL");

}  // namespace

bool FillPresetLogFont(LOGFONTA* lf, unsigned preset) {
    if (preset >= kPresetCount)
        return false;
    // Every numeric field is written: 0 unless named here.
    for (const LogFontField& field : kLogFontFields)
        SetLogFontField(lf, field, 0);
    lf->lfHeight = kPresets[preset].height;
    lf->lfWeight = kPresets[preset].weight;
    lf->lfCharSet = SHIFTJIS_CHARSET;
    lf->lfOutPrecision = OUT_STROKE_PRECIS;
    lf->lfClipPrecision = CLIP_STROKE_PRECIS;
    lf->lfQuality = DRAFT_QUALITY;
    lf->lfPitchAndFamily = FF_MODERN | FIXED_PITCH;
    // The name and its terminator only; the rest of the field stays as it was.
    memcpy(lf->lfFaceName, kPresetFace, sizeof kPresetFace);
    return true;
}

HFONT MakePresetFont(LOGFONTA* lf, unsigned preset) {
    if (!FillPresetLogFont(lf, preset))
        return nullptr;
    return CreateFontIndirectA(lf);
}

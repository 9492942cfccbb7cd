#include "TemplateExpand.h"

#include <cstring>

namespace {

const int kNumericFields = 13;

const char* const kPlaceholders[kNumericFields] = {
    "%%Height%%",         "%%Width%%",        "%%Escapement%%",    "%%Orientation%%",
    "%%Weight%%",         "%%Italic%%",       "%%Underline%%",     "%%StrikeOut%%",
    "%%CharSet%%",        "%%OutPrecision%%", "%%ClipPrecision%%", "%%Quality%%",
    "%%PitchAndFamily%%",
};

const char kFacePlaceholder[] = "%%FontFace%%";

}  // namespace

CString ExpandTemplate(const std::vector<CString>& lines, const LOGFONTA& lf) {
    // In placeholder order; the BYTE fields widen without sign.
    const int values[kNumericFields] = {
        lf.lfHeight,         lf.lfWidth,        lf.lfEscapement,    lf.lfOrientation,
        lf.lfWeight,         lf.lfItalic,       lf.lfUnderline,     lf.lfStrikeOut,
        lf.lfCharSet,        lf.lfOutPrecision, lf.lfClipPrecision, lf.lfQuality,
        lf.lfPitchAndFamily,
    };
    // The face name field need not hold a NUL; never read past it.
    char faceName[LF_FACESIZE + 1] = {};
    memcpy(faceName, lf.lfFaceName, strnlen(lf.lfFaceName, LF_FACESIZE));

    CString text;
    for (CString line : lines) {
        for (int i = 0; i < kNumericFields; ++i) {
            if (line.Find(kPlaceholders[i]) >= 0) {
                CString value;
                value.Format("%d", values[i]);
                line.Replace(kPlaceholders[i], value);
            }
        }
        // Last, so that placeholder text inside a face name stays as it is.
        if (line.Find(kFacePlaceholder) >= 0)
            line.Replace(kFacePlaceholder, faceName);
        text += line;
        text += "\r\n";
    }
    return text;
}

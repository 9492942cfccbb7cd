#include "TemplateExpand.h"

#include <cstring>

#include "LogFontFields.h"
#include "fwfile.h"

namespace {

const char kFacePlaceholder[] = "%%FontFace%%";

}  // namespace

bool ReadTemplateLines(const char* path, std::vector<CString>* lines) {
    CStdioFile file;
    if (!file.Open(path, CFile::modeRead))
        return false;
    CString line;
    while (file.ReadString(line))
        lines->push_back(line);
    return true;
}

CString ExpandTemplate(const std::vector<CString>& lines, const LOGFONTA& lf) {
    // The placeholders in field order, each a name between double percent signs.
    CString placeholders[kLogFontFieldCount];
    for (int i = 0; i < kLogFontFieldCount; ++i)
        placeholders[i].Format("%%%%%s%%%%", kLogFontFields[i].name);
    // The face name field need not hold a NUL; never read past it.
    char faceName[LF_FACESIZE + 1] = {};
    memcpy(faceName, lf.lfFaceName, strnlen(lf.lfFaceName, LF_FACESIZE));

    CString text;
    for (CString line : lines) {
        for (int i = 0; i < kLogFontFieldCount; ++i) {
            if (line.Find(placeholders[i]) >= 0) {
                CString value;
                value.Format("%d", LogFontFieldValue(lf, kLogFontFields[i]));
                line.Replace(placeholders[i], value);
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

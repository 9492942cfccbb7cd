// Reading and expansion of the sample-code templates ("API.DAT", "MFC.DAT").
#pragma once

#include <windows.h>

#include "fwstring.h"

#include <vector>

// The lines of a template file, read as the viewer reads them (CStdioFile's
// ReadString); false when the file cannot be opened.
bool ReadTemplateLines(const char* path, std::vector<CString>* lines);

// For each template line, in order: every "%%Height%%" ... "%%PitchAndFamily%%"
// replaced by the decimal value of its field of lf (BYTE fields 0..255), then
// every "%%FontFace%%" by the face name; the line followed by "\r\n" is
// appended to the result. The lines are never used as a format string.
CString ExpandTemplate(const std::vector<CString>& lines, const LOGFONTA& lf);

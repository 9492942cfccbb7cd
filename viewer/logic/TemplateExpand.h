// Expansion of the sample-code templates ("API.DAT", "MFC.DAT").
#pragma once

#include <windows.h>

#include "fwstring.h"

#include <vector>

// For each template line, in order: every "%%Height%%" ... "%%PitchAndFamily%%"
// replaced by the decimal value of its field of lf (BYTE fields 0..255), then
// every "%%FontFace%%" by the face name; the line followed by "\r\n" is
// appended to the result. The lines are never used as a format string.
CString ExpandTemplate(const std::vector<CString>& lines, const LOGFONTA& lf);

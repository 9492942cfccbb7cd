// Sizes of the text tables that the main window fills and reads back.
#pragma once

const int kFieldSlotBytes = 30;        // one LOGFONT field as text
const int kLogFontSlotCount = 14;      // 13 numeric fields and one spare
const int kFieldCount = 13;            // numeric LOGFONT fields, one box each
const int kFaceNameBytes = 50;         // realised face name, with terminator
const int kTextMetricEntryCount = 21;  // 20 TEXTMETRIC values and the face
const int kTextMetricEntryBytes = kFaceNameBytes;
const int kFaceFieldBytes = 32;  // LOGFONT lfFaceName

// State of the main window, kept for the whole run. MainWnd.cpp owns it;
// the painting and the editor windows read it.
#pragma once
#include <windows.h>

#include "TextSlots.h"

extern LOGFONTA g_lfCurrent;
extern LOGFONTA g_lfWork;
extern HFONT g_hFontCurrent;
extern HFONT g_hFontList;
extern TEXTMETRICA g_tmCurrent;
extern char g_szFaceName[kFaceNameBytes];
extern int g_cxChar;
extern int g_cyChar;
extern int g_cxWindow;
extern int g_cyWindow;
extern char g_szLogFontText[kLogFontSlotCount][kFieldSlotBytes];
extern char g_szTextMetricText[kTextMetricEntryCount][kTextMetricEntryBytes];
extern char g_szHeading[64];
extern char g_szSample[256];
extern HWND g_hwndSample;
extern HWND g_hwndField[kFieldCount];
extern HWND g_hwndFaceList;
extern HWND g_hwndCreate;
extern HWND g_hwndEditor;

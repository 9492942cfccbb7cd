// The few Win32 types and records that the window-free logic uses, for its
// native build on Linux: this folder is on that build's include path only, so
// the sources keep their plain #include <windows.h>. Sizes and field order are
// those of the Windows records (LONG is 32 bits there, also where long is not).
#pragma once

#include <cstdint>

typedef std::uint8_t BYTE;
typedef std::int32_t LONG;
typedef int BOOL;
typedef unsigned int UINT;
typedef char CHAR;
typedef char TCHAR;
typedef const char* LPCTSTR;
// A window handle is only carried, never used, by the window-free logic.
typedef struct HWND__* HWND;

#define FALSE 0
#define TRUE 1
#define LF_FACESIZE 32

struct RECT {
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
};

struct LOGFONTA {
    LONG lfHeight;
    LONG lfWidth;
    LONG lfEscapement;
    LONG lfOrientation;
    LONG lfWeight;
    BYTE lfItalic;
    BYTE lfUnderline;
    BYTE lfStrikeOut;
    BYTE lfCharSet;
    BYTE lfOutPrecision;
    BYTE lfClipPrecision;
    BYTE lfQuality;
    BYTE lfPitchAndFamily;
    CHAR lfFaceName[LF_FACESIZE];
};

struct TEXTMETRICA {
    LONG tmHeight;
    LONG tmAscent;
    LONG tmDescent;
    LONG tmInternalLeading;
    LONG tmExternalLeading;
    LONG tmAveCharWidth;
    LONG tmMaxCharWidth;
    LONG tmWeight;
    LONG tmOverhang;
    LONG tmDigitizedAspectX;
    LONG tmDigitizedAspectY;
    BYTE tmFirstChar;
    BYTE tmLastChar;
    BYTE tmDefaultChar;
    BYTE tmBreakChar;
    BYTE tmItalic;
    BYTE tmUnderlined;
    BYTE tmStruckOut;
    BYTE tmPitchAndFamily;
    BYTE tmCharSet;
};

static_assert(sizeof(LOGFONTA) == 60, "the Windows record layout");
static_assert(sizeof(TEXTMETRICA) == 56, "the Windows record layout");

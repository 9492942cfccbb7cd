// The fonts whose sample code the round-trip test compiles and runs.
#pragma once

#include <windows.h>

#include <cstring>

enum RoundTripFontId {
    kJapaneseFont = 0,   // a usual Japanese bold italic font
    kByteLimitFont = 1,  // every BYTE field at 255, a face name of 31 bytes
};

inline LOGFONTA RoundTripFont(int id) {
    LOGFONTA lf = {};
    if (id == kJapaneseFont) {
        lf.lfHeight = -19;
        lf.lfWeight = 700;
        lf.lfItalic = 1;
        lf.lfCharSet = 128;
        lf.lfOutPrecision = 3;
        lf.lfClipPrecision = 2;
        lf.lfQuality = 2;
        lf.lfPitchAndFamily = 49;
        strcpy(lf.lfFaceName, "ＭＳ ゴシック");
    } else {
        lf.lfHeight = 37;
        lf.lfWidth = 11;
        lf.lfEscapement = 450;
        lf.lfOrientation = 900;
        lf.lfWeight = 1000;
        lf.lfItalic = 255;
        lf.lfUnderline = 255;
        lf.lfStrikeOut = 255;
        lf.lfCharSet = 255;
        lf.lfOutPrecision = 255;
        lf.lfClipPrecision = 255;
        lf.lfQuality = 255;
        lf.lfPitchAndFamily = 255;
        // 31 bytes; "表" and "ソ" end with byte 0x5C inside the string literal.
        strcpy(lf.lfFaceName, "表示ソフト用の長い書体名テスト1");
    }
    return lf;
}

#include "WindowFont.h"

WindowFont MeasureFont(HDC dc) {
    WindowFont font;
    ZeroMemory(&font.tm, sizeof font.tm);
    GetTextMetricsA(dc, &font.tm);
    char face[LF_FACESIZE] = "";
    GetTextFaceA(dc, sizeof face, face);
    font.face = face;
    return font;
}

WindowFont MeasureWindowFont(HWND wnd) {
    HDC dc = GetDC(wnd);
    const WindowFont font = MeasureFont(dc);
    ReleaseDC(wnd, dc);
    return font;
}

LOGFONTA ShownFontRecord(const WindowFont& font) {
    LOGFONTA lf;
    ZeroMemory(&lf, sizeof lf);
    lf.lfHeight = font.tm.tmHeight;
    lf.lfWidth = font.tm.tmAveCharWidth;
    lf.lfWeight = font.tm.tmWeight;
    lf.lfItalic = font.tm.tmItalic;
    lf.lfUnderline = font.tm.tmUnderlined;
    lf.lfStrikeOut = font.tm.tmStruckOut;
    lf.lfCharSet = font.tm.tmCharSet;
    lstrcpynA(lf.lfFaceName, font.face.c_str(), LF_FACESIZE);
    return lf;
}

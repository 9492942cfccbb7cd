// The test environment the programs rely on: a Japanese Wine whose ANSI code
// page is 932, with the Japanese faces standing in as IPA faces, and texts read
// across processes in the wide form converted back to code page 932.
#include <gtest/gtest.h>
#include <windows.h>
#include "testkit.h"

TEST(Environment, AnsiCodePageIs932) { EXPECT_EQ(932u, GetACP()); }

TEST(Environment, JapaneseFacesAreAvailable) {
    HDC dc = GetDC(nullptr);
    for (const char* face : {"ＭＳ ゴシック", "ＭＳ Ｐゴシック"}) {
        LOGFONTA lf{};
        lf.lfHeight = -15;
        lf.lfCharSet = SHIFTJIS_CHARSET;
        lstrcpynA(lf.lfFaceName, face, LF_FACESIZE);
        HFONT font = CreateFontIndirectA(&lf);
        HGDIOBJ old = SelectObject(dc, font);
        TEXTMETRICA tm{};
        GetTextMetricsA(dc, &tm);
        EXPECT_EQ(SHIFTJIS_CHARSET, tm.tmCharSet) << face;
        EXPECT_EQ(15, tm.tmHeight - tm.tmInternalLeading) << face;
        SelectObject(dc, old);
        DeleteObject(font);
    }
    ReleaseDC(nullptr, dc);
}

TEST(Environment, Cp932RoundTripKeepsBackslashTrailBytes) {
    const std::string text = "表示ソフト構成\\";
    EXPECT_EQ(text, testkit::ToCp932(testkit::FromCp932(text)));
    EXPECT_EQ(std::wstring(L"表示ソフト構成\\"), testkit::FromCp932(text));
}

TEST(Environment, DefaultPrinterIsNamedInTheProfile) {
    char value[64] = "";
    GetProfileStringA("Windows", "device", "", value, sizeof value);
    EXPECT_STRNE("", value);
}

#include "SampleCodeText.h"

#include <cstdio>
#include <cstring>

#include "TextCopy.h"
#include "TextSlots.h"

namespace {

// Lines 1 to 21; the field lines and the tail follow in code.
const char* const kHead[] = {
    "//////////////////////////////////////////////////////",
    "// 以下は論理フォントを作成する関数のサンプルです。",
    "// 汎用性のある例とはいえませんが、特定のフォントを作成",
    "// する際の最少のスペックのサンプルコードです。",
    "//",
    "// 変数の値は、選択されたフォントの値が反映されるように",
    "// 選択状態により可変にしてあります。",
    "// 必要に応じてカット＆ペーストでお使い頂けます。",
    "//",
    "// HANDLE SetLogFont (LOGFONT * lf,int);  //関数定義",
    "// hFont = SetLogFont(&lf,0);             //呼び先",
    "// （詳細はヘルプにてご覧ください）",
    "///////////////////////////////////////////////////////",
    "",
    "HANDLE GetLogFontHandle (LOGFONT * lf,int flg)",
    "{",
    "  HANDLE hFont;",
    "",
    "  switch (flg)",
    "  {",
    "    case (0):",
};

// Lines 36 to 46.
const char* const kTail[] = {
    "      break;",
    "",
    "    default:",
    "      return (HANDLE)0;",
    "  }",
    "",
    "  hFont = CreateFontIndirect(lf);",
    "",
    "  return hFont;",
    "}",
    "",
};

// Each literal is 29 characters: the "=" stands in the 28th.
const char* const kFieldLiterals[13] = {
    "      lf->lfHeight         = ", "      lf->lfWidth          = ",
    "      lf->lfEscapement     = ", "      lf->lfOrientation    = ",
    "      lf->lfWeight         = ", "      lf->lfItalic         = ",
    "      lf->lfUnderline      = ", "      lf->lfStrikeOut      = ",
    "      lf->lfCharSet        = ", "      lf->lfOutPrecision   = ",
    "      lf->lfClipPrecision  = ", "      lf->lfQuality        = ",
    "      lf->lfPitchAndFamily = ",
};

}  // namespace

size_t BuildSampleCodeText(const LOGFONTA& lf, char (*lines)[kCodeLineBytes], char* text,
                           size_t textBytes) {
    memset(lines, 0, sizeof(char[kCodeLineBytes]) * kCodeLineCount);
    memset(text, 0, textBytes);

    int n = 0;
    for (const char* line : kHead)
        CopyText(lines[n++], kCodeLineBytes, line);

    const long values[13] = {
        lf.lfHeight,        lf.lfWidth,     lf.lfEscapement,    lf.lfOrientation, lf.lfWeight,
        lf.lfItalic,        lf.lfUnderline, lf.lfStrikeOut,     lf.lfCharSet,     lf.lfOutPrecision,
        lf.lfClipPrecision, lf.lfQuality,   lf.lfPitchAndFamily};
    for (int k = 0; k < 13; ++k)
        snprintf(lines[n++], kCodeLineBytes, "%s%ld ;", kFieldLiterals[k], values[k]);

    // The face name may not fill its field: read it no further than 31 bytes.
    char face[kFaceFieldBytes];
    memcpy(face, lf.lfFaceName, sizeof face - 1);
    face[sizeof face - 1] = '\0';
    snprintf(lines[n++], kCodeLineBytes, "      strcpy(lf->lfFaceName,\"%s\") ;", face);

    for (const char* line : kTail)
        CopyText(lines[n++], kCodeLineBytes, line);

    for (int k = 0; k < n; ++k) {
        AppendText(lines[k], kCodeLineBytes, "\r\n");
        AppendText(text, textBytes, lines[k]);
    }
    return strlen(text);
}

#include "SampleCodeText.h"

#include <cstdio>
#include <cstring>

#include "LogFontFields.h"
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
    // SetLogFont here and GetLogFontHandle below: the sample reads so, kept.
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

static_assert(kCodeLineCount * (kCodeLineBytes - 1) < kCodeTextBytes,
              "a full line table always fits the joined text");

}  // namespace

size_t BuildSampleCodeText(const LOGFONTA& lf, char (*lines)[kCodeLineBytes], char* text,
                           size_t textBytes) {
    memset(lines, 0, sizeof(char[kCodeLineBytes]) * kCodeLineCount);
    memset(text, 0, textBytes);

    int n = 0;
    for (const char* line : kHead)
        CopyText(lines[n++], kCodeLineBytes, line);

    // "      lf->" and the field's code name padded so that "=" stands in the
    // 28th character, then the value, a blank and a semicolon.
    for (const LogFontField& field : kLogFontFields)
        snprintf(lines[n++], kCodeLineBytes, "      lf->lf%-15s= %ld ;", field.label,
                 (long)GetLogFontField(lf, field));

    // The face name may not fill its field: read it no further than 31 bytes.
    char face[kFaceFieldBytes];
    memcpy(face, lf.lfFaceName, sizeof face - 1);
    face[sizeof face - 1] = '\0';
    snprintf(lines[n++], kCodeLineBytes, "      strcpy(lf->lfFaceName,\"%s\") ;", face);

    for (const char* line : kTail)
        CopyText(lines[n++], kCodeLineBytes, line);

    // Joined whole first, then cut once: a line cut short ends the text, and
    // no later line slips into the room left.
    char joined[kCodeTextBytes] = "";
    for (int k = 0; k < n; ++k) {
        AppendText(lines[k], kCodeLineBytes, "\r\n");
        AppendText(joined, sizeof joined, lines[k]);
    }
    CopyText(text, textBytes, joined);
    return strnlen(text, textBytes);
}

// Texts that more than one command of the viewer shows.
#pragma once

// Caption of the messages about files missing beside the program.
inline constexpr char kFileErrorCaption[] = "Fontloupe [Error!]";
// A template file beside the program cannot be read.
inline constexpr char kDataFileMissingText[] =
    "データファイルが見つかりません。再インストールしてください。";
// Caption of the messages about a missing default printer.
inline constexpr char kNoPrinterCaption[] = "ﾌﾟﾘﾝﾀが見つかりません";
// The panel's caption while a screen font is shown.
inline constexpr char kScreenFontKind[] = "☆ Screen Font ☆";

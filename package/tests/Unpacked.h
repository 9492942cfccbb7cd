// The release package as package_zip unpacked it, and what the package tests
// drive of Fontsmith.
#pragma once
#include <string>

#include "maker/res/resource.h"  // Fontsmith's command ids

// The one folder the zip holds, with its trailing '\'.
inline const std::string kFolder = UNPACK_DIR "Fontloupe-" FONTLOUPE_VERSION "\\";
// Fontsmith's main window class, also its title.
inline const char kFontsmithWindow[] = "Fontsmith [Fontloupe 付録]";

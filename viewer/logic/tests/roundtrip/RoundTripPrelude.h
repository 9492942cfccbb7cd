// Included before the generated sample code: the headers the samples include.
#pragma once

#include <windows.h>
#include <tchar.h>

#include <afxwin.h>  // the test's CFont stand-in

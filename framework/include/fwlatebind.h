// The calls into the common-dialog and shell libraries, bound at their first
// use with LoadLibrary and GetProcAddress rather than imported: a start that
// opens no dialog then loads neither library (under Wine each pulls in more
// libraries when it loads), and a library that cannot be loaded fails only
// the command that needs it.
#ifndef FW_FWLATEBIND_H
#define FW_FWLATEBIND_H

#include <windows.h>
#include <commdlg.h>

// ChooseFontA; FALSE, as for a cancelled dialog, when it cannot be bound.
BOOL AfxChooseFont(LPCHOOSEFONTA cf);

// ShellExecuteA; the failure code SE_ERR_DLLNOTFOUND when it cannot be bound.
HINSTANCE AfxShellExecute(HWND hwnd, LPCSTR verb, LPCSTR file, LPCSTR parameters, LPCSTR directory,
                          INT showCommand);

#endif

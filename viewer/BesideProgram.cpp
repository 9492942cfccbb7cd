#include "BesideProgram.h"

#include <windows.h>

#include "ProgramPath.h"

bool GetPathBesideProgram(const char* fileName, char* path, size_t size) {
    char szModule[MAX_PATH] = "";
    const DWORD length = ::GetModuleFileNameA(nullptr, szModule, sizeof szModule);
    if (length == 0 || length >= sizeof szModule)
        return false;
    return BuildPathBesideProgram(szModule, fileName, path, size);
}

// Files installed beside the running program.
#pragma once

#include <cstddef>

// Path of fileName in the running program's directory, written into a buffer
// of size bytes; false when it does not fit.
bool GetPathBesideProgram(const char* fileName, char* path, size_t size);

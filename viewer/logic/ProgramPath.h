// Paths of the files that lie beside the running program.
#pragma once

#include <cstddef>

// Writes drive + directory of programPath (up to and including its last '\\'
// or '/', double-byte characters stepped over) + fileName into out. Returns
// false, leaving out empty, when that does not fit in outSize bytes with its NUL.
bool BuildPathBesideProgram(const char* programPath, const char* fileName, char* out,
                            size_t outSize);

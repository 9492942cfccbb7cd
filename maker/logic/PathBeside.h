// The path of a file that lies beside the running program.
#pragma once
#include <cstddef>

// Writes the directory of programPath (up to and including its last '\' or
// '/', stepping over double-byte characters, whose second byte may be 0x5C)
// followed by fileName into dst. Returns false, leaving dst empty, when that
// does not fit in dstBytes with the terminator.
bool MakePathBeside(const char* programPath, const char* fileName, char* dst, size_t dstBytes);

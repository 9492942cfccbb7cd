// Bounded copies of code page 932 text that never split a double-byte
// character.
#pragma once
#include <cstddef>

// True for a byte that starts a double-byte character of code page 932: the
// next byte belongs to it, even when that byte is 0x5C, a backslash.
bool IsLeadByte(unsigned char b);

// Copies src into dst (dstBytes including the terminator), cutting before a
// character that would not fit. dst is always terminated when dstBytes > 0.
void CopyText(char* dst, size_t dstBytes, const char* src);

// Appends src to the text already in dst under the same rule.
void AppendText(char* dst, size_t dstBytes, const char* src);

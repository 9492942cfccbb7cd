// The GetLogFontHandle function that the sample-code window shows, built
// from a LOGFONT.
#pragma once
#include <windows.h>

#include <cstddef>

const int kCodeLineCount = 100;    // slots in a line table
const int kCodeLineBytes = 100;    // bytes per slot, terminator included
const int kCodeTextBytes = 10000;  // the joined text, terminator included
const int kSampleCodeLines = 46;   // lines the function uses

// Clears the line table and the text buffer, fills 46 lines with the values
// of lf and joins them, each followed by CR LF, into text. Returns the text's
// length in bytes: 0 for a zero-size text, which is then never touched.
size_t BuildSampleCodeText(const LOGFONTA& lf, char (*lines)[kCodeLineBytes], char* text,
                           size_t textBytes);

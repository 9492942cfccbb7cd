// Pixel arithmetic on values from outside the program (font metrics, a height
// from the font dialog): done in 64 bits and held to the int range, so nothing
// overflows and every real value gives the plain result.
#pragma once

#include <climits>

inline int ToPixels(long long value) {
    return value < INT_MIN ? INT_MIN : value > INT_MAX ? INT_MAX : static_cast<int>(value);
}

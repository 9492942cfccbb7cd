// The accessible client object of a painted window (being written).
#include "Accessible.h"

LRESULT AnswerAccessibleRequest(HWND, WPARAM, LPARAM, TableSource) { return 0; }

void AnnounceTableChanges(HWND, const PaintedTable&, const PaintedTable&) {}

void ReleaseAccessible(HWND) {}

long AccessibleObjectsAlive() { return 0; }

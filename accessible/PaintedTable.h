// A window's readable things as a screen reader walks them, without a window:
// one entry per painted text (or per child control taking that place), in
// reading order. Child id k (1-based) is entry k - 1; id 0 is the window's
// client object itself.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// One readable thing: name and value in code page 932 bytes, its rectangle in
// client pixels; control, when set, is the child control that takes this place
// in the order: the entry's name then replaces the control's own, and its
// value and other properties stay the control's (value then holds the
// control's text as the table was read, only to notice that it changed).
struct PaintedEntry {
    std::string name;
    std::string value;
    RECT rect;
    HWND control;
};

typedef std::vector<PaintedEntry> PaintedTable;

// The child id of the client object itself.
const long kSelfId = 0;

// The navigation directions, numbered as oleacc's NAVDIR_ values.
enum PaintedNavigation {
    kNavUp = 1,
    kNavDown = 2,
    kNavLeft = 3,
    kNavRight = 4,
    kNavNext = 5,
    kNavPrevious = 6,
    kNavFirstChild = 7,
    kNavLastChild = 8,
};

// The variant types a client may pass as a child id, numbered as VT_EMPTY and
// VT_I4.
const int kVariantEmpty = 0;
const int kVariantI4 = 3;

// TRUE when id names an entry of table (not the client object itself).
BOOL IsChildId(const PaintedTable& table, long id);

// The child id a client's variant (type vt, 32-bit value) names: kSelfId for
// the client object, 1 .. size for an entry, or -1 when the type is not VT_I4
// or the id is out of range.
long ChildIdOfVariant(const PaintedTable& table, int vt, long value);

// The child id of the first entry in reading order whose rectangle holds the
// client point (x, y), or kSelfId when none does.
long ChildAtPoint(const PaintedTable& table, long x, long y);

// The child id reached from child id start in direction (a PaintedNavigation
// value), or kSelfId when there is none there or the move is not defined:
// first and last child only from the client object, next and previous in
// reading order, up, down, left and right to the nearest entry whose
// rectangle lies wholly on that side and overlaps start's row or column.
long NavigateFrom(const PaintedTable& table, long start, int direction);

// What a screen reader must be told after the table went from before to
// after: the child ids whose name changed, those whose value changed, and
// whether the set of children changed (a different count or a control in
// another place), in which case the lists are empty and the whole is reordered.
struct TableChanges {
    std::vector<long> names;
    std::vector<long> values;
    BOOL reordered;
};
TableChanges CompareTables(const PaintedTable& before, const PaintedTable& after);

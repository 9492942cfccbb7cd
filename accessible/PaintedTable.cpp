// Plain functions over a PaintedTable: id checks, hit test, navigation and
// the differences between two tables.
#include "PaintedTable.h"

#include <climits>

namespace {

const RECT& RectOf(const PaintedTable& table, long id) { return table[id - 1].rect; }

BOOL Holds(const RECT& rect, long x, long y) {
    return x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom;
}

// TRUE when the spans [a0, a1) and [b0, b1) share a pixel.
BOOL Overlap(long a0, long a1, long b0, long b1) { return a0 < b1 && b0 < a1; }

// The distance from from to candidate going in direction, or -1 when
// candidate does not lie wholly on that side within from's row or column.
long long Distance(const RECT& from, const RECT& candidate, int direction) {
    long long gap;
    switch (direction) {
    case kNavUp:
        gap = static_cast<long long>(from.top) - candidate.bottom;
        break;
    case kNavDown:
        gap = static_cast<long long>(candidate.top) - from.bottom;
        break;
    case kNavLeft:
        gap = static_cast<long long>(from.left) - candidate.right;
        break;
    case kNavRight:
        gap = static_cast<long long>(candidate.left) - from.right;
        break;
    default:
        return -1;
    }
    const BOOL bVertical = direction == kNavUp || direction == kNavDown;
    const BOOL bInLine = bVertical
                             ? Overlap(from.left, from.right, candidate.left, candidate.right)
                             : Overlap(from.top, from.bottom, candidate.top, candidate.bottom);
    return gap >= 0 && bInLine ? gap : -1;
}

}  // namespace

BOOL IsChildId(const PaintedTable& table, long id) {
    return id >= 1 && static_cast<unsigned long>(id) <= table.size();
}

long ChildIdOfVariant(const PaintedTable& table, int vt, long value) {
    if (vt != kVariantI4)
        return -1;
    if (value == kSelfId || IsChildId(table, value))
        return value;
    return -1;
}

long ChildAtPoint(const PaintedTable& table, long x, long y) {
    for (size_t i = 0; i < table.size(); ++i)
        if (Holds(table[i].rect, x, y))
            return static_cast<long>(i + 1);
    return kSelfId;
}

long NavigateFrom(const PaintedTable& table, long start, int direction) {
    const long count = static_cast<long>(table.size());
    if (start == kSelfId) {
        if (count == 0)
            return kSelfId;
        if (direction == kNavFirstChild)
            return 1;
        if (direction == kNavLastChild)
            return count;
        return kSelfId;
    }
    if (!IsChildId(table, start))
        return kSelfId;
    switch (direction) {
    case kNavNext:
        return start < count ? start + 1 : kSelfId;
    case kNavPrevious:
        return start > 1 ? start - 1 : kSelfId;
    case kNavUp:
    case kNavDown:
    case kNavLeft:
    case kNavRight: {
        // The nearest on that side; of equals, the first in reading order.
        long best = kSelfId;
        long long bestDistance = LLONG_MAX;
        for (long id = 1; id <= count; ++id) {
            if (id == start)
                continue;
            const long long distance = Distance(RectOf(table, start), RectOf(table, id), direction);
            if (distance >= 0 && distance < bestDistance) {
                best = id;
                bestDistance = distance;
            }
        }
        return best;
    }
    }
    return kSelfId;
}

TableChanges CompareTables(const PaintedTable& before, const PaintedTable& after) {
    TableChanges changes = {{}, {}, FALSE};
    if (before.size() != after.size()) {
        changes.reordered = TRUE;
        return changes;
    }
    for (size_t i = 0; i < after.size(); ++i) {
        if (before[i].control != after[i].control) {
            changes = {{}, {}, TRUE};
            return changes;
        }
        const long id = static_cast<long>(i + 1);
        if (before[i].name != after[i].name)
            changes.names.push_back(id);
        if (before[i].value != after[i].value)
            changes.values.push_back(id);
    }
    return changes;
}

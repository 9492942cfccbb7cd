// The painted table's checks from any table and any client question: a
// variant's child id is the client object, an entry or refused; a hit test
// answers the first entry that holds the point; navigation lands on an entry
// on the asked side or nowhere; the change lists name only entries whose
// texts differ. A read past the table would stop the run (AddressSanitizer).
#include <cstdint>

#include "FuzzSupport.h"
#include "PaintedTable.h"

namespace {

BOOL Holds(const RECT& rect, long x, long y) {
    return x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input(data, size);
    const int vt = input.Take<uint16_t>();
    const long value = input.Take<int32_t>();
    const long x = input.Take<int32_t>(), y = input.Take<int32_t>();
    const int direction = input.Take<int32_t>();
    const size_t count = input.Take<uint8_t>() % 24;
    PaintedTable table, changed;
    for (size_t i = 0; i < count; ++i) {
        const RECT rect = input.Take<RECT>();
        const uint8_t texts = input.Take<uint8_t>();
        const HWND control = (texts & 4) ? reinterpret_cast<HWND>(i + 1) : nullptr;
        table.push_back({std::string(1, static_cast<char>(texts & 1)), "", rect, control});
        changed.push_back(table.back());
        changed.back().name[0] ^= static_cast<char>((texts >> 4) & 1);
        changed.back().value.assign((texts >> 5) & 1, 'v');
    }

    const long id = ChildIdOfVariant(table, vt, value);
    FUZZ_CHECK(id == -1 || id == kSelfId || IsChildId(table, id));
    FUZZ_CHECK((id != -1) == (vt == kVariantI4 && (value == kSelfId || IsChildId(table, value))));

    const long hit = ChildAtPoint(table, x, y);
    FUZZ_CHECK(hit == kSelfId || (IsChildId(table, hit) && Holds(table[hit - 1].rect, x, y)));
    for (long before = 1; before < (hit == kSelfId ? static_cast<long>(count) + 1 : hit); ++before)
        FUZZ_CHECK(!Holds(table[before - 1].rect, x, y));

    const long start = id == -1 ? value : id;
    const long end = NavigateFrom(table, start, direction);
    FUZZ_CHECK(end == kSelfId || IsChildId(table, end));
    if (end != kSelfId && start != kSelfId) {
        const RECT& from = table[start - 1].rect;
        const RECT& to = table[end - 1].rect;
        FUZZ_CHECK(direction != kNavNext || end == start + 1);
        FUZZ_CHECK(direction != kNavPrevious || end == start - 1);
        FUZZ_CHECK(direction != kNavDown || to.top >= from.bottom);
        FUZZ_CHECK(direction != kNavUp || to.bottom <= from.top);
        FUZZ_CHECK(direction != kNavRight || to.left >= from.right);
        FUZZ_CHECK(direction != kNavLeft || to.right <= from.left);
    }

    const TableChanges changes = CompareTables(table, changed);
    FUZZ_CHECK(!changes.reordered);
    for (long named : changes.names)
        FUZZ_CHECK(IsChildId(table, named) && table[named - 1].name != changed[named - 1].name);
    for (long valued : changes.values)
        FUZZ_CHECK(IsChildId(table, valued) &&
                   table[valued - 1].value != changed[valued - 1].value);
    return 0;
}

#include "PrinterProfile.h"

#include <cstring>

namespace {

// Next field of [*pos, end): runs of commas are skipped first, so no field is
// ever empty. Returns false when only commas (or nothing) remain.
bool NextField(const char** pos, const char* end, std::string* field) {
    const char* p = *pos;
    while (p < end && *p == ',')
        ++p;
    if (p == end)
        return false;
    const char* start = p;
    while (p < end && *p != ',')
        ++p;
    field->assign(start, p);
    *pos = p;
    return true;
}

}  // namespace

bool SplitPrinterProfile(const char* value, PrinterProfile* out) {
    if (!out)
        return false;
    *out = PrinterProfile{};
    if (!value)
        return false;
    // Byte-wise splitting is safe in code page 932: ',' is never a trail byte.
    const char* pos = value;
    const char* end = value + strnlen(value, kPrinterProfileSize - 1);
    PrinterProfile result{};
    if (!NextField(&pos, end, &result.device) || !NextField(&pos, end, &result.driver))
        return false;
    result.hasPort = NextField(&pos, end, &result.port);
    *out = result;
    return true;
}

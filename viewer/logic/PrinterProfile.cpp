#include "PrinterProfile.h"

#include <cstring>
#include <vector>

#include "fwstring.h"

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

std::string ReadWholeValue(const std::function<size_t(char*, size_t)>& read) {
    std::vector<char> buffer(kPrinterProfileSize);
    size_t copied = read(buffer.data(), buffer.size());
    // A reader that will not split a double-byte character may stop one byte
    // short of a full buffer, so a copy of size - 2 bytes may be cut too. A
    // registry value holds less than a megabyte; the bound only guards against
    // a reader that always reports a full buffer.
    while (copied + 2 >= buffer.size() && buffer.size() < (size_t(1) << 20)) {
        buffer.assign(buffer.size() * 2, '\0');
        copied = read(buffer.data(), buffer.size());
    }
    return std::string(buffer.data(), strnlen(buffer.data(), buffer.size()));
}

bool SplitPrinterProfile(const char* value, PrinterProfile* out) {
    if (!out)
        return false;
    *out = PrinterProfile{};
    if (!value)
        return false;
    // Byte-wise splitting is safe in code page 932: ',' is never a trail byte.
    const char* pos = value;
    const char* end = value + strlen(value);
    PrinterProfile result{};
    if (!NextField(&pos, end, &result.device) || !NextField(&pos, end, &result.driver))
        return false;
    result.hasPort = NextField(&pos, end, &result.port);
    *out = result;
    return true;
}

void AppendWholeChars(char* dst, size_t size, const char* src) {
    const size_t used = strnlen(dst, size);
    if (used >= size)
        return;
    size_t length = 0;
    while (src[length] != '\0') {
        const size_t step =
            (AfxIsLeadByte(static_cast<BYTE>(src[length])) && src[length + 1] != '\0') ? 2 : 1;
        if (used + length + step >= size)
            break;
        length += step;
    }
    memcpy(dst + used, src, length);
    dst[used + length] = '\0';
}

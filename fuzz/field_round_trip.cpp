// The maker's field texts: the 13 fields of any record, formatted into their
// boxes and parsed back, give the record again; any box text parses reading
// no more than its 29 bytes, and the number it gives formats to a text that
// parses to the same number. The TEXTMETRIC texts stay within their entries.
#include <string>

#include "FieldParse.h"
#include "FieldText.h"
#include "FuzzSupport.h"
#include "TextCopy.h"

namespace {

bool Terminated(const char* slot, size_t size) { return std::memchr(slot, '\0', size); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input(data, size);
    const LOGFONTA lf = input.Take<LOGFONTA>();
    const TEXTMETRICA tm = input.Take<TEXTMETRICA>();
    const std::string text = input.Rest();

    char slots[kLogFontSlotCount][kFieldSlotBytes];
    FormatLogFontFields(lf, slots);
    LOGFONTA back;
    std::memset(&back, 0xA5, sizeof back);
    ParseLogFontFields(slots, &back);
    FUZZ_CHECK(std::memcmp(&back, &lf, offsetof(LOGFONTA, lfFaceName)) == 0);
    FUZZ_CHECK(static_cast<unsigned char>(back.lfFaceName[0]) == 0xA5);

    const auto box = ExactBlock(text, std::min(text.size() + 1, size_t{kFieldTextBytes}));
    const LONG value = ParseFieldText(box.get());
    char formatted[kFieldSlotBytes];
    FormatDecimal(formatted, sizeof formatted, value);
    FUZZ_CHECK(ParseFieldText(formatted) == value);

    char entries[kTextMetricEntryCount][kTextMetricEntryBytes];
    FillTextMetricTexts(tm, text.c_str(), entries);
    for (int k = 0; k < kTextMetricEntryCount; ++k)
        FUZZ_CHECK(Terminated(entries[k], kTextMetricEntryBytes));
    for (int k = 0; k + 1 < kTextMetricEntryCount; ++k) {
        FormatDecimal(formatted, sizeof formatted, ParseFieldText(entries[k]));
        FUZZ_CHECK(std::strcmp(formatted, entries[k]) == 0);
    }
    // The face is the start of the name, never half a double-byte character.
    const std::string face = entries[kTextMetricEntryCount - 1];
    FUZZ_CHECK(std::strncmp(face.c_str(), text.c_str(), face.size()) == 0);
    if (!face.empty() && face.size() < std::strlen(text.c_str())) {
        size_t i = 0;
        while (i < face.size())
            i += IsLeadByte(static_cast<unsigned char>(face[i])) ? 2 : 1;
        FUZZ_CHECK(i == face.size());
    }
    return 0;
}

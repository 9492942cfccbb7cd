// The maker's sample code: the 46 lines and the joined text stay within their
// buffers and are terminated, and a text buffer of any size, 0 too, holds the
// start of the whole text.
#include <string>

#include "FuzzSupport.h"
#include "SampleCodeText.h"

namespace {

char g_lines[kCodeLineCount][kCodeLineBytes];
char g_full[kCodeTextBytes];

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input(data, size);
    const LOGFONTA lf = input.Take<LOGFONTA>();
    const size_t textBytes = input.Take<uint16_t>() % (kCodeTextBytes + 1);

    const size_t fullLength = BuildSampleCodeText(lf, g_lines, g_full, sizeof g_full);
    std::string joined;
    for (int k = 0; k < kCodeLineCount; ++k) {
        FUZZ_CHECK(std::memchr(g_lines[k], '\0', kCodeLineBytes));
        FUZZ_CHECK((k < kSampleCodeLines) == (g_lines[k][0] != '\0'));
        joined += g_lines[k];
    }
    FUZZ_CHECK(fullLength == joined.size() && joined == g_full);

    auto text = ExactBlock(std::string(textBytes, 'x'), textBytes);
    const size_t length = BuildSampleCodeText(lf, g_lines, text.get(), textBytes);
    if (textBytes == 0) {
        FUZZ_CHECK(length == 0);
        return 0;
    }
    FUZZ_CHECK(length < textBytes && text[length] == '\0');
    FUZZ_CHECK(joined.compare(0, length, text.get(), length) == 0);
    return 0;
}

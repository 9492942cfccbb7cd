// Splitting the default printer's profile value, read whole: the fields are
// the first three runs of non-comma bytes, "no printer" when there are fewer
// than two. The device name then goes behind the caption in 100 bytes: a
// prefix of it that ends on a character boundary, and nothing written past
// the buffer.
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "PrinterProfile.h"
#include "fwstring.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string value(reinterpret_cast<const char*>(data), size);
    const auto block = ExactBlock(value, value.size() + 1);
    const std::string read(block.get());

    std::vector<std::string> fields;
    for (size_t start = 0; fields.size() < 3;) {
        start = read.find_first_not_of(',', start);
        if (start == std::string::npos)
            break;
        const size_t end = std::min(read.find(',', start), read.size());
        fields.push_back(read.substr(start, end - start));
        start = end;
    }

    PrinterProfile p{"stale", "stale", "stale", true};
    const bool found = SplitPrinterProfile(block.get(), &p);
    FUZZ_CHECK(found == (fields.size() >= 2));
    fields.resize(3);
    if (!found)
        fields.assign(3, "");
    FUZZ_CHECK(p.device == fields[0] && p.driver == fields[1] && p.port == fields[2]);
    FUZZ_CHECK(p.hasPort == !p.port.empty());

    const std::string caption = "☆ Printer Font ☆ ";
    const size_t kCaptionSize = 100;
    const auto line = ExactBlock(caption, kCaptionSize);
    AppendWholeChars(line.get(), kCaptionSize, p.device.c_str());
    const std::string shown = std::string(line.get()).substr(caption.size());
    size_t boundary = 0;  // the longest whole-character prefix that fits
    for (size_t step; boundary < p.device.size(); boundary += step) {
        step =
            AfxIsLeadByte(static_cast<BYTE>(p.device[boundary])) && boundary + 1 < p.device.size()
                ? 2
                : 1;
        if (caption.size() + boundary + step >= kCaptionSize)
            break;
    }
    FUZZ_CHECK(shown == p.device.substr(0, boundary));
    return 0;
}

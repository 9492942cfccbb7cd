// Splitting the default printer's profile value: nothing past the 63 bytes the
// viewer reads is touched, and the fields are the first three runs of
// non-comma bytes, "no printer" when there are fewer than two.
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "PrinterProfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string value(reinterpret_cast<const char*>(data), size);
    const size_t limit = kPrinterProfileSize - 1;
    const auto block = ExactBlock(value, std::min(value.size() + 1, limit));
    const std::string read(block.get(), strnlen(block.get(), limit));

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
    return 0;
}

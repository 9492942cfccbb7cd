// The profile value read whole, split as strtok does with "no printer" when
// device or driver is missing, and the name kept within the buffers that show
// it without half a double-byte character.
#include "PrinterProfile.h"

#include "fwstring.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

struct Case {
    std::string value, device, driver, port;
    bool hasPort;
};

}  // namespace

TEST(PrinterProfile, SplitsIntoDeviceDriverAndPort) {
    const std::string device50(50, 'D'), device61(61, 'D'), device100(100, 'D');
    const Case cases[] = {
        {"PDF,winspool,CUPS:PDF", "PDF", "winspool", "CUPS:PDF", true},
        {"表示ソフト用プリンタ,winspool,LPT1:", "表示ソフト用プリンタ", "winspool", "LPT1:", true},
        // Commas in a row count as one.
        {"dev,,port", "dev", "port", "", false},
        {",,dev,,,drv,,", "dev", "drv", "", false},
        // Values past 63 characters are split whole.
        {device50 + ",winspool,Ne00:", device50, "winspool", "Ne00:", true},
        {device61 + ",w", device61, "w", "", false},
        {device100 + ",wineps.drv,CUPS:" + device100, device100, "wineps.drv", "CUPS:" + device100,
         true},
    };
    for (const Case& c : cases) {
        PrinterProfile p;
        ASSERT_TRUE(SplitPrinterProfile(c.value.c_str(), &p)) << c.value;
        EXPECT_EQ(p.device, c.device);
        EXPECT_EQ(p.driver, c.driver);
        EXPECT_EQ(p.port, c.port);
        EXPECT_EQ(p.hasPort, c.hasPort) << c.value;
    }
}

TEST(PrinterProfile, MissingDeviceOrDriverMeansNoPrinter) {
    const std::string values[] = {
        "", ",", ",,,", "PDF", "PDF,", "PDF,,,", std::string(200, 'D') + ","};
    for (const std::string& value : values) {
        PrinterProfile p;
        ASSERT_TRUE(SplitPrinterProfile("dev,drv,port", &p));
        EXPECT_FALSE(SplitPrinterProfile(value.c_str(), &p)) << '"' << value << '"';
        // An earlier result is cleared.
        EXPECT_EQ(p.device + p.driver + p.port, "");
        EXPECT_FALSE(p.hasPort);
    }
    PrinterProfile p;
    EXPECT_FALSE(SplitPrinterProfile(nullptr, &p));
}

std::string Repeat(const std::string& text, int times) {
    std::string result;
    for (int i = 0; i < times; ++i)
        result += text;
    return result;
}

// Reads value as GetProfileStringA does: at most size - 1 bytes and a NUL. A
// reader that keeps characters whole stops before a double-byte character
// that would not fit, one byte short of that.
size_t ReadInto(const std::string& value, bool wholeChars, char* buffer, size_t size) {
    size_t copied = 0;
    while (copied < value.size()) {
        const unsigned char lead = value[copied];
        const size_t step = wholeChars && AfxIsLeadByte(lead) ? 2 : 1;
        if (copied + step >= size)
            break;
        copied += step;
    }
    memcpy(buffer, value.data(), copied);
    buffer[copied] = '\0';
    return copied;
}

TEST(PrinterProfile, ReadsTheValueWholeWhateverItsLength) {
    // 32 "表" end on byte 64: a reader keeping characters whole copies 62.
    std::vector<std::string> values = {Repeat("表", 32) + ",winspool,Ne01:", Repeat("ぁ", 70)};
    for (size_t length : {0, 1, 61, 62, 63, 64, 127, 128, 1000})
        values.push_back(std::string(length, 'v'));
    for (bool wholeChars : {false, true})
        for (const std::string& value : values) {
            int reads = 0;
            const std::string got = ReadWholeValue([&](char* buffer, size_t size) {
                ++reads;
                return ReadInto(value, wholeChars, buffer, size);
            });
            EXPECT_EQ(got, value) << wholeChars;
            // Up to 61 bytes one read of 64 bytes, as before.
            if (value.size() + 2 < kPrinterProfileSize) {
                EXPECT_EQ(reads, 1) << value.size();
            }
        }
}

TEST(PrinterProfile, NameIsCutAtAWholeCharacter) {
    const std::string caption = "☆ Printer Font ☆ ";  // 19 bytes: 80 are left of 100
    const struct {
        std::string start, name;
        size_t size;
        std::string expected;
    } cases[] = {
        {caption, "PDF", 100, caption + "PDF"},
        {caption, std::string(100, 'P'), 100, caption + std::string(80, 'P')},
        // The 40th "表" would end on byte 81.
        {caption, "P" + Repeat("表", 41), 100, caption + "P" + Repeat("表", 39)},
        // The 40th "ぁ" (82 9F) ends on byte 99: its trail byte is in the
        // lead-byte range, yet it ends a whole character.
        {caption, Repeat("ぁ", 41), 100, caption + Repeat("ぁ", 40)},
        // The printer name's own buffer: 63 of 130 "ソ" (trail byte 0x5C).
        {"", Repeat("ソ", 130), 128, Repeat("ソ", 63)},
        {"full", "x", 5, "full"},
    };
    for (const auto& c : cases) {
        char buffer[128] = "";
        strcpy(buffer, c.start.c_str());
        AppendWholeChars(buffer, c.size, c.name.c_str());
        EXPECT_EQ(buffer, c.expected) << c.name;
    }
}

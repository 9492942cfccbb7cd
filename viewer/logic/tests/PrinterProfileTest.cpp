// Splitting "device,driver,port" as strtok does, with the value cut to the 63
// bytes the viewer reads, and "no printer" when device or driver is missing.
#include "PrinterProfile.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Case {
    std::string value, device, driver, port;
    bool hasPort;
};

}  // namespace

TEST(PrinterProfile, SplitsIntoDeviceDriverAndPort) {
    const std::string device50(50, 'D'), device61(61, 'D');
    const Case cases[] = {
        {"PDF,winspool,CUPS:PDF", "PDF", "winspool", "CUPS:PDF", true},
        {"表示ソフト用プリンタ,winspool,LPT1:", "表示ソフト用プリンタ", "winspool", "LPT1:", true},
        // Commas in a row count as one.
        {"dev,,port", "dev", "port", "", false},
        {",,dev,,,drv,,", "dev", "drv", "", false},
        // 65 characters: the port loses its last two.
        {device50 + ",winspool,Ne00:", device50, "winspool", "Ne0", true},
        {device61 + ",w", device61, "w", "", false},
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
    const std::string longest(63, 'D');
    const std::string values[] = {"", ",", ",,,", "PDF", "PDF,", "PDF,,,",
                                  // The cut takes the whole driver field away.
                                  std::string(62, 'D') + ",winspool", longest + ",winspool,LPT1:"};
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

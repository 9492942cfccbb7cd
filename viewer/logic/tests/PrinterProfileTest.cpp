#include "PrinterProfile.h"

#include <gtest/gtest.h>

#include <string>

TEST(PrinterProfile, ThreeFieldsAreDeviceDriverAndPort)
{
    PrinterProfile p;
    ASSERT_TRUE(SplitPrinterProfile("PDF,winspool,CUPS:PDF", &p));
    EXPECT_EQ(p.device, "PDF");
    EXPECT_EQ(p.driver, "winspool");
    EXPECT_TRUE(p.hasPort);
    EXPECT_EQ(p.port, "CUPS:PDF");
}

TEST(PrinterProfile, JapaneseDeviceNameIsSplitByteWise)
{
    PrinterProfile p;
    ASSERT_TRUE(SplitPrinterProfile("表示ソフト用プリンタ,winspool,LPT1:", &p));
    EXPECT_EQ(p.device, "表示ソフト用プリンタ");
    EXPECT_EQ(p.driver, "winspool");
    EXPECT_EQ(p.port, "LPT1:");
}

TEST(PrinterProfile, CommasInARowCountAsOne)
{
    PrinterProfile p;
    ASSERT_TRUE(SplitPrinterProfile("dev,,port", &p));
    EXPECT_EQ(p.device, "dev");
    EXPECT_EQ(p.driver, "port");
    EXPECT_FALSE(p.hasPort);
    EXPECT_EQ(p.port, "");

    ASSERT_TRUE(SplitPrinterProfile(",,dev,,,drv,,", &p));
    EXPECT_EQ(p.device, "dev");
    EXPECT_EQ(p.driver, "drv");
    EXPECT_FALSE(p.hasPort);
}

TEST(PrinterProfile, MissingDeviceOrDriverMeansNoPrinter)
{
    const char* const values[] = {"", ",", ",,,", "PDF", "PDF,", "PDF,,,"};
    for (const char* value : values) {
        PrinterProfile p;
        EXPECT_FALSE(SplitPrinterProfile(value, &p)) << '"' << value << '"';
    }
    PrinterProfile p;
    EXPECT_FALSE(SplitPrinterProfile(nullptr, &p));
}

TEST(PrinterProfile, FailureClearsAnEarlierResult)
{
    PrinterProfile p;
    ASSERT_TRUE(SplitPrinterProfile("dev,drv,port", &p));
    EXPECT_FALSE(SplitPrinterProfile("dev", &p));
    EXPECT_EQ(p.device, "");
    EXPECT_EQ(p.driver, "");
    EXPECT_EQ(p.port, "");
    EXPECT_FALSE(p.hasPort);
}

TEST(PrinterProfile, LongerValueIsCutToSixtyThreeCharactersBeforeSplitting)
{
    // 50 + 1 + 8 + 1 + 5 = 65 characters: the port loses its last two.
    const std::string device(50, 'D');
    const std::string value = device + ",winspool,Ne00:";
    ASSERT_EQ(value.size(), 65u);
    PrinterProfile p;
    ASSERT_TRUE(SplitPrinterProfile(value.c_str(), &p));
    EXPECT_EQ(p.device, device);
    EXPECT_EQ(p.driver, "winspool");
    EXPECT_EQ(p.port, "Ne0");

    // The cut can take the whole driver field away.
    const std::string noDriver = std::string(62, 'D') + ",winspool";
    EXPECT_FALSE(SplitPrinterProfile(noDriver.c_str(), &p));
}

TEST(PrinterProfile, SixtyThreeCharacterValuesAreReadWhole)
{
    PrinterProfile p;
    const std::string device(61, 'D');
    ASSERT_TRUE(SplitPrinterProfile((device + ",w").c_str(), &p));
    EXPECT_EQ(p.device, device);
    EXPECT_EQ(p.driver, "w");

    // A device name of 63 characters fills the value and leaves no driver.
    const std::string longest(63, 'D');
    EXPECT_FALSE(SplitPrinterProfile((longest + ",winspool,LPT1:").c_str(), &p));
    EXPECT_FALSE(SplitPrinterProfile(longest.c_str(), &p));
}

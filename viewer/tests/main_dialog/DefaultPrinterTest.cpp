// The default-printer routines of the main dialog, in-process, against the
// CUPS printer "PDF" as default, with no default printer, and with broken
// profile values.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "ViewerDlgProbe.h"
#include "testkit.h"

namespace {

const char kCupsPrinter[] = "PDF,wineps.drv,CUPS:PDF";

using Probe = ViewerDlgProbe;

bool IsAllZero(const LOGFONTA& lf) {
    LOGFONTA zero;
    std::memset(&zero, 0, sizeof zero);
    return std::memcmp(&lf, &zero, sizeof lf) == 0;
}

class DefaultPrinterTest : public ::testing::Test {
protected:
    testkit::PrinterValueGuard guard;  // restores the profile value afterwards
};

TEST_F(DefaultPrinterTest, CupsPrinterGivesContextsAndItsDeviceName) {
    testkit::SetDefaultPrinterValue(kCupsPrinter);
    Probe probe;

    HDC dc = probe.GetDefaultPrinterDC();
    ASSERT_NE(dc, nullptr);
    EXPECT_STREQ(probe.m_szPrinterName, "PDF");
    EXPECT_EQ(GetDeviceCaps(dc, TECHNOLOGY), DT_RASPRINTER);
    EXPECT_TRUE(DeleteDC(dc));

    lstrcpynA(probe.m_szPrinterName, "untouched", sizeof probe.m_szPrinterName);
    for (int informationOnly : {1, 0}) {
        HDC handle = probe.CreateDefaultPrinterDC(informationOnly);
        ASSERT_NE(handle, nullptr) << "information-only " << informationOnly;
        EXPECT_EQ(GetDeviceCaps(handle, TECHNOLOGY), DT_RASPRINTER);
        EXPECT_TRUE(DeleteDC(handle));
    }
    EXPECT_STREQ(probe.m_szPrinterName, "untouched");
}

TEST_F(DefaultPrinterTest, StartFillsThePrinterRecordFromThePrintersDefaultFont) {
    testkit::SetDefaultPrinterValue(kCupsPrinter);
    HDC dc = CreateDCA("wineps.drv", "PDF", "CUPS:PDF", nullptr);
    ASSERT_NE(dc, nullptr);
    TEXTMETRICA tm;
    ZeroMemory(&tm, sizeof tm);
    ASSERT_TRUE(GetTextMetricsA(dc, &tm));
    char face[LF_FACESIZE] = "";
    GetTextFaceA(dc, sizeof face, face);
    DeleteDC(dc);
    ASSERT_GT(tm.tmHeight, 0);

    Probe probe;
    std::memset(&probe.m_lfPrinter, 0xAB, sizeof probe.m_lfPrinter);
    probe.DoModal();

    const LOGFONTA& lf = probe.m_lfPrinter;
    EXPECT_STREQ(probe.m_szPrinterName, "PDF");
    EXPECT_EQ(lf.lfHeight, tm.tmHeight);
    EXPECT_EQ(lf.lfWidth, tm.tmAveCharWidth);
    EXPECT_EQ(lf.lfWeight, tm.tmWeight);
    EXPECT_EQ(lf.lfItalic, tm.tmItalic);
    EXPECT_EQ(lf.lfUnderline, tm.tmUnderlined);
    EXPECT_EQ(lf.lfStrikeOut, tm.tmStruckOut);
    EXPECT_EQ(lf.lfCharSet, tm.tmCharSet);
    EXPECT_STREQ(lf.lfFaceName, face);
    EXPECT_EQ(lf.lfEscapement, 0);
    EXPECT_EQ(lf.lfOrientation, 0);
    EXPECT_EQ(lf.lfOutPrecision, 0);
    EXPECT_EQ(lf.lfClipPrecision, 0);
    EXPECT_EQ(lf.lfQuality, 0);
    EXPECT_EQ(lf.lfPitchAndFamily, 0);
    // Nothing after the face name's NUL.
    const size_t used = std::strlen(lf.lfFaceName) + 1;
    EXPECT_EQ(std::string(lf.lfFaceName + used, LF_FACESIZE - used),
              std::string(LF_FACESIZE - used, '\0'));
}

TEST_F(DefaultPrinterTest, NoDefaultPrinterGivesNoneAndAnAllZeroPrinterRecord) {
    testkit::DeleteDefaultPrinterValue();
    Probe probe;
    EXPECT_EQ(probe.GetDefaultPrinterDC(), nullptr);
    EXPECT_EQ(probe.CreateDefaultPrinterDC(1), nullptr);
    EXPECT_EQ(probe.CreateDefaultPrinterDC(0), nullptr);
    EXPECT_STREQ(probe.m_szPrinterName, "previous");

    std::memset(&probe.m_lfPrinter, 0xAB, sizeof probe.m_lfPrinter);
    probe.DoModal();
    EXPECT_TRUE(IsAllZero(probe.m_lfPrinter));
    EXPECT_STREQ(probe.m_szPrinterName, "previous");
}

TEST_F(DefaultPrinterTest, ValuesWithoutDeviceOrDriverGiveNoneAndKeepTheName) {
    // The last is cut to 63 characters before splitting, so its driver is lost.
    const std::string values[] = {",,,", "PDF", std::string(63, 'P') + ",wineps.drv,CUPS:PDF"};
    for (const std::string& value : values) {
        SCOPED_TRACE(value);
        testkit::SetDefaultPrinterValue(value);
        Probe probe;
        EXPECT_EQ(probe.GetDefaultPrinterDC(), nullptr);
        EXPECT_EQ(probe.CreateDefaultPrinterDC(1), nullptr);
        EXPECT_EQ(probe.CreateDefaultPrinterDC(0), nullptr);
        EXPECT_STREQ(probe.m_szPrinterName, "previous");
    }
}

TEST_F(DefaultPrinterTest, UnknownPrinterGivesNoneButRecordsItsName) {
    // Exactly 63 characters: read whole.
    const std::string device(40, 'N');
    testkit::SetDefaultPrinterValue(device + ",wineps.drv,CUPS:NoSuch");
    Probe probe;
    EXPECT_EQ(probe.GetDefaultPrinterDC(), nullptr);
    EXPECT_EQ(probe.m_szPrinterName, device);
}

TEST_F(DefaultPrinterTest, EmptyDriverFieldTakesTheNextFieldAsDriver) {
    testkit::SetDefaultPrinterValue("PDF,,wineps.drv");
    Probe probe;
    HDC dc = probe.GetDefaultPrinterDC();
    ASSERT_NE(dc, nullptr);
    EXPECT_STREQ(probe.m_szPrinterName, "PDF");
    DeleteDC(dc);
}

}  // namespace

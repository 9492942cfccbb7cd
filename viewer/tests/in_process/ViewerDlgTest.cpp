// The main dialog run in the test's own process, where its state and GDI
// objects can be seen (Wine answers WM_GETFONT and WM_GETICON from another
// process with nothing): the default-printer routines against the CUPS printer
// and without a default printer, the caption of a long printer name, the
// sample box's font objects while a second thread chooses fonts, and its
// accessible objects under a hostile client and a thousand reads.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <thread>

#include "Accessible.h"
#include "FontDialog.h"
#include "Fontloupe.h"
#include "ViewerDlg.h"
#include "accessible.h"
#include "res/resource.h"
#include "testkit.h"

// The dialogs' owner is the application's main window.
CWinApp theApp;

namespace {

class Probe : public CViewerDlg {
public:
    using CViewerDlg::CreateDefaultPrinterDC;
    using CViewerDlg::GetDefaultPrinterDC;
    using CViewerDlg::m_hIcon;
    using CViewerDlg::m_hScreenFont;
    using CViewerDlg::m_lfCurrent;
    using CViewerDlg::m_lfPrinter;
    using CViewerDlg::m_szFontKind;
    using CViewerDlg::m_szPrinterName;

    // Runs a script on the dialog's own thread: there a client of its
    // accessible object holds the object itself, not a proxy.
    void RunOnDialogThread(HWND main, const std::function<void()>& script) {
        ::SendMessageA(main, WM_APP, 0, reinterpret_cast<LPARAM>(&script));
    }

protected:
    afx_msg LRESULT OnRunScript(WPARAM, LPARAM lParam) {
        (*reinterpret_cast<const std::function<void()>*>(lParam))();
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(Probe, CViewerDlg)
    ON_MESSAGE(WM_APP, OnRunScript)
END_MESSAGE_MAP()

// Runs the dialog modally while script runs on a second thread with its
// window; cancels the dialog when the script returns.
void RunDialog(Probe& probe, const std::function<void(HWND)>& script) {
    theApp.m_pMainWnd = &probe;
    std::thread driver([&] {
        HWND main = testkit::WaitForWindow(GetCurrentProcessId(), "#32770", "Fontloupe");
        if (main)
            script(main);
        else
            ADD_FAILURE() << "no main dialog";
        PostMessageA(main, WM_COMMAND, IDCANCEL, 0);
    });
    probe.DoModal();
    driver.join();
}

// A font record as text, its face name up to the NUL.
std::string Describe(const LOGFONTA& lf) {
    char text[128];
    std::snprintf(text, sizeof text, "%ld %ld %ld %ld %ld %u %u %u %u %u %u %u %u %.32s",
                  lf.lfHeight, lf.lfWidth, lf.lfEscapement, lf.lfOrientation, lf.lfWeight,
                  lf.lfItalic, lf.lfUnderline, lf.lfStrikeOut, lf.lfCharSet, lf.lfOutPrecision,
                  lf.lfClipPrecision, lf.lfQuality, lf.lfPitchAndFamily, lf.lfFaceName);
    return text;
}

HFONT SampleFont(HWND main) {
    return reinterpret_cast<HFONT>(
        SendMessageA(GetDlgItem(main, IDC_SAMPLE_EDIT), WM_GETFONT, 0, 0));
}

LOGFONTA RecordOf(HFONT font) {
    LOGFONTA lf{};
    GetObjectA(font, sizeof lf, &lf);
    return lf;
}

class ViewerDlgTest : public ::testing::Test {
protected:
    void SetUp() override { testkit::SetDefaultPrinterValue("PDF,wineps.drv,CUPS:PDF"); }
    testkit::PrinterValueGuard guard;  // restores the profile value afterwards
};

TEST_F(ViewerDlgTest, CupsPrinterIsFoundAndFillsThePrinterRecord) {
    HDC dc = CreateDCA("wineps.drv", "PDF", "CUPS:PDF", nullptr);
    ASSERT_TRUE(dc);
    const LOGFONTA expected = testkit::FontRecordOf(dc);
    ASSERT_GT(expected.lfHeight, 0);
    DeleteDC(dc);

    Probe probe;
    for (HDC printer : {probe.GetDefaultPrinterDC(), probe.CreateDefaultPrinterDC(1),
                        probe.CreateDefaultPrinterDC(0)}) {
        ASSERT_TRUE(printer);
        EXPECT_EQ(GetDeviceCaps(printer, TECHNOLOGY), DT_RASPRINTER);
        DeleteDC(printer);
    }
    EXPECT_STREQ(probe.m_szPrinterName, "PDF");

    std::memset(&probe.m_lfPrinter, 0xAB, sizeof probe.m_lfPrinter);
    HICON big = nullptr, small = nullptr;
    RunDialog(probe, [&](HWND main) {
        big = reinterpret_cast<HICON>(SendMessageA(main, WM_GETICON, ICON_BIG, 0));
        small = reinterpret_cast<HICON>(SendMessageA(main, WM_GETICON, ICON_SMALL, 0));
    });
    // Every byte, the ones after the face name's NUL included.
    EXPECT_EQ(std::memcmp(&probe.m_lfPrinter, &expected, sizeof expected), 0)
        << Describe(probe.m_lfPrinter) << " not " << Describe(expected);
    EXPECT_TRUE(probe.m_hIcon && big == probe.m_hIcon && small == probe.m_hIcon);
}

TEST_F(ViewerDlgTest, NoDefaultPrinterGivesNoneAndAnAllZeroPrinterRecord) {
    testkit::DeleteDefaultPrinterValue();
    Probe probe;
    lstrcpyA(probe.m_szPrinterName, "previous");
    EXPECT_EQ(probe.GetDefaultPrinterDC(), nullptr);
    EXPECT_EQ(probe.CreateDefaultPrinterDC(1), nullptr);
    EXPECT_EQ(probe.CreateDefaultPrinterDC(0), nullptr);
    std::memset(&probe.m_lfPrinter, 0xAB, sizeof probe.m_lfPrinter);
    RunDialog(probe, [](HWND) {});
    const LOGFONTA zero{};
    EXPECT_EQ(std::memcmp(&probe.m_lfPrinter, &zero, sizeof zero), 0)
        << Describe(probe.m_lfPrinter);
    EXPECT_STREQ(probe.m_szPrinterName, "previous");
}

// The sample box shows its text in a font made from the chosen record; a
// printer font leaves that font alone. Each screen font replaces the sample
// font and deletes the old one, so one alone is alive however many choices
// were made. (Each is looked at right after the choice that replaced it: Wine
// hands out a freed handle value again once its slot has been reused often
// enough, and the font dialog makes and deletes many fonts.)
TEST_F(ViewerDlgTest, SampleBoxFontFollowsScreenFontsAndOneStaysAlive) {
    const fontdialog::Choice gothic{"ＭＳ ゴシック", "太字", 20}, mincho{"IPA明朝", "斜体", 12},
        times{"Times", "太字", 16};
    Probe probe;
    RunDialog(probe, [&](HWND main) {
        LOGFONTA chosen;
        ASSERT_TRUE(fontdialog::Choose(main, ID_SCREEN_FONT, gothic, &chosen));
        HFONT previous = SampleFont(main);
        EXPECT_EQ(Describe(RecordOf(previous)), Describe(chosen));
        ASSERT_TRUE(fontdialog::Choose(main, ID_PRINTER_FONT, times, &chosen));
        EXPECT_EQ(Describe(probe.m_lfCurrent), Describe(chosen));
        EXPECT_EQ(SampleFont(main), previous);
        EXPECT_EQ(GetObjectType(previous), static_cast<DWORD>(OBJ_FONT));

        for (int i = 0; i < 20; ++i) {
            SCOPED_TRACE(i);
            ASSERT_TRUE(fontdialog::Choose(main, ID_SCREEN_FONT, i % 2 ? gothic : mincho, &chosen));
            const HFONT font = SampleFont(main);
            EXPECT_EQ(probe.m_hScreenFont, font);
            EXPECT_EQ(Describe(RecordOf(font)), Describe(chosen));
            EXPECT_NE(font, previous);
            EXPECT_EQ(GetObjectType(previous), 0u) << "the replaced font is still alive";
            previous = font;
        }
    });
}

// The caption's share of a printer name: its whole characters, as the
// platform counts them, that fit in the 80 bytes behind "☆ Printer Font ☆ ".
std::string CaptionOf(const std::string& name) {
    const char* end = name.c_str();
    for (const char* next; *end; end = next) {
        next = CharNextExA(932, end, 0);
        if (next - name.c_str() > 80)
            break;
    }
    return "☆ Printer Font ☆ " + std::string(name.c_str(), end);
}

// Run by print_test.sh with a long-named printer: the caption the dialog holds,
// paints and gives a screen reader is the name as far as it fits, whole
// characters, not a byte less.
TEST(LongPrinterName, CaptionHoldsTheNameAsFarAsItFits) {
    testkit::PrinterValueGuard restore;
    const char* longPrinter = fontloupe::UseLongPrinter();
    if (!longPrinter)
        GTEST_SKIP() << "run by print_test.sh";
    Probe probe;
    RunDialog(probe, [longPrinter](HWND main) {
        LOGFONTA lf;
        EXPECT_TRUE(
            fontdialog::Choose(main, ID_PRINTER_FONT, {"IPAゴシック", "標準", 72, "日本語"}, &lf));
        // A screen reader reads the same caption, converted from code page 932,
        // and the printer font's values.
        const auto children = testkit::AccessibleReader(main).Children();
        ASSERT_EQ(children.size(), 18u);
        EXPECT_EQ(children[0].name, CaptionOf(longPrinter));
        EXPECT_EQ(children[1].name, "Height");
        EXPECT_EQ(children[1].value, std::to_string(lf.lfHeight));
    });
    EXPECT_EQ(probe.m_szFontKind, CaptionOf(longPrinter));
}

VARIANT Child(long id, VARTYPE vt = VT_I4) {
    VARIANT v;
    VariantInit(&v);
    v.vt = vt;
    v.lVal = id;
    return v;
}

// The main dialog's client object as a client in the dialog's thread gets it.
IAccessible* ClientObject(HWND main) {
    IAccessible* object = nullptr;
    EXPECT_EQ(AccessibleObjectFromWindow(main, OBJID_CLIENT, testkit::kIidAccessible,
                                         reinterpret_cast<void**>(&object)),
              S_OK);
    return object;
}

// Every call a careless client can make wrongly: child ids out of range,
// variants of other types, null out-pointers, on the client object and on a
// control's; then the same calls once the window is gone.
void ExpectRefusals(IAccessible* object) {
    BSTR text = nullptr;
    VARIANT out;
    VariantInit(&out);
    long x, y, w, h, count;
    IDispatch* dispatch = nullptr;
    for (const VARIANT& bad : {Child(19), Child(-1), Child(LONG_MIN), Child(1, VT_I2),
                               Child(1, VT_BSTR), Child(0, VT_EMPTY), Child(1, VT_DISPATCH)}) {
        SCOPED_TRACE("vt " + std::to_string(bad.vt) + ", " + std::to_string(bad.lVal));
        EXPECT_EQ(object->get_accName(bad, &text), E_INVALIDARG);
        EXPECT_EQ(text, nullptr);
        EXPECT_EQ(object->get_accValue(bad, &text), E_INVALIDARG);
        EXPECT_EQ(object->get_accDescription(bad, &text), E_INVALIDARG);
        EXPECT_EQ(object->get_accRole(bad, &out), E_INVALIDARG);
        EXPECT_EQ(object->get_accState(bad, &out), E_INVALIDARG);
        EXPECT_EQ(object->accLocation(&x, &y, &w, &h, bad), E_INVALIDARG);
        EXPECT_EQ(object->accNavigate(NAVDIR_NEXT, bad, &out), E_INVALIDARG);
        EXPECT_EQ(object->get_accChild(bad, &dispatch), E_INVALIDARG);
        EXPECT_EQ(object->accDoDefaultAction(bad), E_INVALIDARG);
        EXPECT_EQ(out.vt, VT_EMPTY);
    }
    const VARIANT height = Child(2);
    EXPECT_EQ(object->get_accName(height, nullptr), E_INVALIDARG);
    EXPECT_EQ(object->get_accValue(height, nullptr), E_INVALIDARG);
    EXPECT_EQ(object->get_accRole(height, nullptr), E_INVALIDARG);
    EXPECT_EQ(object->accLocation(nullptr, &y, &w, &h, height), E_INVALIDARG);
    EXPECT_EQ(object->accLocation(&x, &y, &w, nullptr, height), E_INVALIDARG);
    EXPECT_EQ(object->accNavigate(NAVDIR_NEXT, height, nullptr), E_INVALIDARG);
    EXPECT_EQ(object->accNavigate(0, height, &out), E_INVALIDARG);
    EXPECT_EQ(object->accNavigate(NAVDIR_LASTCHILD + 1, height, &out), E_INVALIDARG);
    EXPECT_EQ(object->accHitTest(0, 0, nullptr), E_INVALIDARG);
    EXPECT_EQ(object->get_accChildCount(nullptr), E_INVALIDARG);
    EXPECT_EQ(object->get_accChild(height, nullptr), E_INVALIDARG);
    EXPECT_EQ(object->get_accFocus(nullptr), E_INVALIDARG);
    EXPECT_EQ(object->get_accParent(nullptr), E_INVALIDARG);
    EXPECT_EQ(object->QueryInterface(testkit::kIidAccessible, nullptr), E_POINTER);
    EXPECT_EQ(object->get_accChildCount(&count), S_OK);
    EXPECT_EQ(count, 18);
    // A painted text is a simple element; a box an object of its own.
    EXPECT_EQ(object->get_accChild(height, &dispatch), S_FALSE);
    EXPECT_EQ(dispatch, nullptr);
}

// The same refusals from the wrapper of a control (FaceName, child 15), whose
// only child id is its own.
void ExpectControlRefusals(IAccessible* control) {
    BSTR text = nullptr;
    VARIANT out;
    VariantInit(&out);
    long x, y, w, h;
    for (const VARIANT& bad : {Child(1), Child(-1), Child(0, VT_I2), Child(0, VT_EMPTY)}) {
        EXPECT_EQ(control->get_accName(bad, &text), E_INVALIDARG);
        EXPECT_EQ(control->get_accValue(bad, &text), E_INVALIDARG);
        EXPECT_EQ(control->get_accRole(bad, &out), E_INVALIDARG);
        EXPECT_EQ(control->accLocation(&x, &y, &w, &h, bad), E_INVALIDARG);
        EXPECT_EQ(control->accNavigate(NAVDIR_NEXT, bad, &out), E_INVALIDARG);
    }
    EXPECT_EQ(control->get_accName(Child(CHILDID_SELF), nullptr), E_INVALIDARG);
    EXPECT_EQ(control->get_accValue(Child(CHILDID_SELF), nullptr), E_INVALIDARG);
    EXPECT_EQ(control->get_accState(Child(CHILDID_SELF), nullptr), E_INVALIDARG);
    EXPECT_EQ(control->accLocation(&x, nullptr, &w, &h, Child(CHILDID_SELF)), E_INVALIDARG);
    EXPECT_EQ(control->accHitTest(0, 0, nullptr), E_INVALIDARG);
    EXPECT_EQ(control->get_accParent(nullptr), E_INVALIDARG);
    EXPECT_EQ(control->get_accName(Child(CHILDID_SELF), &text), S_OK);
    EXPECT_STREQ(text, L"FaceName");
    SysFreeString(text);
}

// Every call fails once the window is gone, on the client object and on a
// control's wrapper still held.
void ExpectGone(IAccessible* object, IAccessible* control) {
    BSTR text = nullptr;
    VARIANT out;
    VariantInit(&out);
    long x, y, w, h, count;
    IDispatch* dispatch = nullptr;
    EXPECT_EQ(object->get_accChildCount(&count), E_FAIL);
    EXPECT_EQ(object->get_accName(Child(2), &text), E_FAIL);
    EXPECT_EQ(object->get_accValue(Child(CHILDID_SELF), &text), E_FAIL);
    EXPECT_EQ(object->accLocation(&x, &y, &w, &h, Child(2)), E_FAIL);
    EXPECT_EQ(object->accHitTest(0, 0, &out), E_FAIL);
    EXPECT_EQ(object->accNavigate(NAVDIR_FIRSTCHILD, Child(CHILDID_SELF), &out), E_FAIL);
    EXPECT_EQ(object->get_accChild(Child(15), &dispatch), E_FAIL);
    EXPECT_EQ(object->get_accFocus(&out), E_FAIL);
    EXPECT_EQ(control->get_accName(Child(CHILDID_SELF), &text), E_FAIL);
    EXPECT_EQ(control->get_accValue(Child(CHILDID_SELF), &text), E_FAIL);
    EXPECT_EQ(control->accLocation(&x, &y, &w, &h, Child(CHILDID_SELF)), E_FAIL);
    EXPECT_EQ(control->get_accParent(&dispatch), E_FAIL);
    EXPECT_EQ(text, nullptr);
    EXPECT_EQ(out.vt, VT_EMPTY);
}

TEST_F(ViewerDlgTest, AccessibleObjectsRefuseBadCallsAndFailOnceTheWindowIsGone) {
    Probe probe;
    IAccessible* object = nullptr;
    IAccessible* control = nullptr;
    RunDialog(probe, [&](HWND main) {
        probe.RunOnDialogThread(main, [&] {
            object = ClientObject(main);
            if (!object)
                return;
            ExpectRefusals(object);
            IDispatch* dispatch = nullptr;
            ASSERT_EQ(object->get_accChild(Child(15), &dispatch), S_OK);
            ASSERT_EQ(dispatch->QueryInterface(testkit::kIidAccessible,
                                               reinterpret_cast<void**>(&control)),
                      S_OK);
            dispatch->Release();
            ExpectControlRefusals(control);
        });
    });
    ASSERT_TRUE(object && control);
    ExpectGone(object, control);
    control->Release();
    object->Release();
    EXPECT_EQ(AccessibleObjectsAlive(), 0);
}

// A client that reads the whole tree (every child, the boxes as objects, a hit
// test and a walk in order) a thousand times and lets go leaves no object of
// the library alive but the one the dialog keeps, and none once it is gone.
TEST_F(ViewerDlgTest, AThousandReadsLeaveNoObjectAlive) {
    Probe probe;
    long baseline = -1, afterReads = -1;
    RunDialog(probe, [&](HWND main) {
        probe.RunOnDialogThread(main, [&] {
            testkit::AccessibleReader(main).Children();
            baseline = AccessibleObjectsAlive();
            const RECT client = testkit::ClientRectOnScreen(main);
            for (int i = 0; i < 1000; ++i) {
                testkit::AccessibleReader reader(main);
                ASSERT_EQ(reader.Children().size(), 18u);
                reader.HitTest({client.left + 1, client.bottom - 1});
                for (long id = reader.Navigate(CHILDID_SELF, NAVDIR_FIRSTCHILD).childId;
                     id != 0 && id < 14;)
                    id = reader.Navigate(id, NAVDIR_NEXT).childId;
            }
            afterReads = AccessibleObjectsAlive();
        });
    });
    EXPECT_EQ(baseline, 1);
    EXPECT_EQ(afterReads, baseline);
    EXPECT_EQ(AccessibleObjectsAlive(), 0);
}

}  // namespace

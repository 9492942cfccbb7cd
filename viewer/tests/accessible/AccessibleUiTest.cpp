// What a screen reader reads of the real Fontloupe.exe, from this process
// through oleacc: every child of the main dialog's client object against the
// panel's items as painted (names, values, rectangles, order, hit test), for
// the font after start, a screen font with negative values and a printer
// font, and the WinEvents each choice raises.
#include <algorithm>
#include <string>
#include <vector>

#include "FontDialog.h"
#include "Fontloupe.h"
#include "LogFontFields.h"
#include "PanelItems.h"
#include "accessible.h"

namespace {

const fontdialog::Choice kGothic{"ＭＳ ゴシック", "太字 斜体", 20};
const fontdialog::Choice kTimes{"Times", "太字", 16};
const char kPrinterCaption[] = "☆ Printer Font ☆ PDF";

struct Child {
    std::string name;
    std::string value;
    RECT location;
    bool isObject;
};

std::string Describe(const RECT& r) {
    return "(" + std::to_string(r.left) + ", " + std::to_string(r.top) + ", " +
           std::to_string(r.right) + ", " + std::to_string(r.bottom) + ")";
}

// The children a reader must find when the panel paints lf under caption: the
// caption, the fields row by row (left before right), the face-name box in
// the last row, the hint, the sample box and Close. A painted text spans its
// label's left to its value's right as the default font measures them, one
// line high; a box spans its client area.
std::vector<Child> ExpectedChildren(HWND main, const LOGFONTA& lf, const std::string& caption) {
    const LOGFONTA grid = fontloupe::StartFont(main);
    const int H = grid.lfHeight;
    const auto items = BuildPanelItems(lf, caption.c_str(), grid.lfWidth, H, H);
    testkit::Canvas canvas(1, 1);
    auto right = [&](const PanelItem& item) {
        SIZE size{};
        GetTextExtentPoint32A(canvas.Dc(), item.text.data(), static_cast<int>(item.text.size()),
                              &size);
        return item.x + size.cx;
    };
    const RECT client = testkit::ClientRectOnScreen(main);
    auto painted = [&](const std::string& name, const PanelItem& from, const PanelItem& to,
                       const std::string& value) {
        return Child{name, value,
                     RECT{client.left + from.x, client.top + from.y, client.left + right(to),
                          client.top + from.y + H},
                     false};
    };
    auto box = [&](const std::string& name, int id) {
        const HWND control = GetDlgItem(main, id);
        return Child{name, id == IDC_CLOSE_BUTTON ? "" : testkit::Text(control),
                     testkit::ClientRectOnScreen(control), true};
    };

    std::vector<Child> children{painted(caption, items[0], items[0], "")};
    for (int row = 0; row < 7; ++row) {
        children.push_back(painted(kLogFontFields[row].name, items[15 + row], items[22 + row],
                                   items[22 + row].text));
        if (row < 6)
            children.push_back(painted(kLogFontFields[7 + row].name, items[29 + row],
                                       items[36 + row], items[36 + row].text));
    }
    children.insert(children.begin() + 14, box("FaceName", IDC_FACENAME_EDIT));
    children.push_back(painted(items[42].text, items[42], items[42], ""));
    children.push_back(box(items[42].text, IDC_SAMPLE_EDIT));
    children.push_back(box("Close", IDC_CLOSE_BUTTON));
    return children;
}

// Reads the tree as a screen reader does and compares every child, its
// order, navigation and hit test with the expectation.
void ExpectTree(HWND main, const LOGFONTA& lf, const std::string& caption) {
    const std::vector<Child> expected = ExpectedChildren(main, lf, caption);
    testkit::AccessibleReader reader(main);
    ASSERT_TRUE(reader.Object()) << std::hex << reader.Result();
    EXPECT_EQ(reader.ChildCount(), static_cast<long>(expected.size()));
    const std::vector<testkit::AccessibleItem> children = reader.Children();
    ASSERT_EQ(children.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        const testkit::AccessibleItem& child = children[i];
        const Child& want = expected[i];
        SCOPED_TRACE("child " + std::to_string(i + 1) + " " + want.name);
        EXPECT_EQ(child.name, want.name);
        EXPECT_EQ(child.value, want.value);
        EXPECT_EQ(Describe(child.location), Describe(want.location));
        EXPECT_EQ(child.isObject, want.isObject);
        if (want.isObject)
            continue;
        EXPECT_EQ(child.childId, static_cast<long>(i + 1));
        EXPECT_EQ(child.role, ROLE_SYSTEM_STATICTEXT);
        // The point in the middle of a painted text hits it; next moves on in order.
        const POINT middle{(want.location.left + want.location.right) / 2,
                           (want.location.top + want.location.bottom) / 2};
        EXPECT_EQ(reader.HitTest(middle).childId, child.childId);
        const testkit::AccessibleItem next = reader.Navigate(child.childId, NAVDIR_NEXT);
        EXPECT_EQ(next.name, expected[i + 1].name);
    }
    EXPECT_EQ(reader.Navigate(CHILDID_SELF, NAVDIR_FIRSTCHILD).name, expected.front().name);
    EXPECT_EQ(reader.Navigate(CHILDID_SELF, NAVDIR_LASTCHILD).name, expected.back().name);
}

// The ids of the children whose value differs between two states, the boxes
// among them (their own proxies announce nothing under Wine).
std::vector<long> ChangedValues(const std::vector<Child>& before, const std::vector<Child>& after) {
    std::vector<long> ids;
    for (size_t i = 0; i < after.size(); ++i)
        if (before[i].value != after[i].value)
            ids.push_back(static_cast<long>(i + 1));
    return ids;
}

// Waits for the value changes of those ids (and a name change of the caption
// when nameChange) and expects no other value change.
void ExpectAnnounced(const testkit::WinEventRecorder& events, HWND main,
                     const std::vector<long>& values, bool nameChange) {
    for (long id : values)
        EXPECT_TRUE(events.WaitFor({EVENT_OBJECT_VALUECHANGE, main, OBJID_CLIENT, id})) << id;
    if (nameChange) {
        EXPECT_TRUE(events.WaitFor({EVENT_OBJECT_NAMECHANGE, main, OBJID_CLIENT, 1}));
    }
    std::vector<long> seen;
    for (const testkit::WinEvent& event : events.Events())
        if (event.event == EVENT_OBJECT_VALUECHANGE && event.hwnd == main &&
            event.idObject == OBJID_CLIENT)
            seen.push_back(event.idChild);
    EXPECT_EQ(seen, values);
}

TEST(AccessibleUi, TreeMatchesThePanelAndChoicesAreAnnounced) {
    testkit::PrinterValueGuard restore;
    testkit::SetDefaultPrinterValue("PDF,wineps.drv,CUPS:PDF");
    testkit::Program program;
    HWND main = fontloupe::Start(program);
    ASSERT_TRUE(main);
    const LOGFONTA start = fontloupe::StartFont(main);
    {
        SCOPED_TRACE("after start");
        ExpectTree(main, start, fontloupe::kScreenCaption);
    }

    testkit::WinEventRecorder events(program.Pid(), EVENT_OBJECT_REORDER, EVENT_OBJECT_VALUECHANGE);
    ASSERT_TRUE(events.Hooked());
    std::vector<Child> before = ExpectedChildren(main, start, fontloupe::kScreenCaption);
    LOGFONTA gothic;
    ASSERT_TRUE(fontdialog::Choose(main, ID_SCREEN_FONT, kGothic, &gothic));
    ASSERT_LT(gothic.lfHeight, 0);
    {
        SCOPED_TRACE("screen font");
        ExpectTree(main, gothic, fontloupe::kScreenCaption);
        ExpectAnnounced(
            events, main,
            ChangedValues(before, ExpectedChildren(main, gothic, fontloupe::kScreenCaption)),
            false);
    }

    events.Clear();
    before = ExpectedChildren(main, gothic, fontloupe::kScreenCaption);
    LOGFONTA times;
    ASSERT_TRUE(fontdialog::Choose(main, ID_PRINTER_FONT, kTimes, &times));
    {
        SCOPED_TRACE("printer font");
        ExpectTree(main, times, kPrinterCaption);
        const std::vector<long> changed =
            ChangedValues(before, ExpectedChildren(main, times, kPrinterCaption));
        // The face-name box (15) and the sample box (17), emptied, among them.
        EXPECT_TRUE(std::count(changed.begin(), changed.end(), 15) &&
                    std::count(changed.begin(), changed.end(), 17));
        ExpectAnnounced(events, main, changed, true);
    }
}

}  // namespace

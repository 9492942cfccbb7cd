// What a screen reader reads in the real Fontsmith.exe, read from this process
// through oleacc as a reader does, compared with the table the paint draws
// from, with the texts measured here in the fonts the paint uses.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <tuple>
#include <vector>

#include "FieldText.h"
#include "FontsmithDriver.h"
#include "MainTable.h"
#include "PresetFont.h"
#include "accessible.h"

namespace {

// What one child must be.
struct Expected {
    std::string name, value;
    RECT location;  // on the screen
    bool isObject;
};

// The metrics and face of the font the program shows, realised here.
struct ShownFont {
    TEXTMETRICA tm{};
    char face[LF_FACESIZE] = "";
    explicit ShownFont(HFONT font) {
        HDC dc = GetDC(nullptr);
        HGDIOBJ old = SelectObject(dc, font ? font : GetStockObject(SYSTEM_FONT));
        GetTextMetricsA(dc, &tm);
        GetTextFaceA(dc, LF_FACESIZE, face);
        SelectObject(dc, old);
        ReleaseDC(nullptr, dc);
        if (font)
            DeleteObject(font);
    }
};

RECT Moved(RECT r, const RECT& origin) {
    OffsetRect(&r, origin.left, origin.top);
    return r;
}

// The children the main window must have while it shows shown: the painted
// texts where the table puts them, measured in the system font or the bold
// heading font; the controls where they stand, with the values they hold.
std::vector<Expected> ExpectedTree(const Fontsmith& app, const ShownFont& shown) {
    char tmTexts[kTextMetricEntryCount][kTextMetricEntryBytes];
    FillTextMetricTexts(shown.tm, shown.face, tmTexts);
    const LOGFONTA units = StartRecord();
    MainTable table;
    BuildMainTable(units.lfWidth, units.lfHeight, "☆ Screen Font ☆", tmTexts, &table);

    HDC dc = GetDC(nullptr);
    LOGFONTA lf{};
    HFONT heading = MakePresetFont(&lf, 3);
    auto measure = [&](int index) {
        const MainText& text = table.texts[index];
        HGDIOBJ old = SelectObject(dc, text.heading ? heading : GetStockObject(SYSTEM_FONT));
        SIZE size{};
        GetTextExtentPoint32A(dc, text.text, lstrlenA(text.text), &size);
        SelectObject(dc, old);
        return RECT{text.x, text.y, text.x + size.cx, text.y + size.cy};
    };
    const RECT client = testkit::ClientRectOnScreen(app.main);
    std::vector<Expected> tree;
    for (const MainItem& item : table.items) {
        const std::string label = item.label >= 0 ? table.texts[item.label].text : "";
        HWND control = item.kind == kItemField      ? app.fields[item.box]
                       : item.kind == kItemFaceList ? app.faceList
                       : item.kind == kItemCreate   ? app.create
                       : item.kind == kItemSample   ? app.sample
                                                    : nullptr;
        if (control) {
            // A control keeps its own value and place (Wine's edit control
            // gives its window rectangle, its combo box its client area).
            const std::string value =
                testkit::ClassName(control) == "Edit" ? testkit::Text(control) : "";
            const RECT place = testkit::AccessibleReader(control).Self().location;
            const RECT outer = testkit::WindowRect(control);
            RECT inside{};
            EXPECT_TRUE(IntersectRect(&inside, &place, &outer) && EqualRect(&inside, &place))
                << label;
            tree.push_back(
                {control == app.create ? testkit::Text(control) : label, value, place, true});
        } else if (item.kind == kItemRow) {
            RECT r = measure(item.label);
            r.right = measure(item.value).right;
            tree.push_back({label, table.texts[item.value].text, Moved(r, client), false});
        } else {
            tree.push_back({label, "", Moved(measure(item.label), client), false});
        }
    }
    DeleteObject(heading);
    ReleaseDC(nullptr, dc);
    return tree;
}

std::string Describe(const std::string& name, const std::string& value, const RECT& r,
                     bool isObject) {
    return (isObject ? "[" : "") + name + (isObject ? "]" : "") + "=" + value + " @" +
           std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
           "," + std::to_string(r.bottom);
}
std::string Describe(const Expected& e) {
    return Describe(e.name, e.value, e.location, e.isObject);
}
std::string Describe(const testkit::AccessibleItem& i) {
    return Describe(i.name, i.value, i.location, i.isObject);
}

// The events, sorted, as "event window object child", the window "main",
// "box" and the field box's number, or "other".
std::string Describe(const Fontsmith& app, std::vector<testkit::WinEvent> events) {
    auto key = [](const testkit::WinEvent& e) {
        return std::make_tuple(e.event, e.hwnd, e.idObject, e.idChild);
    };
    std::sort(
        events.begin(), events.end(),
        [&](const testkit::WinEvent& a, const testkit::WinEvent& b) { return key(a) < key(b); });
    std::string text;
    for (const testkit::WinEvent& e : events) {
        const HWND* box = std::find(app.fields, app.fields + 13, e.hwnd);
        const std::string window = e.hwnd == app.main ? "main"
                                   : box < app.fields + 13
                                       ? "box" + std::to_string(box - app.fields)
                                       : "other";
        char line[96];
        snprintf(line, sizeof line, "%04lx %s %ld %ld\n", e.event, window.c_str(), e.idObject,
                 e.idChild);
        text += line;
    }
    return text;
}

class Session : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        SetProcessDPIAware();
        app = new Fontsmith;
        started = app->Start();
    }
    static void TearDownTestSuite() { delete app; }
    void SetUp() override { ASSERT_TRUE(started) << "Fontsmith did not start"; }

    // Every child as AccessibleChildren gives it, and as the paint's table says.
    void ExpectTree(const ShownFont& shown) {
        testkit::AccessibleReader reader(app->main);
        ASSERT_EQ(S_OK, reader.Result());
        const std::vector<Expected> expected = ExpectedTree(*app, shown);
        EXPECT_EQ((long)expected.size(), reader.ChildCount());
        const std::vector<testkit::AccessibleItem> children = reader.Children();
        ASSERT_EQ(expected.size(), children.size());
        for (size_t k = 0; k < expected.size(); ++k)
            EXPECT_EQ(Describe(expected[k]), Describe(children[k])) << "child " << k + 1;
    }

    static Fontsmith* app;
    static bool started;
};
Fontsmith* Session::app;
bool Session::started;

class Tree : public Session {};

TEST_F(Tree, DefaultFontReadsEveryTextWherePaintedAndEveryControlNamed) {
    ExpectTree(ShownFont(nullptr));
    // The boxes are named by their labels, the face list by its row's.
    testkit::AccessibleReader reader(app->main);
    const std::vector<testkit::AccessibleItem> children = reader.Children();
    ASSERT_EQ(41u, children.size());
    EXPECT_EQ("Height", children[3].name);
    EXPECT_EQ(ROLE_SYSTEM_TEXT, children[3].role);
    EXPECT_EQ("FaceName", children[38].name);
    EXPECT_EQ("tmHeight", children[4].name);
}

TEST_F(Tree, NavigationAndHitTestFollowTheReadingOrder) {
    testkit::AccessibleReader reader(app->main);
    const std::vector<Expected> expected = ExpectedTree(*app, ShownFont(nullptr));
    const long count = (long)expected.size();
    EXPECT_EQ(Describe(expected.front()),
              Describe(reader.Navigate(CHILDID_SELF, NAVDIR_FIRSTCHILD)));
    EXPECT_EQ(Describe(expected.back()), Describe(reader.Navigate(CHILDID_SELF, NAVDIR_LASTCHILD)));
    for (long id = 1; id < count; ++id) {
        EXPECT_EQ(Describe(expected[id]), Describe(reader.Navigate(id, NAVDIR_NEXT))) << id;
        EXPECT_EQ(Describe(expected[id - 1]), Describe(reader.Navigate(id + 1, NAVDIR_PREVIOUS)))
            << id;
    }
    EXPECT_FALSE(reader.Navigate(count, NAVDIR_NEXT).found);
    // The middle of each child hits that child; a point beside every child, the window.
    for (long id = 1; id <= count; ++id) {
        const RECT& r = expected[id - 1].location;
        const testkit::AccessibleItem hit =
            reader.HitTest(POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2});
        EXPECT_EQ(Describe(expected[id - 1]), Describe(hit)) << id;
        if (!hit.isObject) {
            EXPECT_EQ(id, hit.childId);
        }
    }
    const RECT client = testkit::ClientRectOnScreen(app->main);
    const testkit::AccessibleItem beside =
        reader.HitTest(POINT{client.left + 1, client.bottom - 2});
    EXPECT_TRUE(beside.found);
    EXPECT_EQ(CHILDID_SELF, beside.childId);
}

// A careless client's child ids get E_INVALIDARG, and the program goes on.
TEST_F(Tree, ChildIdsOutOfRangeOrOfAnotherTypeAreRefused) {
    testkit::AccessibleReader reader(app->main);
    ASSERT_EQ(S_OK, reader.Result());
    VARIANT child;
    VariantInit(&child);
    for (long id : {-1L, 42L, 0x7fffffffL}) {
        child.vt = VT_I4;
        child.lVal = id;
        BSTR name = nullptr;
        EXPECT_EQ(E_INVALIDARG, reader.Object()->get_accName(child, &name)) << id;
        SysFreeString(name);
    }
    child.vt = VT_R8;
    child.dblVal = 1.0;
    VARIANT role;
    VariantInit(&role);
    EXPECT_EQ(E_INVALIDARG, reader.Object()->get_accRole(child, &role));
    VariantClear(&role);
    EXPECT_EQ(41, reader.ChildCount());
}

// Nothing is paid at start: the accessibility libraries come with the first
// reader.
TEST(Binding, AccessibilityLibrariesLoadAtTheFirstRequest) {
    Fontsmith app;
    ASSERT_TRUE(app.Start());
    const DWORD pid = app.program.Pid();
    ASSERT_TRUE(testkit::ModuleLoaded(pid, "user32.dll")) << "the module list cannot be read";
    for (const char* library : {"oleacc.dll", "oleaut32.dll"})
        EXPECT_FALSE(testkit::ModuleLoaded(pid, library)) << library;
    EXPECT_EQ(41, testkit::AccessibleReader(app.main).ChildCount());
    for (const char* library : {"oleacc.dll", "oleaut32.dll"})
        EXPECT_TRUE(testkit::ModuleLoaded(pid, library)) << library;
}

class Announce : public Session {};

// After "Create →" with edited values, negative ones among them, every value
// reads as painted, and each that changed was announced once, after it could
// be read: the rows by child id, the boxes whose text the repaint replaced on
// their own windows; nothing else.
TEST_F(Announce, CreateAnnouncesEachChangedValueOnce) {
    app->Repaint();
    const std::vector<Expected> before = ExpectedTree(*app, ShownFont(nullptr));
    testkit::WinEventRecorder events(app->program.Pid(), EVENT_OBJECT_NAMECHANGE,
                                     EVENT_OBJECT_VALUECHANGE);
    ASSERT_TRUE(events.Hooked());

    // "+5" and "x9" come back as "5" and "0"; the others stay as typed.
    const char* const typed[13] = {"-24", "+5",  "-900", "-900", "700", "1", "0",
                                   "0",   "128", "x9",   "0",    "0",   "0"};
    for (int j = 0; j < 13; ++j)
        app->Type(app->fields[j], typed[j]);
    ASSERT_TRUE(app->SelectFace("IPA明朝"));
    app->PressCreate();  // the repaint puts the stored values back into the boxes
    const ShownFont shown(
        CreateFontA(-24, 5, -900, -900, 700, 1, 0, 0, SHIFTJIS_CHARSET, 0, 0, 0, 0, "IPA明朝"));
    ASSERT_NO_FATAL_FAILURE(ExpectTree(shown));
    const std::vector<Expected> after = ExpectedTree(*app, shown);

    // The last box held the driver's repaint marker: its event is the paint's last.
    const testkit::WinEvent last{EVENT_OBJECT_VALUECHANGE, app->fields[12], OBJID_CLIENT,
                                 CHILDID_SELF};
    ASSERT_TRUE(events.WaitFor(last));
    std::vector<testkit::WinEvent> want;
    for (size_t k = 0; k < after.size(); ++k)
        if (!after[k].isObject && after[k].value != before[k].value)
            want.push_back({EVENT_OBJECT_VALUECHANGE, app->main, OBJID_CLIENT, (LONG)k + 1});
    // tmHeight (child 5) and the face (child 36) did change.
    ASSERT_LE(2u, want.size());
    EXPECT_EQ(5, want.front().idChild);
    EXPECT_EQ(36, want.back().idChild);
    for (int j : {1, 9, 12})
        want.push_back({EVENT_OBJECT_VALUECHANGE, app->fields[j], OBJID_CLIENT, CHILDID_SELF});
    // Wine 10 also announces the face list's scroll bar (OBJID_VSCROLL) when
    // the selection scrolls the list: the program's own are the client objects'.
    std::vector<testkit::WinEvent> seen = events.Events();
    seen.erase(
        std::remove_if(seen.begin(), seen.end(),
                       [](const testkit::WinEvent& e) { return e.idObject != OBJID_CLIENT; }),
        seen.end());
    EXPECT_EQ(Describe(*app, want), Describe(*app, seen));
}

}  // namespace

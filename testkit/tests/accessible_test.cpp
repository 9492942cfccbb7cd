// The reader and the WinEvent recorder against a window of standard controls
// in another process, whose client objects Wine's oleacc makes: the window's
// holds its two controls as objects of their own, each control's gives its
// role, name, value and place.
#include <gtest/gtest.h>
#include <windows.h>

#include "accessible.h"
#include "testkit.h"

namespace {

class AccessibleReader : public ::testing::Test {
protected:
    void SetUp() override {
        SetProcessDPIAware();
        ASSERT_TRUE(testkit::Start(target, TARGET_EXE));
        window = testkit::WaitForWindow(target.Pid(), "AccessibleTarget", "");
        ASSERT_TRUE(window);
        box = testkit::Children(window, "Edit").at(0);
        button = testkit::Children(window, "Button").at(0);
    }
    void TearDown() override {
        if (window)
            PostMessageA(window, WM_CLOSE, 0, 0);
        target.WaitForExit(10000);
    }
    testkit::Program target;
    HWND window = nullptr, box = nullptr, button = nullptr;
};

bool SameRect(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; }

TEST_F(AccessibleReader, WindowHoldsItsControlsAsObjects) {
    testkit::AccessibleReader reader(window);
    ASSERT_EQ(S_OK, reader.Result());
    EXPECT_EQ(2, reader.ChildCount());
    const testkit::AccessibleItem self = reader.Self();
    EXPECT_EQ(ROLE_SYSTEM_CLIENT, self.role);
    EXPECT_EQ("読み手の的", self.name);
    EXPECT_TRUE(SameRect(testkit::ClientRectOnScreen(window), self.location));
    const std::vector<testkit::AccessibleItem> children = reader.Children();
    ASSERT_EQ(2u, children.size());
    for (const testkit::AccessibleItem& child : children) {
        EXPECT_TRUE(child.found);
        EXPECT_TRUE(child.isObject);
    }
    // A point on the button hits an object; one beside the controls, the window.
    const RECT onButton = testkit::WindowRect(button);
    EXPECT_TRUE(reader.HitTest(POINT{onButton.left + 5, onButton.top + 5}).isObject);
    const RECT client = testkit::ClientRectOnScreen(window);
    const testkit::AccessibleItem beside =
        reader.HitTest(POINT{client.right - 5, client.bottom - 5});
    EXPECT_FALSE(beside.isObject);
    EXPECT_EQ(CHILDID_SELF, beside.childId);
    EXPECT_EQ("読み手の的", beside.name);
}

TEST_F(AccessibleReader, ControlsGiveRoleNameValueAndPlace) {
    testkit::AccessibleReader boxReader(box);
    const testkit::AccessibleItem boxItem = boxReader.Self();
    EXPECT_EQ(ROLE_SYSTEM_TEXT, boxItem.role);
    EXPECT_EQ("first", boxItem.value);
    EXPECT_TRUE(SameRect(testkit::WindowRect(box), boxItem.location));
    testkit::AccessibleReader buttonReader(button);
    EXPECT_EQ("押す", buttonReader.Self().name);
}

TEST_F(AccessibleReader, RecorderSeesTheAnnouncedValueAfterItIsReadable) {
    testkit::WinEventRecorder events(target.Pid(), EVENT_OBJECT_VALUECHANGE,
                                     EVENT_OBJECT_VALUECHANGE);
    ASSERT_TRUE(events.Hooked());
    const testkit::WinEvent changed{EVENT_OBJECT_VALUECHANGE, box, OBJID_CLIENT, CHILDID_SELF};
    testkit::PostCommand(window, 1);
    ASSERT_TRUE(events.WaitFor(changed));
    EXPECT_EQ("pressed", testkit::AccessibleReader(box).Self().value);
    testkit::PostCommand(window, 1);
    ASSERT_TRUE(events.WaitFor(changed, 2));
    EXPECT_EQ(2u, events.Events().size());
    events.Clear();
    EXPECT_EQ(0, events.Count(changed));
}

}  // namespace

// What a screen reader does, from a test process: read a window's accessible
// client object through oleacc, and record the WinEvents a program raises.
#pragma once
#include <windows.h>

#include <oleacc.h>

#include <string>
#include <vector>

namespace testkit {

// One child of a client object (or the object itself), as a reader sees it.
struct AccessibleItem {
    bool found = false;     // the call answered with a child
    bool isObject = false;  // an object of its own (a control), not a simple element
    long childId = 0;       // a simple element's id in its parent; CHILDID_SELF for an object
    long role = 0;          // ROLE_SYSTEM_..., 0 when not answered
    std::string name;       // code page 932; empty when not answered
    std::string value;      // likewise
    RECT location{};        // on the screen; empty when not answered
};

// The client object of a window, as AccessibleObjectFromWindow(OBJID_CLIENT)
// gives it to another process. Initialises COM on the calling thread for its
// life. Every call reads afresh from the program.
class AccessibleReader {
public:
    explicit AccessibleReader(HWND hwnd);
    ~AccessibleReader();
    AccessibleReader(const AccessibleReader&) = delete;
    AccessibleReader& operator=(const AccessibleReader&) = delete;

    // The result of AccessibleObjectFromWindow; Object() is null unless it
    // succeeded.
    HRESULT Result() const { return result_; }
    IAccessible* Object() const { return object_; }

    // get_accChildCount; -1 when it fails.
    long ChildCount() const;
    // The children as AccessibleChildren gives them, in its order.
    std::vector<AccessibleItem> Children() const;
    // The client object itself (CHILDID_SELF).
    AccessibleItem Self() const;
    // accNavigate from child id from (CHILDID_SELF for the object itself) in
    // direction (NAVDIR_...); not found when it answers with nothing.
    AccessibleItem Navigate(long from, long direction) const;
    // accHitTest at a screen point; the object itself when it answers
    // CHILDID_SELF, not found when the point is outside.
    AccessibleItem HitTest(POINT screen) const;

private:
    HRESULT result_;
    bool comStarted_;
    IAccessible* object_ = nullptr;
};

// The IID of IAccessible. Taken from the import library of a static build it
// resolves to an import thunk, not the GUID, so it is defined here.
extern const IID kIidAccessible;

// One WinEvent as an out-of-context hook receives it.
struct WinEvent {
    DWORD event;
    HWND hwnd;
    LONG idObject;
    LONG idChild;
};
bool operator==(const WinEvent& a, const WinEvent& b);

// Records the WinEvents of one process between eventMin and eventMax, through
// an out-of-context SetWinEventHook on a thread of its own that pumps messages
// for the life of the recorder.
class WinEventRecorder {
public:
    WinEventRecorder(DWORD pid, DWORD eventMin, DWORD eventMax);
    ~WinEventRecorder();
    WinEventRecorder(const WinEventRecorder&) = delete;
    WinEventRecorder& operator=(const WinEventRecorder&) = delete;

    // Whether the hook is in place (the recorder is of no use otherwise).
    bool Hooked() const { return hook_ != nullptr; }
    // What has arrived so far, oldest first.
    std::vector<WinEvent> Events() const;
    // How many times that event has arrived.
    int Count(const WinEvent& event) const;
    // Waits (testkit::WaitUntil) until the event has arrived count times in
    // all; false if it has not before the wait gives up.
    bool WaitFor(const WinEvent& event, int count = 1) const;
    // Forgets what has arrived.
    void Clear();

private:
    static DWORD WINAPI Pump(void* self);
    static void CALLBACK OnEvent(HWINEVENTHOOK hook, DWORD event, HWND hwnd, LONG idObject,
                                 LONG idChild, DWORD thread, DWORD time);

    DWORD pid_, eventMin_, eventMax_;
    HANDLE thread_ = nullptr;
    DWORD threadId_ = 0;
    HANDLE ready_ = nullptr;
    HWINEVENTHOOK hook_ = nullptr;
    mutable CRITICAL_SECTION lock_;
    std::vector<WinEvent> events_;
};

}  // namespace testkit

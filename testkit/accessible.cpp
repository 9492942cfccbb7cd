// Reading a client object through oleacc and recording WinEvents, as a screen
// reader does from its own process.
#include "accessible.h"

#include "testkit.h"

namespace testkit {

const IID kIidAccessible = {
    0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

namespace {

VARIANT ChildVariant(long id) {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = id;
    return v;
}

// Takes a BSTR the call returned (null or not), releases it and gives its
// text in code page 932.
std::string TakeText(HRESULT hr, BSTR text) {
    std::string out;
    if (SUCCEEDED(hr) && text)
        out = ToCp932(std::wstring(text, SysStringLen(text)));
    SysFreeString(text);
    return out;
}

// The properties of child id of object (CHILDID_SELF for the object itself).
void ReadProperties(IAccessible* object, long id, AccessibleItem* item) {
    VARIANT child = ChildVariant(id);
    BSTR text = nullptr;
    HRESULT hr = object->get_accName(child, &text);
    item->name = TakeText(hr, text);
    text = nullptr;
    hr = object->get_accValue(child, &text);
    item->value = TakeText(hr, text);
    VARIANT role;
    VariantInit(&role);
    if (SUCCEEDED(object->get_accRole(child, &role)) && role.vt == VT_I4)
        item->role = role.lVal;
    VariantClear(&role);
    long left = 0, top = 0, width = 0, height = 0;
    if (SUCCEEDED(object->accLocation(&left, &top, &width, &height, child)))
        item->location = RECT{left, top, left + width, top + height};
}

// The item a variant that object answered names: a simple element of object
// (VT_I4), the object itself (CHILDID_SELF) or an object of its own
// (VT_DISPATCH). Clears the variant.
AccessibleItem ItemOf(IAccessible* object, VARIANT* v) {
    AccessibleItem item;
    if (v->vt == VT_I4) {
        item.found = true;
        item.childId = v->lVal;
        ReadProperties(object, v->lVal, &item);
    } else if (v->vt == VT_DISPATCH && v->pdispVal) {
        IAccessible* child = nullptr;
        if (SUCCEEDED(v->pdispVal->QueryInterface(kIidAccessible, (void**)&child)) && child) {
            item.found = true;
            item.isObject = true;
            item.childId = CHILDID_SELF;
            ReadProperties(child, CHILDID_SELF, &item);
            child->Release();
        }
    }
    VariantClear(v);
    return item;
}

}  // namespace

AccessibleReader::AccessibleReader(HWND hwnd) {
    comStarted_ = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    result_ =
        AccessibleObjectFromWindow(hwnd, (DWORD)OBJID_CLIENT, kIidAccessible, (void**)&object_);
    if (FAILED(result_))
        object_ = nullptr;
}

AccessibleReader::~AccessibleReader() {
    if (object_)
        object_->Release();
    if (comStarted_)
        CoUninitialize();
}

long AccessibleReader::ChildCount() const {
    long count = 0;
    if (!object_ || FAILED(object_->get_accChildCount(&count)))
        return -1;
    return count;
}

std::vector<AccessibleItem> AccessibleReader::Children() const {
    std::vector<AccessibleItem> items;
    long count = ChildCount();
    if (count <= 0)
        return items;
    std::vector<VARIANT> children(count);
    for (VARIANT& v : children)
        VariantInit(&v);
    long obtained = 0;
    if (FAILED(AccessibleChildren(object_, 0, count, children.data(), &obtained)))
        obtained = 0;
    for (long k = 0; k < count; ++k) {
        if (k < obtained)
            items.push_back(ItemOf(object_, &children[k]));
        VariantClear(&children[k]);
    }
    return items;
}

AccessibleItem AccessibleReader::Self() const {
    AccessibleItem item;
    if (object_) {
        item.found = true;
        item.childId = CHILDID_SELF;
        ReadProperties(object_, CHILDID_SELF, &item);
    }
    return item;
}

AccessibleItem AccessibleReader::Navigate(long from, long direction) const {
    VARIANT reached;
    VariantInit(&reached);
    if (!object_ || object_->accNavigate(direction, ChildVariant(from), &reached) != S_OK)
        return AccessibleItem();
    return ItemOf(object_, &reached);
}

AccessibleItem AccessibleReader::HitTest(POINT screen) const {
    VARIANT hit;
    VariantInit(&hit);
    if (!object_ || object_->accHitTest(screen.x, screen.y, &hit) != S_OK)
        return AccessibleItem();
    return ItemOf(object_, &hit);
}

bool operator==(const WinEvent& a, const WinEvent& b) {
    return a.event == b.event && a.hwnd == b.hwnd && a.idObject == b.idObject &&
           a.idChild == b.idChild;
}

namespace {
// The recorder whose thread this is: the hook's callback has no context of its own.
thread_local WinEventRecorder* t_recorder = nullptr;
}  // namespace

WinEventRecorder::WinEventRecorder(DWORD pid, DWORD eventMin, DWORD eventMax)
    : pid_(pid), eventMin_(eventMin), eventMax_(eventMax) {
    InitializeCriticalSection(&lock_);
    ready_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    thread_ = CreateThread(nullptr, 0, Pump, this, 0, &threadId_);
    if (thread_)
        WaitForSingleObject(ready_, INFINITE);
}

WinEventRecorder::~WinEventRecorder() {
    if (thread_) {
        PostThreadMessageA(threadId_, WM_QUIT, 0, 0);
        WaitForSingleObject(thread_, INFINITE);
        CloseHandle(thread_);
    }
    CloseHandle(ready_);
    DeleteCriticalSection(&lock_);
}

DWORD WINAPI WinEventRecorder::Pump(void* self) {
    WinEventRecorder* recorder = (WinEventRecorder*)self;
    t_recorder = recorder;
    MSG msg;
    // The thread's queue exists before the constructor returns, so the quit
    // message of the destructor cannot be lost.
    PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);
    recorder->hook_ = SetWinEventHook(recorder->eventMin_, recorder->eventMax_, nullptr, OnEvent,
                                      recorder->pid_, 0, WINEVENT_OUTOFCONTEXT);
    SetEvent(recorder->ready_);
    if (!recorder->hook_)
        return 1;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0)
        DispatchMessageA(&msg);
    UnhookWinEvent(recorder->hook_);
    return 0;
}

void CALLBACK WinEventRecorder::OnEvent(HWINEVENTHOOK, DWORD event, HWND hwnd, LONG idObject,
                                        LONG idChild, DWORD, DWORD) {
    WinEventRecorder* recorder = t_recorder;
    if (!recorder)
        return;
    EnterCriticalSection(&recorder->lock_);
    recorder->events_.push_back(WinEvent{event, hwnd, idObject, idChild});
    LeaveCriticalSection(&recorder->lock_);
}

std::vector<WinEvent> WinEventRecorder::Events() const {
    EnterCriticalSection(&lock_);
    std::vector<WinEvent> copy = events_;
    LeaveCriticalSection(&lock_);
    return copy;
}

int WinEventRecorder::Count(const WinEvent& event) const {
    int count = 0;
    for (const WinEvent& e : Events())
        count += e == event;
    return count;
}

bool WinEventRecorder::WaitFor(const WinEvent& event, int count) const {
    return WaitUntil([&] { return Count(event) >= count; });
}

void WinEventRecorder::Clear() {
    EnterCriticalSection(&lock_);
    events_.clear();
    LeaveCriticalSection(&lock_);
}

}  // namespace testkit

// The accessible client object of a painted window, and the wrapper that
// names a child control after its table entry. Both read the table through
// the window's TableSource at every call, on the window's thread (the client
// object lives in the thread's single-threaded apartment).
#include "Accessible.h"

#include <ole2.h>
#include <oleacc.h>

#include <algorithm>
#include <vector>

namespace {

// The interface ids, defined here: MinGW's static oleacc library resolves
// IID_IAccessible to an import thunk, not to the GUID, and this library
// links no OLE library at all.
const IID kIidUnknown = {0x00000000, 0x0000, 0x0000, {0xc0, 0, 0, 0, 0, 0, 0, 0x46}};
const IID kIidDispatch = {0x00020400, 0x0000, 0x0000, {0xc0, 0, 0, 0, 0, 0, 0, 0x46}};
const IID kIidAccessible = {
    0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

static_assert(kNavUp == NAVDIR_UP && kNavDown == NAVDIR_DOWN && kNavLeft == NAVDIR_LEFT &&
                  kNavRight == NAVDIR_RIGHT && kNavNext == NAVDIR_NEXT &&
                  kNavPrevious == NAVDIR_PREVIOUS && kNavFirstChild == NAVDIR_FIRSTCHILD &&
                  kNavLastChild == NAVDIR_LASTCHILD,
              "the navigation numbers are oleacc's");
static_assert(kVariantEmpty == VT_EMPTY && kVariantI4 == VT_I4, "the variant types are oleaut's");
static_assert(kSelfId == CHILDID_SELF, "the client object's own id");

// The OLE calls, bound at the first request; the libraries stay loaded until
// the program ends.
struct OleCalls {
    LRESULT(WINAPI* lresultFromObject)(REFIID, WPARAM, LPUNKNOWN);
    HRESULT(WINAPI* createStdAccessibleObject)(HWND, LONG, REFIID, void**);
    BSTR(WINAPI* sysAllocStringLen)(const OLECHAR*, UINT);
    HRESULT(WINAPI* coInitializeEx)(LPVOID, DWORD);
    void(WINAPI* coUninitialize)();
    HRESULT(WINAPI* coDisconnectObject)(LPUNKNOWN, DWORD);
};

template <typename Function>
void BindProc(Function& function, LPCSTR library, LPCSTR name) {
    HMODULE module = ::GetModuleHandleA(library);
    if (!module)
        module = ::LoadLibraryA(library);
    function = reinterpret_cast<Function>(
        reinterpret_cast<void (*)()>(module ? ::GetProcAddress(module, name) : nullptr));
}

// The bound calls, or null when one of them cannot be found.
const OleCalls* BindOle() {
    static OleCalls calls;
    static BOOL bBound = FALSE;
    if (!bBound) {
        BindProc(calls.lresultFromObject, "oleacc.dll", "LresultFromObject");
        BindProc(calls.createStdAccessibleObject, "oleacc.dll", "CreateStdAccessibleObject");
        BindProc(calls.sysAllocStringLen, "oleaut32.dll", "SysAllocStringLen");
        BindProc(calls.coInitializeEx, "ole32.dll", "CoInitializeEx");
        BindProc(calls.coUninitialize, "ole32.dll", "CoUninitialize");
        BindProc(calls.coDisconnectObject, "ole32.dll", "CoDisconnectObject");
        bBound = TRUE;
    }
    const BOOL bComplete = calls.lresultFromObject && calls.createStdAccessibleObject &&
                           calls.sysAllocStringLen && calls.coInitializeEx &&
                           calls.coUninitialize && calls.coDisconnectObject;
    return bComplete ? &calls : nullptr;
}

// Only called once BindOle succeeded: every object is made after it.
const OleCalls& Ole() { return *BindOle(); }

long g_nObjectsAlive = 0;

// A BSTR of code page 932 text (null when out of memory).
BSTR AllocFrom932(const std::string& text) {
    const int nBytes = static_cast<int>(text.size());
    const int nChars = ::MultiByteToWideChar(932, 0, text.data(), nBytes, nullptr, 0);
    std::vector<WCHAR> wide(static_cast<size_t>(nChars) + 1);
    ::MultiByteToWideChar(932, 0, text.data(), nBytes, wide.data(), nChars);
    return Ole().sysAllocStringLen(wide.data(), static_cast<UINT>(nChars));
}

VARIANT IdVariant(long id) {
    VARIANT variant;
    variant.vt = VT_I4;
    variant.lVal = id;
    return variant;
}

HRESULT ReturnText(const std::string& text, BSTR* pText) {
    *pText = AllocFrom932(text);
    return *pText ? S_OK : E_OUTOFMEMORY;
}

// What every object of the library shares: the count of references and of
// live objects, and the IDispatch methods, which are not offered.
class CountedAccessible : public IAccessible {
public:
    CountedAccessible() { ++g_nObjectsAlive; }
    virtual ~CountedAccessible() { --g_nObjectsAlive; }
    CountedAccessible(const CountedAccessible&) = delete;
    CountedAccessible& operator=(const CountedAccessible&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
        if (!ppv)
            return E_POINTER;
        if (IsEqualGUID(riid, kIidUnknown) || IsEqualGUID(riid, kIidDispatch) ||
            IsEqualGUID(riid, kIidAccessible)) {
            *ppv = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++m_nRefs; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG nRefs = --m_nRefs;
        if (nRefs == 0)
            delete this;
        return nRefs;
    }

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* pctinfo) override {
        if (!pctinfo)
            return E_INVALIDARG;
        *pctinfo = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

private:
    ULONG m_nRefs = 1;
};

class ControlAccessible;

// A text method of IAccessible, as the client object delegates it.
typedef HRESULT (STDMETHODCALLTYPE IAccessible::*TextMethod)(VARIANT, BSTR*);

// The client object of one window. The library holds one reference from the
// first request until ReleaseAccessible; each client holds its own.
class ClientAccessible : public CountedAccessible {
public:
    ClientAccessible(HWND hwnd, TableSource source, BOOL bComInitialized)
        : m_hwnd(hwnd), m_source(source), m_bComInitialized(bComInitialized) {}

    HWND Window() const { return m_hwnd; }
    // The table as it is now, or FALSE once the window is gone.
    BOOL ReadTable(PaintedTable& table) const {
        if (!m_hwnd || !::IsWindow(m_hwnd))
            return FALSE;
        m_source(m_hwnd, table);
        return TRUE;
    }
    void Attach(ControlAccessible* pControl) { m_controls.push_back(pControl); }
    void Detach(ControlAccessible* pControl) {
        m_controls.erase(std::remove(m_controls.begin(), m_controls.end(), pControl),
                         m_controls.end());
    }
    // Cuts this object and its control wrappers from every client, then
    // leaves the apartment the first request entered.
    void Disconnect();

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** ppParent) override;
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* pCount) override;
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** ppChild) override;
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* pName) override;
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* pText) override {
        return TextOf(child, pText, &PaintedEntry::value, &IAccessible::get_accValue);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* pText) override {
        return TextOf(child, pText, nullptr, &IAccessible::get_accDescription);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* pRole) override;
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* pState) override;
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* pText) override {
        return TextOf(child, pText, nullptr, &IAccessible::get_accHelp);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* pFile, VARIANT child, LONG* pTopic) override;
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* pText) override {
        return TextOf(child, pText, nullptr, &IAccessible::get_accKeyboardShortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* pChild) override;
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* pChildren) override;
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* pText) override {
        return TextOf(child, pText, nullptr, &IAccessible::get_accDefaultAction);
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accLocation(LONG* pLeft, LONG* pTop, LONG* pWidth, LONG* pHeight,
                                          VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* pEnd) override;
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* pChild) override;
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;

private:
    // The table and the child id a client's variant names, or the error.
    HRESULT Resolve(const VARIANT& child, PaintedTable& table, long& id) const;
    // A new wrapper for the control entry id, or the error to return.
    HRESULT ControlObject(const PaintedTable& table, long id, IDispatch** ppControl);
    // Sets *pResult to child id as a client sees it: a wrapper for a control
    // entry, VT_I4 for the rest.
    HRESULT ReturnChild(const PaintedTable& table, long id, VARIANT* pResult);
    // The control entry id's own answer to method, through a wrapper.
    template <typename Method, typename... Args>
    HRESULT AskControl(const PaintedTable& table, long id, Method method, Args... args) {
        IDispatch* pControl = nullptr;
        HRESULT hr = ControlObject(table, id, &pControl);
        if (FAILED(hr))
            return hr;
        hr = (static_cast<IAccessible*>(pControl)->*method)(args...);
        pControl->Release();
        return hr;
    }
    // A text of child: a painted entry's field (none when field is null), a
    // control's own answer to method; none for the client object.
    HRESULT TextOf(const VARIANT& child, BSTR* pText, std::string PaintedEntry::*field,
                   TextMethod method);

    HWND m_hwnd;
    TableSource m_source;
    BOOL m_bComInitialized;
    std::vector<ControlAccessible*> m_controls;
};

// A child control in its table entry's place: named by the entry, every
// other property its own standard client object's. Holds a reference to the
// client object, which cuts it off when the window goes. It has no children:
// the only child id it takes is its own, CHILDID_SELF.
class ControlAccessible : public CountedAccessible {
public:
    ControlAccessible(ClientAccessible* pClient, long id, HWND hwndControl, IAccessible* pStandard)
        : m_pClient(pClient), m_id(id), m_hwndControl(hwndControl), m_pStandard(pStandard) {
        m_pClient->AddRef();
        m_pClient->Attach(this);
    }
    ~ControlAccessible() override {
        m_pStandard->Release();
        m_pClient->Detach(this);
        m_pClient->Release();
    }

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** ppParent) override {
        const HRESULT hr = Check(kSelf, ppParent);
        if (SUCCEEDED(hr)) {
            m_pClient->AddRef();
            *ppParent = m_pClient;
        }
        return hr;
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* pCount) override {
        const HRESULT hr = Check(kSelf, pCount);
        if (SUCCEEDED(hr))
            *pCount = 0;
        return hr;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** ppChild) override {
        const HRESULT hr = Check(kSelf, ppChild);
        return FAILED(hr) ? hr : E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* pName) override {
        const HRESULT hr = Check(child, pName);
        return FAILED(hr) ? hr : m_pClient->get_accName(IdVariant(m_id), pName);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* pText) override {
        return Forward(child, pText, &IAccessible::get_accValue, child, pText);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* pText) override {
        return Forward(child, pText, &IAccessible::get_accDescription, child, pText);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* pRole) override {
        return Forward(child, pRole, &IAccessible::get_accRole, child, pRole);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* pState) override {
        return Forward(child, pState, &IAccessible::get_accState, child, pState);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* pText) override {
        return Forward(child, pText, &IAccessible::get_accHelp, child, pText);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* pFile, VARIANT child, LONG* pTopic) override {
        return pTopic ? Forward(child, pFile, &IAccessible::get_accHelpTopic, pFile, child, pTopic)
                      : E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* pText) override {
        return Forward(child, pText, &IAccessible::get_accKeyboardShortcut, child, pText);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* pChild) override {
        return Forward(kSelf, pChild, &IAccessible::get_accFocus, pChild);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* pChildren) override {
        return Forward(kSelf, pChildren, &IAccessible::get_accSelection, pChildren);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* pText) override {
        return Forward(child, pText, &IAccessible::get_accDefaultAction, child, pText);
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override {
        return Forward(child, this, &IAccessible::accSelect, flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* pLeft, LONG* pTop, LONG* pWidth, LONG* pHeight,
                                          VARIANT child) override {
        return pLeft && pTop && pWidth ? Forward(child, pHeight, &IAccessible::accLocation, pLeft,
                                                 pTop, pWidth, pHeight, child)
                                       : E_INVALIDARG;
    }
    // Among its siblings the control moves in its parent's order.
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* pEnd) override {
        const HRESULT hr = Check(start, pEnd);
        if (FAILED(hr))
            return hr;
        pEnd->vt = VT_EMPTY;
        if (direction == NAVDIR_FIRSTCHILD || direction == NAVDIR_LASTCHILD)
            return S_FALSE;
        return m_pClient->accNavigate(direction, IdVariant(m_id), pEnd);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* pChild) override {
        return Forward(kSelf, pChild, &IAccessible::accHitTest, x, y, pChild);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        return Forward(child, this, &IAccessible::accDoDefaultAction, child);
    }

private:
    // E_INVALIDARG for a null out-pointer or a child other than CHILDID_SELF,
    // E_FAIL once the window is gone or entry m_id is no longer this control.
    HRESULT Check(const VARIANT& child, const void* pOut) const {
        if (!pOut || child.vt != VT_I4 || child.lVal != CHILDID_SELF)
            return E_INVALIDARG;
        PaintedTable table;
        const BOOL bLive = m_pClient->ReadTable(table) && IsChildId(table, m_id) &&
                           table[m_id - 1].control == m_hwndControl;
        return bLive ? S_OK : E_FAIL;
    }
    // The standard object's answer, once Check passed.
    template <typename Method, typename... Args>
    HRESULT Forward(const VARIANT& child, const void* pOut, Method method, Args... args) {
        const HRESULT hr = Check(child, pOut);
        return FAILED(hr) ? hr : (m_pStandard->*method)(args...);
    }

    static const VARIANT kSelf;

    ClientAccessible* m_pClient;
    long m_id;
    HWND m_hwndControl;
    IAccessible* m_pStandard;
};

const VARIANT ControlAccessible::kSelf = IdVariant(CHILDID_SELF);

void ClientAccessible::Disconnect() {
    m_hwnd = nullptr;
    // A disconnected wrapper may be freed at once and leave the list.
    std::vector<ControlAccessible*> controls = m_controls;
    for (ControlAccessible* pControl : controls)
        pControl->AddRef();
    for (ControlAccessible* pControl : controls) {
        Ole().coDisconnectObject(pControl, 0);
        pControl->Release();
    }
    Ole().coDisconnectObject(this, 0);
    if (m_bComInitialized)
        Ole().coUninitialize();
    m_bComInitialized = FALSE;
}

HRESULT ClientAccessible::Resolve(const VARIANT& child, PaintedTable& table, long& id) const {
    if (!ReadTable(table))
        return E_FAIL;
    id = ChildIdOfVariant(table, child.vt, child.vt == VT_I4 ? child.lVal : 0);
    return id < 0 ? E_INVALIDARG : S_OK;
}

HRESULT ClientAccessible::ControlObject(const PaintedTable& table, long id, IDispatch** ppControl) {
    const HWND hwndControl = table[id - 1].control;
    IAccessible* pStandard = nullptr;
    const HRESULT hr = Ole().createStdAccessibleObject(hwndControl, OBJID_CLIENT, kIidAccessible,
                                                       reinterpret_cast<void**>(&pStandard));
    if (FAILED(hr))
        return hr;
    *ppControl = new ControlAccessible(this, id, hwndControl, pStandard);
    return S_OK;
}

HRESULT ClientAccessible::ReturnChild(const PaintedTable& table, long id, VARIANT* pResult) {
    if (id != kSelfId && table[id - 1].control) {
        IDispatch* pControl = nullptr;
        const HRESULT hr = ControlObject(table, id, &pControl);
        if (FAILED(hr))
            return hr;
        pResult->vt = VT_DISPATCH;
        pResult->pdispVal = pControl;
        return S_OK;
    }
    *pResult = IdVariant(id);
    return S_OK;
}

HRESULT ClientAccessible::TextOf(const VARIANT& child, BSTR* pText,
                                 std::string PaintedEntry::*field, TextMethod method) {
    if (!pText)
        return E_INVALIDARG;
    *pText = nullptr;
    PaintedTable table;
    long id;
    const HRESULT hr = Resolve(child, table, id);
    if (FAILED(hr))
        return hr;
    if (id == kSelfId)
        return S_FALSE;
    if (table[id - 1].control)
        return AskControl(table, id, method, IdVariant(CHILDID_SELF), pText);
    return field ? ReturnText(table[id - 1].*field, pText) : S_FALSE;
}

HRESULT ClientAccessible::get_accParent(IDispatch** ppParent) {
    if (!ppParent)
        return E_INVALIDARG;
    *ppParent = nullptr;
    PaintedTable table;
    if (!ReadTable(table))
        return E_FAIL;
    return Ole().createStdAccessibleObject(m_hwnd, OBJID_WINDOW, kIidDispatch,
                                           reinterpret_cast<void**>(ppParent));
}

HRESULT ClientAccessible::get_accChildCount(LONG* pCount) {
    if (!pCount)
        return E_INVALIDARG;
    *pCount = 0;
    PaintedTable table;
    if (!ReadTable(table))
        return E_FAIL;
    *pCount = static_cast<LONG>(table.size());
    return S_OK;
}

HRESULT ClientAccessible::get_accChild(VARIANT child, IDispatch** ppChild) {
    if (!ppChild)
        return E_INVALIDARG;
    *ppChild = nullptr;
    PaintedTable table;
    long id;
    const HRESULT hr = Resolve(child, table, id);
    if (FAILED(hr))
        return hr;
    if (id == kSelfId)
        return E_INVALIDARG;
    // A painted entry is a simple element of this object.
    return table[id - 1].control ? ControlObject(table, id, ppChild) : S_FALSE;
}

// A child's name is its entry's, a control's included; the client object's
// is the window's title.
HRESULT ClientAccessible::get_accName(VARIANT child, BSTR* pName) {
    if (!pName)
        return E_INVALIDARG;
    *pName = nullptr;
    PaintedTable table;
    long id;
    const HRESULT hr = Resolve(child, table, id);
    if (FAILED(hr))
        return hr;
    if (id != kSelfId)
        return ReturnText(table[id - 1].name, pName);
    const int nLength = ::GetWindowTextLengthA(m_hwnd);
    std::string title(static_cast<size_t>(nLength) + 1, '\0');
    title.resize(static_cast<size_t>(::GetWindowTextA(m_hwnd, &title[0], nLength + 1)));
    return ReturnText(title, pName);
}

HRESULT ClientAccessible::get_accRole(VARIANT child, VARIANT* pRole) {
    if (!pRole)
        return E_INVALIDARG;
    pRole->vt = VT_EMPTY;
    PaintedTable table;
    long id;
    const HRESULT hr = Resolve(child, table, id);
    if (FAILED(hr))
        return hr;
    if (id != kSelfId && table[id - 1].control)
        return AskControl(table, id, &IAccessible::get_accRole, IdVariant(CHILDID_SELF), pRole);
    *pRole = IdVariant(id == kSelfId ? ROLE_SYSTEM_CLIENT : ROLE_SYSTEM_STATICTEXT);
    return S_OK;
}

HRESULT ClientAccessible::get_accState(VARIANT child, VARIANT* pState) {
    if (!pState)
        return E_INVALIDARG;
    pState->vt = VT_EMPTY;
    PaintedTable table;
    long id;
    const HRESULT hr = Resolve(child, table, id);
    if (FAILED(hr))
        return hr;
    if (id != kSelfId && table[id - 1].control)
        return AskControl(table, id, &IAccessible::get_accState, IdVariant(CHILDID_SELF), pState);
    *pState = IdVariant(id == kSelfId ? 0 : STATE_SYSTEM_READONLY);
    return S_OK;
}

HRESULT ClientAccessible::get_accHelpTopic(BSTR* pFile, VARIANT child, LONG* pTopic) {
    if (!pFile || !pTopic)
        return E_INVALIDARG;
    *pFile = nullptr;
    *pTopic = 0;
    PaintedTable table;
    long id;
    const HRESULT hr = Resolve(child, table, id);
    return FAILED(hr) ? hr : S_FALSE;
}

HRESULT ClientAccessible::get_accFocus(VARIANT* pChild) {
    if (!pChild)
        return E_INVALIDARG;
    pChild->vt = VT_EMPTY;
    PaintedTable table;
    if (!ReadTable(table))
        return E_FAIL;
    const HWND hwndFocus = ::GetFocus();
    if (hwndFocus == m_hwnd)
        return ReturnChild(table, kSelfId, pChild);
    for (size_t i = 0; i < table.size(); ++i)
        if (table[i].control && table[i].control == hwndFocus)
            return ReturnChild(table, static_cast<long>(i + 1), pChild);
    return S_FALSE;
}

HRESULT ClientAccessible::get_accSelection(VARIANT* pChildren) {
    if (!pChildren)
        return E_INVALIDARG;
    pChildren->vt = VT_EMPTY;
    PaintedTable table;
    return ReadTable(table) ? S_FALSE : E_FAIL;
}

HRESULT ClientAccessible::accSelect(LONG, VARIANT child) {
    PaintedTable table;
    long id;
    const HRESULT hr = Resolve(child, table, id);
    return FAILED(hr) ? hr : DISP_E_MEMBERNOTFOUND;
}

HRESULT ClientAccessible::accLocation(LONG* pLeft, LONG* pTop, LONG* pWidth, LONG* pHeight,
                                      VARIANT child) {
    if (!pLeft || !pTop || !pWidth || !pHeight)
        return E_INVALIDARG;
    *pLeft = *pTop = *pWidth = *pHeight = 0;
    PaintedTable table;
    long id;
    const HRESULT hr = Resolve(child, table, id);
    if (FAILED(hr))
        return hr;
    if (id != kSelfId && table[id - 1].control)
        return AskControl(table, id, &IAccessible::accLocation, pLeft, pTop, pWidth, pHeight,
                          IdVariant(CHILDID_SELF));
    RECT rect;
    if (id == kSelfId)
        ::GetClientRect(m_hwnd, &rect);
    else
        rect = table[id - 1].rect;
    ::MapWindowPoints(m_hwnd, HWND_DESKTOP, reinterpret_cast<POINT*>(&rect), 2);
    *pLeft = rect.left;
    *pTop = rect.top;
    *pWidth = rect.right - rect.left;
    *pHeight = rect.bottom - rect.top;
    return S_OK;
}

HRESULT ClientAccessible::accNavigate(LONG direction, VARIANT start, VARIANT* pEnd) {
    if (!pEnd)
        return E_INVALIDARG;
    pEnd->vt = VT_EMPTY;
    PaintedTable table;
    long id;
    const HRESULT hr = Resolve(start, table, id);
    if (FAILED(hr))
        return hr;
    if (direction < NAVDIR_UP || direction > NAVDIR_LASTCHILD)
        return E_INVALIDARG;
    const long end = NavigateFrom(table, id, direction);
    return end == kSelfId ? S_FALSE : ReturnChild(table, end, pEnd);
}

HRESULT ClientAccessible::accHitTest(LONG x, LONG y, VARIANT* pChild) {
    if (!pChild)
        return E_INVALIDARG;
    pChild->vt = VT_EMPTY;
    PaintedTable table;
    if (!ReadTable(table))
        return E_FAIL;
    POINT point = {x, y};
    ::ScreenToClient(m_hwnd, &point);
    RECT client;
    ::GetClientRect(m_hwnd, &client);
    if (!::PtInRect(&client, point))
        return S_FALSE;
    return ReturnChild(table, ChildAtPoint(table, point.x, point.y), pChild);
}

HRESULT ClientAccessible::accDoDefaultAction(VARIANT child) {
    PaintedTable table;
    long id;
    const HRESULT hr = Resolve(child, table, id);
    if (FAILED(hr))
        return hr;
    if (id == kSelfId || !table[id - 1].control)
        return DISP_E_MEMBERNOTFOUND;
    return AskControl(table, id, &IAccessible::accDoDefaultAction, IdVariant(CHILDID_SELF));
}

// The client objects of the windows asked so far and not yet released.
std::vector<ClientAccessible*> g_clients;

std::vector<ClientAccessible*>::iterator FindClient(HWND hwnd) {
    return std::find_if(g_clients.begin(), g_clients.end(),
                        [hwnd](ClientAccessible* pClient) { return pClient->Window() == hwnd; });
}

}  // namespace

LRESULT AnswerAccessibleRequest(HWND hwnd, WPARAM wParam, LPARAM lParam, TableSource source) {
    if (static_cast<LONG>(lParam) != OBJID_CLIENT)
        return 0;
    const OleCalls* pOle = BindOle();
    if (!pOle)
        return 0;
    auto found = FindClient(hwnd);
    if (found == g_clients.end()) {
        // Clients are served, and cut off at release, from the window thread's
        // single-threaded apartment: entered here (S_FALSE when the thread is
        // in one already), left again by ReleaseAccessible.
        const HRESULT hrInit = pOle->coInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        g_clients.push_back(new ClientAccessible(hwnd, source, SUCCEEDED(hrInit)));
        found = g_clients.end() - 1;
    }
    return pOle->lresultFromObject(kIidAccessible, wParam, static_cast<IAccessible*>(*found));
}

void AnnounceTableChanges(HWND hwnd, const PaintedTable& before, const PaintedTable& after) {
    const TableChanges changes = CompareTables(before, after);
    if (changes.reordered)
        ::NotifyWinEvent(EVENT_OBJECT_REORDER, hwnd, OBJID_CLIENT, CHILDID_SELF);
    for (long id : changes.names)
        ::NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, hwnd, OBJID_CLIENT, id);
    for (long id : changes.values)
        ::NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, hwnd, OBJID_CLIENT, id);
}

void ReleaseAccessible(HWND hwnd) {
    const auto found = FindClient(hwnd);
    if (found == g_clients.end())
        return;
    ClientAccessible* pClient = *found;
    g_clients.erase(found);
    pClient->Disconnect();
    pClient->Release();
}

long AccessibleObjectsAlive() { return g_nObjectsAlive; }

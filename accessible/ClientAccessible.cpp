#include "ClientAccessible.h"

#include "ControlAccessible.h"

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

HRESULT ClientAccessible::NumberOf(const VARIANT& child, VARIANT* pNumber, NumberMethod method,
                                   long selfNumber, long entryNumber) {
    if (!pNumber)
        return E_INVALIDARG;
    pNumber->vt = VT_EMPTY;
    PaintedTable table;
    long id;
    const HRESULT hr = Resolve(child, table, id);
    if (FAILED(hr))
        return hr;
    if (id != kSelfId && table[id - 1].control)
        return AskControl(table, id, method, IdVariant(CHILDID_SELF), pNumber);
    *pNumber = IdVariant(id == kSelfId ? selfNumber : entryNumber);
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

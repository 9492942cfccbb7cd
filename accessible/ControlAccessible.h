// The wrapper that names a child control after its table entry.
#pragma once

#include "ClientAccessible.h"

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

    inline static const VARIANT kSelf = IdVariant(CHILDID_SELF);

    ClientAccessible* m_pClient;
    long m_id;
    HWND m_hwndControl;
    IAccessible* m_pStandard;
};

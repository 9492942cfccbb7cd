// The client object of one painted window: its children are the window's
// table entries, read through the window's TableSource at every call, on the
// window's thread (the object lives in the thread's single-threaded
// apartment).
#pragma once

#include <algorithm>
#include <vector>

#include "Accessible.h"
#include "OleObject.h"

class ControlAccessible;

// A text method of IAccessible, as the client object delegates it.
typedef HRESULT (STDMETHODCALLTYPE IAccessible::*TextMethod)(VARIANT, BSTR*);
// A number method of IAccessible (role, state), as the client object delegates it.
typedef HRESULT (STDMETHODCALLTYPE IAccessible::*NumberMethod)(VARIANT, VARIANT*);

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
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* pRole) override {
        return NumberOf(child, pRole, &IAccessible::get_accRole, ROLE_SYSTEM_CLIENT,
                        ROLE_SYSTEM_STATICTEXT);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* pState) override {
        return NumberOf(child, pState, &IAccessible::get_accState, 0, STATE_SYSTEM_READONLY);
    }
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
    // A number of child: selfNumber for the client object, entryNumber for a
    // painted entry, a control's own answer to method.
    HRESULT NumberOf(const VARIANT& child, VARIANT* pNumber, NumberMethod method, long selfNumber,
                     long entryNumber);

    HWND m_hwnd;
    TableSource m_source;
    BOOL m_bComInitialized;
    std::vector<ControlAccessible*> m_controls;
};

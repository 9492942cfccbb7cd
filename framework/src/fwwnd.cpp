#include "fwwnd.h"

#include <map>
#include <memory>

#include "fwapp.h"
#include "fwddx.h"
#include "fwgdi.h"

namespace {

// Objects bound to window handles: permanent ones (dialogs and attached
// controls, owned by their creators) and temporary wrappers made by
// FromHandle (owned here, freed once their window is gone).
struct HandleMaps {
    std::map<HWND, CWnd*> permanent;
    std::map<HWND, std::unique_ptr<CWnd>> temporary;
};

HandleMaps& handleMaps() {
    static HandleMaps maps;
    return maps;
}

}  // namespace

CWnd::CurrentMessage CWnd::s_current = {nullptr, 0, 0, 0};

CWnd::~CWnd() {
    auto& perm = handleMaps().permanent;
    auto it = perm.find(m_hWnd);
    if (it != perm.end() && it->second == this)
        perm.erase(it);
}

CWnd* CWnd::FromHandle(HWND hWnd) {
    if (!hWnd)
        return nullptr;
    if (CWnd* bound = FromHandlePermanent(hWnd))
        return bound;
    std::unique_ptr<CWnd>& temp = handleMaps().temporary[hWnd];
    if (!temp) {
        temp.reset(new CWnd);
        temp->m_hWnd = hWnd;
    }
    return temp.get();
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd) {
    auto& perm = handleMaps().permanent;
    auto it = perm.find(hWnd);
    return it == perm.end() ? nullptr : it->second;
}

void CWnd::Attach(HWND hWnd) {
    HandleMaps& maps = handleMaps();
    maps.temporary.erase(hWnd);
    maps.permanent[hWnd] = this;
    m_hWnd = hWnd;
}

void CWnd::OnWindowGone() {
    HandleMaps& maps = handleMaps();
    maps.permanent.erase(m_hWnd);
    m_hWnd = nullptr;
    // Children are destroyed before their parent gets WM_NCDESTROY, so any
    // control bound to one of them is released here too.
    for (auto it = maps.permanent.begin(); it != maps.permanent.end();) {
        if (::IsWindow(it->first)) {
            ++it;
        } else {
            it->second->m_hWnd = nullptr;
            it = maps.permanent.erase(it);
        }
    }
    for (auto it = maps.temporary.begin(); it != maps.temporary.end();)
        it = ::IsWindow(it->first) ? std::next(it) : maps.temporary.erase(it);
    CWinApp* app = AfxGetApp();
    if (app && app->m_pMainWnd == this)
        app->m_pMainWnd = nullptr;
}

CWnd* CWnd::GetDlgItem(int id) const { return FromHandle(::GetDlgItem(m_hWnd, id)); }

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::SendMessageA(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::DestroyWindow() { return m_hWnd ? ::DestroyWindow(m_hWnd) : FALSE; }

void CWnd::MoveWindow(int x, int y, int width, int height, BOOL repaint) {
    ::MoveWindow(m_hWnd, x, y, width, height, repaint);
}

void CWnd::GetClientRect(LPRECT rect) const { ::GetClientRect(m_hWnd, rect); }

BOOL CWnd::IsIconic() const { return ::IsIconic(m_hWnd); }

void CWnd::InvalidateRect(LPCRECT rect, BOOL erase) { ::InvalidateRect(m_hWnd, rect, erase); }

CDC* CWnd::GetDC() {
    HDC hdc = ::GetDC(m_hWnd);
    if (!hdc)
        return nullptr;
    CDC* dc = new CDC;
    dc->m_hDC = hdc;
    return dc;
}

int CWnd::ReleaseDC(CDC* dc) {
    if (!dc)
        return 0;
    const int released = ::ReleaseDC(m_hWnd, dc->m_hDC);
    delete dc;
    return released;
}

void CWnd::GetWindowText(CString& text) const {
    const int length = ::GetWindowTextLengthA(m_hWnd);
    char* buffer = text.GetBuffer(length);
    buffer[::GetWindowTextA(m_hWnd, buffer, length + 1)] = '\0';
    text.ReleaseBuffer();
}

int CWnd::MessageBox(const char* text, const char* caption, UINT type) {
    return ::MessageBoxA(m_hWnd, text, caption, type);
}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate) {
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return TRUE;
}

void CWnd::DoDataExchange(CDataExchange*) {}

LRESULT CWnd::Default() {
    if (s_current.wnd != this)
        return 0;
    return DefaultProc(s_current.message, s_current.wParam, s_current.lParam);
}

LRESULT CWnd::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

void CWnd::OnDestroy() { Default(); }

BOOL CWnd::DispatchToMap(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    const CurrentMessage saved = s_current;
    s_current = {this, message, wParam, lParam};
    const BOOL handled = OnWndMsg(message, wParam, lParam, result);
    s_current = saved;
    return handled;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM) { return OnCmdMsg(LOWORD(wParam), HIWORD(wParam)); }

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    *result = 0;
    if (message == WM_COMMAND)
        return OnCommand(wParam, lParam);
    const AFX_MSGMAP_ENTRY* entry = FindMapEntry(message, 0, 0);
    if (!entry)
        return FALSE;
    const auto wndFn = static_cast<void (CWnd::*)()>(entry->pfn);
    switch (entry->nSig) {
    case AfxSig_vv:
        (this->*wndFn)();
        break;
    case AfxSig_vwl:
        (this->*reinterpret_cast<void (CWnd::*)(UINT, LPARAM)>(wndFn))(static_cast<UINT>(wParam),
                                                                       lParam);
        break;
    case AfxSig_hv:
        *result =
            reinterpret_cast<LRESULT>((this->*reinterpret_cast<HCURSOR (CWnd::*)()>(wndFn))());
        break;
    case AfxSig_lwl:
        *result =
            (this->*reinterpret_cast<LRESULT (CWnd::*)(WPARAM, LPARAM)>(wndFn))(wParam, lParam);
        break;
    case AfxSig_end:
        return FALSE;
    }
    return TRUE;
}

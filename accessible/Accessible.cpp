// The procedural face of the library: one client object per window asked,
// made at the first request and cut off at release.
#include "Accessible.h"

#include <algorithm>
#include <vector>

#include "ClientAccessible.h"

namespace {

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

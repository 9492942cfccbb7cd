// Message maps: CCmdTarget and the macros that build a class's static table
// of message and command handlers. Lookup walks the class's own table, then
// its base class's, and so on up to CCmdTarget.
#ifndef FW_FWMSGMAP_H
#define FW_FWMSGMAP_H

#include <windows.h>

#define afx_msg

class CCmdTarget;
class CWnd;

typedef void (CCmdTarget::*AFX_PMSG)();

// How a handler is called.
enum AfxSig {
    AfxSig_end = 0,  // end of a table
    AfxSig_vv,       // void f()
    AfxSig_vwl,      // void f(UINT, LPARAM)
    AfxSig_hv,       // HCURSOR f()
    AfxSig_lwl,      // LRESULT f(WPARAM, LPARAM)
};

struct AFX_MSGMAP_ENTRY {
    UINT nMessage;  // window message (WM_COMMAND for commands)
    UINT nCode;     // notification code for WM_COMMAND (0 = menu command / BN_CLICKED)
    UINT nID;       // command or control id for WM_COMMAND
    AfxSig nSig;
    AFX_PMSG pfn;
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();  // nullptr at CCmdTarget
    const AFX_MSGMAP_ENTRY* lpEntries;
};

class CCmdTarget {
public:
    CCmdTarget() = default;
    CCmdTarget(const CCmdTarget&) = delete;
    CCmdTarget& operator=(const CCmdTarget&) = delete;
    virtual ~CCmdTarget() = default;

    // Runs the handler mapped to command id with notification code; FALSE
    // when this object's map chain has none.
    BOOL OnCmdMsg(UINT id, UINT code);

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;
    // First entry for the message (and, for WM_COMMAND, code and id) along
    // the map chain, or nullptr.
    const AFX_MSGMAP_ENTRY* FindMapEntry(UINT message, UINT code, UINT id) const;
};

// The map macros open and close braces across each other: kept as laid out.
// clang-format off
#define DECLARE_MESSAGE_MAP()                            \
protected:                                               \
    static const AFX_MSGMAP* GetThisMessageMap();        \
    virtual const AFX_MSGMAP* GetMessageMap() const;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                       \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const AFX_MSGMAP* theClass::GetThisMessageMap() {                                \
        using ThisClass [[maybe_unused]] = theClass;                                  \
        using TheBaseClass = baseClass;                                               \
        static const AFX_MSGMAP_ENTRY entries[] = {

#define END_MESSAGE_MAP()                                                 \
            { 0, 0, 0, AfxSig_end, nullptr }                              \
        };                                                                \
        static const AFX_MSGMAP map = { &TheBaseClass::GetThisMessageMap, \
                                        &entries[0] };                    \
        return &map;                                                      \
    }
// clang-format on

// Handlers are named as in a classic map: ON_COMMAND(id, OnSomething) or
// ON_COMMAND(ID_HELP, CWinApp::OnHelp); the macro qualifies the name with
// the class whose map is being built.
#define ON_COMMAND(id, memberFxn)                                                                  \
    {WM_COMMAND, 0, static_cast<UINT>(id), AfxSig_vv, static_cast<AFX_PMSG>(&ThisClass::memberFxn)},

#define ON_BN_CLICKED(id, memberFxn)                                                               \
    {WM_COMMAND, BN_CLICKED, static_cast<UINT>(id), AfxSig_vv,                                     \
     static_cast<AFX_PMSG>(&ThisClass::memberFxn)},

#define FW_ON_WM_VV(msg, memberFxn)                                                                \
    {msg, 0, 0, AfxSig_vv,                                                                         \
     static_cast<AFX_PMSG>(static_cast<void (CWnd::*)()>(&ThisClass::memberFxn))},

#define ON_WM_PAINT() FW_ON_WM_VV(WM_PAINT, OnPaint)
#define ON_WM_DESTROY() FW_ON_WM_VV(WM_DESTROY, OnDestroy)
#define ON_WM_CANCELMODE() FW_ON_WM_VV(WM_CANCELMODE, OnCancelMode)

#define ON_WM_SYSCOMMAND()                                                                         \
    {WM_SYSCOMMAND, 0, 0, AfxSig_vwl,                                                              \
     static_cast<AFX_PMSG>(reinterpret_cast<void (CWnd::*)()>(                                     \
         static_cast<void (CWnd::*)(UINT, LPARAM)>(&ThisClass::OnSysCommand)))},

// ON_MESSAGE(message, OnSomething) for LRESULT OnSomething(WPARAM, LPARAM).
#define ON_MESSAGE(message, memberFxn)                                                             \
    {message, 0, 0, AfxSig_lwl,                                                                    \
     static_cast<AFX_PMSG>(reinterpret_cast<void (CWnd::*)()>(                                     \
         static_cast<LRESULT (CWnd::*)(WPARAM, LPARAM)>(&ThisClass::memberFxn)))},

#define ON_WM_QUERYDRAGICON()                                                                      \
    {WM_QUERYDRAGICON, 0, 0, AfxSig_hv,                                                            \
     static_cast<AFX_PMSG>(reinterpret_cast<void (CWnd::*)()>(                                     \
         static_cast<HCURSOR (CWnd::*)()>(&ThisClass::OnQueryDragIcon)))},

#endif

// The OLE calls bound at the first request, the interface ids and the
// helpers every accessible object of the library uses.
#include "OleObject.h"

#include <vector>

#include "PaintedTable.h"

extern const IID kIidUnknown = {0x00000000, 0x0000, 0x0000, {0xc0, 0, 0, 0, 0, 0, 0, 0x46}};
extern const IID kIidDispatch = {0x00020400, 0x0000, 0x0000, {0xc0, 0, 0, 0, 0, 0, 0, 0x46}};
extern const IID kIidAccessible = {
    0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

static_assert(kNavUp == NAVDIR_UP && kNavDown == NAVDIR_DOWN && kNavLeft == NAVDIR_LEFT &&
                  kNavRight == NAVDIR_RIGHT && kNavNext == NAVDIR_NEXT &&
                  kNavPrevious == NAVDIR_PREVIOUS && kNavFirstChild == NAVDIR_FIRSTCHILD &&
                  kNavLastChild == NAVDIR_LASTCHILD,
              "the navigation numbers are oleacc's");
static_assert(kVariantEmpty == VT_EMPTY && kVariantI4 == VT_I4, "the variant types are oleaut's");
static_assert(kSelfId == CHILDID_SELF, "the client object's own id");

namespace {

template <typename Function>
void BindProc(Function& function, LPCSTR library, LPCSTR name) {
    HMODULE module = ::GetModuleHandleA(library);
    if (!module)
        module = ::LoadLibraryA(library);
    function = reinterpret_cast<Function>(
        reinterpret_cast<void (*)()>(module ? ::GetProcAddress(module, name) : nullptr));
}

}  // namespace

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

const OleCalls& Ole() { return *BindOle(); }

long g_nObjectsAlive = 0;

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

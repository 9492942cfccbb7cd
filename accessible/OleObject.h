// What the accessible objects of the library share: the OLE calls, bound
// at the first request rather than imported (the libraries stay loaded until
// the program ends), the interface ids, the texts and ids as clients take
// them, and the count of references and of live objects.
#pragma once

#include <windows.h>
#include <ole2.h>
#include <oleacc.h>

#include <string>

// The interface ids, defined by the library: MinGW's static oleacc library
// resolves IID_IAccessible to an import thunk, not to the GUID, and this
// library links no OLE library at all.
extern const IID kIidUnknown;
extern const IID kIidDispatch;
extern const IID kIidAccessible;

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

// The bound calls, or null when one of them cannot be found.
const OleCalls* BindOle();
// Only called once BindOle succeeded: every object is made after it.
const OleCalls& Ole();

// A BSTR of code page 932 text (null when out of memory).
BSTR AllocFrom932(const std::string& text);
VARIANT IdVariant(long id);
HRESULT ReturnText(const std::string& text, BSTR* pText);

// The objects of the library not yet freed.
extern long g_nObjectsAlive;

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

#include "ui/HostLink.h"

#include <objbase.h>
#include <oleauto.h>

#include <string>

namespace {

// The host's object of this UI run, or null.
IDispatch* g_hostDispatch = nullptr;

const DISPID kFrequencyId = 2;
const DISPID kFieldId = 8;
const DISPID kMacroId = 16;

// A VARIANT that is cleared when it goes out of scope.
struct Variant : VARIANT {
    Variant() { VariantInit(this); }
    ~Variant() { VariantClear(this); }
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;
};

// Calls the host; `argument` may be null for none.
void Invoke(DISPID id, WORD kind, VARIANT* argument, Variant& result)
{
    if (!g_hostDispatch)
        throw HostCallFailed(E_POINTER);
    DISPPARAMS parameters = {argument, nullptr, argument ? 1u : 0u, 0};
    const HRESULT hr = g_hostDispatch->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, kind, &parameters, &result, nullptr, nullptr);
    if (FAILED(hr))
        throw HostCallFailed(hr);
}

std::wstring WideText(const char* text)
{
    const int length = MultiByteToWideChar(CP_THREAD_ACP, 0, text, -1, nullptr, 0);
    if (length <= 1)
        return std::wstring();
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_THREAD_ACP, 0, text, -1, &wide[0], length);
    wide.pop_back();
    return wide;
}

CString AnsiText(BSTR text)
{
    if (!text)
        return CString();
    const int length = static_cast<int>(SysStringLen(text));
    const int size = WideCharToMultiByte(CP_THREAD_ACP, 0, text, length, nullptr, 0, nullptr, nullptr);
    if (size <= 0)
        return CString();
    std::string ansi(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_THREAD_ACP, 0, text, length, &ansi[0], size, nullptr, nullptr);
    return CString(std::move(ansi));
}

// Lets the UI thread end while one of its host calls waits: once the run is closing, the next
// message that reaches the thread cancels the call (RPC_E_CALL_CANCELED). A call the host
// rejects is not retried.
class CancelWhenClosing : public IMessageFilter {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override
    {
        if (id != IID_IUnknown && id != IID_IMessageFilter) {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        *object = this;
        return S_OK;
    }
    // One object for the library's life: counting references has nothing to free.
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    DWORD STDMETHODCALLTYPE HandleInComingCall(DWORD, HTASK, DWORD, LPINTERFACEINFO) override { return SERVERCALL_ISHANDLED; }
    DWORD STDMETHODCALLTYPE RetryRejectedCall(HTASK, DWORD, DWORD) override { return static_cast<DWORD>(-1); }
    DWORD STDMETHODCALLTYPE MessagePending(HTASK, DWORD, DWORD) override
    {
        return m_run && m_run->Closing() ? PENDINGMSG_CANCELCALL : PENDINGMSG_WAITDEFPROCESS;
    }

    const UiRun* m_run = nullptr;
};

CancelWhenClosing g_messageFilter;
bool g_comInitialised = false;

} // namespace

void LinkToHost(const UiRun& run)
{
    CLSID hostClass;
    const HRESULT found = CLSIDFromProgID(L"Kelb2.Application", &hostClass);
    g_comInitialised = SUCCEEDED(CoInitialize(nullptr));
    g_messageFilter.m_run = &run;
    CoRegisterMessageFilter(&g_messageFilter, nullptr);
    if (FAILED(found))
        return;
    IUnknown* running = nullptr;
    if (FAILED(GetActiveObject(hostClass, nullptr, &running)) || !running)
        return;
    void* dispatch = nullptr;
    if (SUCCEEDED(running->QueryInterface(IID_IDispatch, &dispatch)))
        g_hostDispatch = static_cast<IDispatch*>(dispatch);
    running->Release();
}

void UnlinkFromHost()
{
    if (g_hostDispatch) {
        g_hostDispatch->Release();
        g_hostDispatch = nullptr;
    }
    if (!g_comInitialised)
        return;
    CoRegisterMessageFilter(nullptr, nullptr);
    CoUninitialize();
    g_comInitialised = false;
}

bool LinkedToHost() { return g_hostDispatch != nullptr; }

double GetHostFrequency()
{
    Variant result;
    Invoke(kFrequencyId, DISPATCH_PROPERTYGET, nullptr, result);
    if (FAILED(VariantChangeType(&result, &result, 0, VT_R8)))
        throw HostCallFailed(DISP_E_TYPEMISMATCH);
    return result.dblVal;
}

CString GetHostField(int index)
{
    Variant argument;
    argument.vt = VT_I4;
    argument.lVal = index;
    Variant result;
    Invoke(kFieldId, DISPATCH_METHOD, &argument, result);
    // A result that is not a string reads as no text rather than as a stray pointer.
    return result.vt == VT_BSTR ? AnsiText(result.bstrVal) : CString();
}

void RunHostMacro(const char* text)
{
    if (!g_hostDispatch)
        return;
    const std::wstring wide = WideText(text ? text : "");
    Variant argument;
    argument.vt = VT_BSTR;
    argument.bstrVal = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
    Variant result;
    Invoke(kMacroId, DISPATCH_METHOD, &argument, result);
}

#include "ui/HostLink.h"

#include <objbase.h>
#include <oleauto.h>

#include <string>

namespace {

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
void Invoke(IDispatch* host, DISPID id, WORD kind, VARIANT* argument, Variant& result)
{
    if (!host)
        throw HostCallFailed(E_POINTER);
    DISPPARAMS parameters = {argument, nullptr, argument ? 1u : 0u, 0};
    const HRESULT hr = host->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, kind, &parameters, &result, nullptr, nullptr);
    if (FAILED(hr))
        throw HostCallFailed(hr);
}

// `text`, in the thread's ANSI code page, as a new BSTR.
BSTR WideText(const char* text)
{
    const int length = MultiByteToWideChar(CP_THREAD_ACP, 0, text, -1, nullptr, 0); // with its NUL
    const BSTR wide = SysAllocStringLen(nullptr, length > 1 ? static_cast<UINT>(length - 1) : 0);
    if (wide && length > 1)
        MultiByteToWideChar(CP_THREAD_ACP, 0, text, -1, wide, length);
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
    DWORD STDMETHODCALLTYPE HandleInComingCall(DWORD, HTASK, DWORD, LPINTERFACEINFO) override
    {
        return SERVERCALL_ISHANDLED;
    }
    DWORD STDMETHODCALLTYPE RetryRejectedCall(HTASK, DWORD, DWORD) override { return static_cast<DWORD>(-1); }
    DWORD STDMETHODCALLTYPE MessagePending(HTASK, DWORD, DWORD) override
    {
        return m_run && m_run->Closing() ? PENDINGMSG_CANCELCALL : PENDINGMSG_WAITDEFPROCESS;
    }

    const UiRun* m_run = nullptr;
};

CancelWhenClosing g_messageFilter;

} // namespace

HostLink::~HostLink()
{
    m_host.Reset();
    if (!m_comInitialised)
        return;
    CoRegisterMessageFilter(nullptr, nullptr);
    CoUninitialize();
}

void HostLink::Link(const UiRun& run)
{
    CLSID hostClass;
    const HRESULT found = CLSIDFromProgID(L"Kelb2.Application", &hostClass);
    m_comInitialised = SUCCEEDED(CoInitialize(nullptr));
    g_messageFilter.m_run = &run;
    CoRegisterMessageFilter(&g_messageFilter, nullptr);
    Microsoft::WRL::ComPtr<IUnknown> running;
    if (SUCCEEDED(found) && SUCCEEDED(GetActiveObject(hostClass, nullptr, &running)) && running)
        running.As(&m_host);
}

double HostLink::GetFrequency() const
{
    Variant result;
    Invoke(m_host.Get(), kFrequencyId, DISPATCH_PROPERTYGET, nullptr, result);
    if (FAILED(VariantChangeType(&result, &result, 0, VT_R8)))
        throw HostCallFailed(DISP_E_TYPEMISMATCH);
    return result.dblVal;
}

CString HostLink::GetField(int index) const
{
    Variant argument;
    argument.vt = VT_I4;
    argument.lVal = index;
    Variant result;
    Invoke(m_host.Get(), kFieldId, DISPATCH_METHOD, &argument, result);
    // A result that is not a string reads as no text rather than as a stray pointer.
    return result.vt == VT_BSTR ? AnsiText(result.bstrVal) : CString();
}

void HostLink::RunMacro(const char* text) const
{
    if (!m_host)
        return;
    Variant argument;
    argument.vt = VT_BSTR;
    argument.bstrVal = WideText(text ? text : "");
    Variant result;
    Invoke(m_host.Get(), kMacroId, DISPATCH_METHOD, &argument, result);
}

#include "tools/host-automation/HostAutomation.h"

#include <oleauto.h>

#include <algorithm>
#include <atomic>
#include <map>
#include <mutex>

const wchar_t* const kHostProgId = L"Kelb2.Application";
// {FC3BD379-7503-4598-BD08-07792B4AF8C9}
const CLSID kHostClsid = {0xfc3bd379, 0x7503, 0x4598, {0xbd, 0x08, 0x07, 0x79, 0x2b, 0x4a, 0xf8, 0xc9}};

namespace {

constexpr DWORD kPumpSliceMilliseconds = 10;
std::wstring Wide(const std::string& text)
{
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

std::string Narrow(BSTR text)
{
    const int wideLength = static_cast<int>(SysStringLen(text));
    const int length = WideCharToMultiByte(CP_ACP, 0, text, wideLength, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, wideLength, narrow.data(), length, nullptr, nullptr);
    return narrow;
}

// Creates `path` below `root` one folder at a time, noting each folder that is new.
LONG CreateKeyPath(HKEY root, const std::wstring& path, std::vector<std::pair<HKEY, std::wstring>>& created)
{
    for (size_t end = path.find(L'\\');; end = path.find(L'\\', end + 1)) {
        const std::wstring part = path.substr(0, end);
        DWORD disposition = 0;
        HKEY opened = nullptr;
        const LONG status =
            RegCreateKeyExW(root, part.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &opened, &disposition);
        if (status != ERROR_SUCCESS)
            return status;
        RegCloseKey(opened);
        if (disposition == REG_CREATED_NEW_KEY)
            created.emplace_back(root, part);
        if (end == std::wstring::npos)
            return ERROR_SUCCESS;
    }
}

// Writes the ProgID with our class id into `classes` (the folder that holds the ProgID key, or
// "") below `root`.
HRESULT WriteProgId(HKEY root, const wchar_t* classes, std::vector<std::pair<HKEY, std::wstring>>& created)
{
    wchar_t clsid[64];
    StringFromGUID2(kHostClsid, clsid, 64);
    const std::wstring path = std::wstring(classes) + kHostProgId + L"\\CLSID";
    LONG status = CreateKeyPath(root, path, created);
    if (status == ERROR_SUCCESS)
        status = RegSetKeyValueW(
            root, path.c_str(), nullptr, REG_SZ, clsid, static_cast<DWORD>((wcslen(clsid) + 1) * sizeof(wchar_t)));
    return HRESULT_FROM_WIN32(status);
}

bool ProgIdClsid(CLSID& clsid) { return SUCCEEDED(CLSIDFromProgID(kHostProgId, &clsid)); }

bool ProgIdNamesOurClsid()
{
    CLSID clsid{};
    return ProgIdClsid(clsid) && IsEqualCLSID(clsid, kHostClsid);
}

// True when an object already runs under `clsid`: its host is up.
bool ObjectRunning(const CLSID& clsid)
{
    Microsoft::WRL::ComPtr<IUnknown> running;
    return SUCCEEDED(GetActiveObject(clsid, nullptr, &running)) && running;
}

// The one argument of a method call, converted to `type`.
HRESULT OneArgument(const DISPPARAMS* params, VARTYPE type, VARIANT& argument, UINT* argumentError)
{
    if (!params || params->cArgs != 1)
        return DISP_E_BADPARAMCOUNT;
    if (params->cNamedArgs != 0)
        return DISP_E_NONAMEDARGS;
    VariantInit(&argument);
    const HRESULT converted = VariantChangeType(&argument, &params->rgvarg[0], 0, type);
    if (FAILED(converted) && argumentError)
        *argumentError = 0;
    return FAILED(converted) ? DISP_E_TYPEMISMATCH : S_OK;
}

} // namespace

// The object itself: IDispatch with the host's three ids. Its state is guarded by a mutex, so
// the test may set and read it while a call runs.
class HostApplication final : public IDispatch {
public:
    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override
    {
        if (!object)
            return E_POINTER;
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch)) {
            *object = static_cast<IDispatch*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++m_references; }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const ULONG left = --m_references;
        if (left == 0)
            delete this;
        return left;
    }

    // IDispatch: no type information and no names; the plug-in calls by id only.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override
    {
        if (count)
            *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
        EXCEPINFO* exception, UINT* argumentError) override;

    void SetTypedCall(const std::string& call)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_typedCall = call;
    }
    void SetFrequencyHz(double hz)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_frequencyHz = hz;
    }
    void SetFailing(bool failing) { m_failing = failing; }
    // After Revoke: clients that still hold a proxy get failures.
    void Close() { m_closed = true; }

    std::vector<std::string> Macros() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_macros;
    }
    unsigned Calls(DISPID id) const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        const auto found = m_calls.find(id);
        return found == m_calls.end() ? 0 : found->second;
    }

private:
    ~HostApplication() = default;

    HRESULT Frequency(WORD flags, const DISPPARAMS* params, VARIANT* result);
    HRESULT Field(WORD flags, const DISPPARAMS* params, VARIANT* result, UINT* argumentError);
    HRESULT RunMacro(WORD flags, const DISPPARAMS* params, UINT* argumentError);

    std::atomic<ULONG> m_references{1};
    std::atomic<bool> m_failing{false};
    std::atomic<bool> m_closed{false};
    mutable std::mutex m_mutex;
    std::string m_typedCall;
    double m_frequencyHz = 0;
    std::vector<std::string> m_macros;
    std::map<DISPID, unsigned> m_calls;
};

HRESULT HostApplication::Invoke(
    DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception, UINT* argumentError)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        ++m_calls[id];
    }
    if (m_failing || m_closed) {
        if (exception) {
            *exception = EXCEPINFO{};
            exception->scode = E_FAIL;
        }
        return DISP_E_EXCEPTION;
    }
    if (result)
        VariantInit(result);
    switch (id) {
    case kHostFrequency: return Frequency(flags, params, result);
    case kHostField: return Field(flags, params, result, argumentError);
    case kHostRunMacro: return RunMacro(flags, params, argumentError);
    default: return DISP_E_MEMBERNOTFOUND;
    }
}

HRESULT HostApplication::Frequency(WORD flags, const DISPPARAMS* params, VARIANT* result)
{
    if (!(flags & DISPATCH_PROPERTYGET))
        return DISP_E_MEMBERNOTFOUND;
    if (params && params->cArgs != 0)
        return DISP_E_BADPARAMCOUNT;
    if (result) {
        std::lock_guard<std::mutex> lock(m_mutex);
        V_VT(result) = VT_R8;
        V_R8(result) = m_frequencyHz;
    }
    return S_OK;
}

HRESULT HostApplication::Field(WORD flags, const DISPPARAMS* params, VARIANT* result, UINT* argumentError)
{
    if (!(flags & DISPATCH_METHOD))
        return DISP_E_MEMBERNOTFOUND;
    VARIANT index;
    if (const HRESULT status = OneArgument(params, VT_I4, index, argumentError); FAILED(status))
        return status;
    if (result) {
        std::string text;
        if (V_I4(&index) == kTypedCallField) {
            std::lock_guard<std::mutex> lock(m_mutex);
            text = m_typedCall;
        }
        const std::wstring wide = Wide(text);
        V_VT(result) = VT_BSTR;
        V_BSTR(result) = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
        if (!V_BSTR(result)) {
            V_VT(result) = VT_EMPTY;
            return E_OUTOFMEMORY;
        }
    }
    return S_OK;
}

HRESULT HostApplication::RunMacro(WORD flags, const DISPPARAMS* params, UINT* argumentError)
{
    if (!(flags & DISPATCH_METHOD))
        return DISP_E_MEMBERNOTFOUND;
    VARIANT text;
    if (const HRESULT status = OneArgument(params, VT_BSTR, text, argumentError); FAILED(status))
        return status;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_macros.push_back(Narrow(V_BSTR(&text)));
    }
    VariantClear(&text);
    return S_OK;
}

HostAutomation::HostAutomation()
{
    m_application.Attach(new HostApplication);
    m_registration = Register();
}

HRESULT HostAutomation::Register()
{
    const HRESULT initialized = OleInitialize(nullptr);
    if (FAILED(initialized))
        return initialized;
    m_oleInitialized = true;
    if (ProgIdClsid(m_clsid)) {
        // A host's own registration, or ours left by an earlier run: used, never rewritten.
        m_usesExistingProgId = !IsEqualCLSID(m_clsid, kHostClsid);
    } else {
        m_clsid = kHostClsid;
        std::lock_guard<std::mutex> lock(m_registryMutex);
        // The user's classes (what HKEY_CLASSES_ROOT shows on Windows), and, where COM does not
        // read those (Wine), HKEY_CLASSES_ROOT itself.
        if (const HRESULT written = WriteProgId(HKEY_CURRENT_USER, L"Software\\Classes\\", m_createdKeys);
            FAILED(written))
            return written;
        if (!ProgIdNamesOurClsid()) {
            if (const HRESULT written = WriteProgId(HKEY_CLASSES_ROOT, L"", m_createdKeys); FAILED(written))
                return written;
            if (!ProgIdNamesOurClsid())
                return CO_E_CLASSSTRING;
        }
    }
    if (ObjectRunning(m_clsid))
        return CO_E_ALREADYINITIALIZED;
    return RegisterActiveObject(m_application.Get(), m_clsid, ACTIVEOBJECT_STRONG, &m_cookie);
}

void HostAutomation::RestoreRegistry()
{
    std::lock_guard<std::mutex> lock(m_registryMutex);
    for (auto key = m_createdKeys.rbegin(); key != m_createdKeys.rend(); ++key)
        RegDeleteKeyW(key->first, key->second.c_str());
    m_createdKeys.clear();
}

HostAutomation::~HostAutomation()
{
    m_application->Close();
    if (m_cookie)
        RevokeActiveObject(m_cookie, nullptr);
    RestoreRegistry();
    m_application.Reset();
    if (m_oleInitialized)
        OleUninitialize();
}

void HostAutomation::SetTypedCall(const std::string& call) { m_application->SetTypedCall(call); }
void HostAutomation::SetFrequencyHz(double hz) { m_application->SetFrequencyHz(hz); }
void HostAutomation::SetFailing(bool failing) { m_application->SetFailing(failing); }
std::vector<std::string> HostAutomation::Macros() const { return m_application->Macros(); }
unsigned HostAutomation::Calls(DISPID id) const { return m_application->Calls(id); }

namespace {

void DispatchPendingMessages()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

// Pumps until `done` holds or the time is up, sleeping in MsgWaitForMultipleObjects on
// `handle` (if any) and this thread's messages.
bool Pump(const std::function<bool()>& done, HANDLE handle, DWORD timeoutMilliseconds)
{
    const DWORD started = GetTickCount();
    for (;;) {
        DispatchPendingMessages();
        if (done())
            return true;
        const DWORD elapsed = GetTickCount() - started;
        if (elapsed >= timeoutMilliseconds)
            return false;
        const DWORD slice = std::min(timeoutMilliseconds - elapsed, kPumpSliceMilliseconds);
        MsgWaitForMultipleObjects(handle ? 1 : 0, handle ? &handle : nullptr, FALSE, slice, QS_ALLINPUT);
    }
}

} // namespace

bool PumpMessagesUntil(const std::function<bool()>& done, DWORD timeoutMilliseconds)
{
    return Pump(done, nullptr, timeoutMilliseconds);
}

bool PumpMessagesUntilSignalled(HANDLE handle, DWORD timeoutMilliseconds)
{
    return Pump([handle] { return WaitForSingleObject(handle, 0) == WAIT_OBJECT_0; }, handle, timeoutMilliseconds);
}

void PumpMessagesFor(DWORD milliseconds)
{
    Pump([] { return false; }, nullptr, milliseconds);
}

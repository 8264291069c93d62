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

// Where the ProgID is written: the user's classes (what HKEY_CLASSES_ROOT shows on Windows),
// and, where COM does not read those (Wine), HKEY_CLASSES_ROOT itself.
struct ProgIdKey {
    HKEY root;
    const wchar_t* classes;   // the folder that holds the ProgID key, or ""
};
const ProgIdKey kUserProgId{HKEY_CURRENT_USER, L"Software\\Classes\\"};
const ProgIdKey kClassesRootProgId{HKEY_CLASSES_ROOT, L""};

// Creates `path` below `root` one folder at a time, noting each folder that is new.
LONG CreateKeyPath(HKEY root, const std::wstring& path, std::vector<std::pair<HKEY, std::wstring>>& created,
                   HKEY& key)
{
    key = nullptr;
    for (size_t end = path.find(L'\\');; end = path.find(L'\\', end + 1)) {
        const std::wstring part = path.substr(0, end);
        DWORD disposition = 0;
        HKEY opened = nullptr;
        const LONG status =
            RegCreateKeyExW(root, part.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &opened, &disposition);
        if (status != ERROR_SUCCESS)
            return status;
        if (disposition == REG_CREATED_NEW_KEY)
            created.emplace_back(root, part);
        if (end == std::wstring::npos) {
            key = opened;
            return ERROR_SUCCESS;
        }
        RegCloseKey(opened);
    }
}

HRESULT WriteProgId(const ProgIdKey& where, std::vector<std::pair<HKEY, std::wstring>>& created)
{
    wchar_t clsid[64];
    StringFromGUID2(kHostClsid, clsid, 64);
    HKEY key = nullptr;
    const std::wstring path = std::wstring(where.classes) + kHostProgId + L"\\CLSID";
    LONG status = CreateKeyPath(where.root, path, created, key);
    if (status == ERROR_SUCCESS) {
        status = RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(clsid),
                                static_cast<DWORD>((wcslen(clsid) + 1) * sizeof(wchar_t)));
        RegCloseKey(key);
    }
    return HRESULT_FROM_WIN32(status);
}

bool ProgIdClsid(CLSID& clsid)
{
    return SUCCEEDED(CLSIDFromProgID(kHostProgId, &clsid));
}

bool ProgIdNamesOurClsid()
{
    CLSID clsid{};
    return ProgIdClsid(clsid) && IsEqualCLSID(clsid, kHostClsid);
}

// True when an object already runs under `clsid`: its host is up.
bool ObjectRunning(const CLSID& clsid)
{
    IUnknown* running = nullptr;
    if (FAILED(GetActiveObject(clsid, nullptr, &running)) || !running)
        return false;
    running->Release();
    return true;
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
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const ULONG left = --references_;
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

    void SetField(int index, const std::string& text)
    {
        std::lock_guard<std::mutex> lock(mutex_);
        fields_[index] = text;
    }
    void SetFrequencyHz(double hz)
    {
        std::lock_guard<std::mutex> lock(mutex_);
        frequencyHz_ = hz;
    }
    void SetFailing(bool failing) { failing_ = failing; }
    void SetBusyMilliseconds(DWORD milliseconds) { busyMilliseconds_ = milliseconds; }
    // After Revoke: clients that still hold a proxy get failures.
    void Close() { closed_ = true; }

    std::vector<std::string> Macros() const
    {
        std::lock_guard<std::mutex> lock(mutex_);
        return macros_;
    }
    unsigned Calls(DISPID id) const
    {
        std::lock_guard<std::mutex> lock(mutex_);
        const auto found = calls_.find(id);
        return found == calls_.end() ? 0 : found->second;
    }

private:
    ~HostApplication() = default;

    HRESULT Frequency(WORD flags, const DISPPARAMS* params, VARIANT* result);
    HRESULT Field(WORD flags, const DISPPARAMS* params, VARIANT* result, UINT* argumentError);
    HRESULT RunMacro(WORD flags, const DISPPARAMS* params, UINT* argumentError);

    std::atomic<ULONG> references_{1};
    std::atomic<bool> failing_{false};
    std::atomic<bool> closed_{false};
    std::atomic<DWORD> busyMilliseconds_{0};
    mutable std::mutex mutex_;
    std::map<int, std::string> fields_;
    double frequencyHz_ = 0;
    std::vector<std::string> macros_;
    std::map<DISPID, unsigned> calls_;
};

HRESULT HostApplication::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                                EXCEPINFO* exception, UINT* argumentError)
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        ++calls_[id];
    }
    if (const DWORD busy = busyMilliseconds_)
        Sleep(busy);
    if (failing_ || closed_) {
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
        std::lock_guard<std::mutex> lock(mutex_);
        V_VT(result) = VT_R8;
        V_R8(result) = frequencyHz_;
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
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (const auto found = fields_.find(V_I4(&index)); found != fields_.end())
                text = found->second;
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
        std::lock_guard<std::mutex> lock(mutex_);
        macros_.push_back(Narrow(V_BSTR(&text)));
    }
    VariantClear(&text);
    return S_OK;
}

HostAutomation::HostAutomation() : application_(new HostApplication)
{
    registration_ = Register();
}

HRESULT HostAutomation::Register()
{
    const HRESULT initialized = OleInitialize(nullptr);
    if (FAILED(initialized))
        return initialized;
    oleInitialized_ = true;
    if (ProgIdClsid(clsid_)) {
        // A host's own registration, or ours left by an earlier run: used, never rewritten.
        usesExistingProgId_ = !IsEqualCLSID(clsid_, kHostClsid);
    } else {
        clsid_ = kHostClsid;
        std::lock_guard<std::mutex> lock(registryMutex_);
        if (const HRESULT written = WriteProgId(kUserProgId, createdKeys_); FAILED(written))
            return written;
        if (!ProgIdNamesOurClsid()) {
            if (const HRESULT written = WriteProgId(kClassesRootProgId, createdKeys_); FAILED(written))
                return written;
            if (!ProgIdNamesOurClsid())
                return CO_E_CLASSSTRING;
        }
    }
    if (ObjectRunning(clsid_))
        return CO_E_ALREADYINITIALIZED;
    return RegisterActiveObject(application_, clsid_, ACTIVEOBJECT_STRONG, &cookie_);
}

void HostAutomation::RestoreRegistry()
{
    std::lock_guard<std::mutex> lock(registryMutex_);
    for (auto key = createdKeys_.rbegin(); key != createdKeys_.rend(); ++key)
        RegDeleteKeyW(key->first, key->second.c_str());
    createdKeys_.clear();
}

HostAutomation::~HostAutomation()
{
    application_->Close();
    if (cookie_)
        RevokeActiveObject(cookie_, nullptr);
    RestoreRegistry();
    application_->Release();
    if (oleInitialized_)
        OleUninitialize();
}

void HostAutomation::SetField(int index, const std::string& text) { application_->SetField(index, text); }
void HostAutomation::SetFrequencyHz(double hz) { application_->SetFrequencyHz(hz); }
void HostAutomation::SetFailing(bool failing) { application_->SetFailing(failing); }
void HostAutomation::SetBusyMilliseconds(DWORD milliseconds) { application_->SetBusyMilliseconds(milliseconds); }
std::vector<std::string> HostAutomation::Macros() const { return application_->Macros(); }
unsigned HostAutomation::Calls(DISPID id) const { return application_->Calls(id); }

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

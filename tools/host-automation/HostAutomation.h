#pragma once
// The host's running automation object, "Kelb2.Application", published by the test host the
// way the real host publishes its own: the ProgID names a CLSID in the registry, and the object
// is in the running object table, registered on the main thread (a single-threaded apartment).
// The plug-in reaches it from its UI thread with CLSIDFromProgID, GetActiveObject and
// IDispatch::Invoke by dispatch id; those calls run on the main thread, and only while the main
// thread pumps messages (PumpMessagesUntil, PumpMessagesFor).
//
//     HostAutomation host;                       // on the test's main thread
//     host.SetTypedCall("G4ABC");
//     host.SetFrequencyHz(14080000);
//     ... start the plug-in's windows ...
//     PumpMessagesUntil([&] { return host.Calls(kHostRunMacro) > 0; }, 5000);
//     EXPECT_EQ(std::vector<std::string>{"<SP1>"}, host.Macros());
//
// Standard Win32 and COM only (no test framework), so other hosts of ours can use it too.
#include <windows.h>

#include <oaidl.h>
#include <wrl/client.h>

#include <functional>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

extern const wchar_t* const kHostProgId; // L"Kelb2.Application"
extern const CLSID kHostClsid;           // ours, written under the ProgID

// The dispatch ids the plug-in calls.
constexpr DISPID kHostFrequency = 2; // property get: the frequency in Hz, VT_R8
constexpr DISPID kHostField = 8;     // method(VT_I4 index): the field's text, VT_BSTR
constexpr DISPID kHostRunMacro = 16; // method(VT_BSTR text): runs the text as a macro
constexpr int kTypedCallField = 5;   // the field index of the call being typed

class HostApplication;

class HostAutomation {
public:
    // Initialises OLE on this thread (a single-threaded apartment) and registers the object as
    // running under the ProgID's class id. A ProgID that is already registered (a real host's)
    // is used as it is and never overwritten; otherwise ours is written to
    // HKCU\Software\Classes (and to HKEY_CLASSES_ROOT where COM does not read the user's
    // classes, as in Wine). Registration() tells how that went: CO_E_ALREADYINITIALIZED when
    // another object already runs under that class id (a host is running).
    HostAutomation();
    // Revokes the object, puts the registry back as it was and uninitialises OLE. Clients that
    // still hold the object get failures from then on.
    ~HostAutomation();
    HostAutomation(const HostAutomation&) = delete;
    HostAutomation& operator=(const HostAutomation&) = delete;

    // S_OK once the object is in the running object table, else the first failure.
    HRESULT Registration() const { return m_registration; }
    // True when the ProgID was registered before (by a host), so nothing was written.
    bool UsesExistingProgId() const { return m_usesExistingProgId; }
    // Removes the registry keys this object wrote; safe from any thread, and more than once
    // (for a console control handler that ends the process).
    void RestoreRegistry();

    // Texts are 8-bit ANSI, as the plug-in's; they cross the interface as BSTRs.
    // The call being typed, field kTypedCallField; the other fields are empty.
    void SetTypedCall(const std::string& call);
    void SetFrequencyHz(double hz);

    // Every Invoke fails with DISP_E_EXCEPTION (EXCEPINFO scode E_FAIL) while on.
    void SetFailing(bool failing);

    // The macro texts run so far, in order.
    std::vector<std::string> Macros() const;
    // How many Invoke calls with this id arrived, failed ones included.
    unsigned Calls(DISPID id) const;

private:
    HRESULT Register();

    HRESULT m_registration = E_FAIL;
    bool m_oleInitialized = false;
    bool m_usesExistingProgId = false;
    CLSID m_clsid{};
    std::mutex m_registryMutex;
    std::vector<std::pair<HKEY, std::wstring>> m_createdKeys; // deepest last
    DWORD m_cookie = 0;
    Microsoft::WRL::ComPtr<HostApplication> m_application;
};

// Dispatches this thread's messages until `done` holds (true) or the time is up (false).
// `done` is checked after every batch of messages and at least every 10 ms.
bool PumpMessagesUntil(const std::function<bool()>& done, DWORD timeoutMilliseconds);
// The same until `handle` (a thread, an event) is signalled.
bool PumpMessagesUntilSignalled(HANDLE handle, DWORD timeoutMilliseconds);
// Dispatches this thread's messages for this long.
void PumpMessagesFor(DWORD milliseconds);

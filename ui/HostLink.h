#pragma once
// The link of a UI run to the host's running automation object, "Kelb2.Application", used
// through its dispatch interface by fixed dispatch ids only. It belongs to the UI thread's COM
// apartment: the control window links when it opens, and the link goes with the window's
// object at the end of the run.
#include <oaidl.h>
#include <windows.h>
#include <wrl/client.h>

#include <stdexcept>

#include "platform/CString.h"
#include "ui/UiRun.h"

// A host call that failed or was refused; it ends the refresh that made it.
struct HostCallFailed : std::runtime_error {
    explicit HostCallFailed(HRESULT result) : std::runtime_error("host call failed"), result(result) { }
    HRESULT result;
};

class HostLink {
public:
    HostLink() = default;
    // Releases the host object and uninitialises COM on this thread.
    ~HostLink();
    HostLink(const HostLink&) = delete;
    HostLink& operator=(const HostLink&) = delete;

    // Initialises COM on this thread and looks up the running host object. Host calls still
    // waiting once `run` is closing are cancelled.
    void Link(const UiRun& run);
    // True when the host's object was found: not registered, not running or refusing gives none.
    bool Linked() const { return m_host != nullptr; }

    // The host's operating frequency in hertz (dispatch id 2).
    double GetFrequency() const;
    // A field of the host's QSO entry as text (dispatch id 8); index 5 is the call being typed.
    CString GetField(int index) const;
    // Has the host run `text` as one of its macros (dispatch id 16). Nothing without a host object.
    void RunMacro(const char* text) const;

private:
    Microsoft::WRL::ComPtr<IDispatch> m_host;
    bool m_comInitialised = false;
};

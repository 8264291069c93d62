// The test host's automation object, reached from a second thread exactly as the plug-in's UI
// thread reaches the real host's: ProgID, running object, IDispatch::Invoke by id, while the
// main thread pumps messages.
#include <windows.h>

#include <oleauto.h>
#include <wrl/client.h>

#include <string>
#include <vector>

#include "platform/win32/ScopedHandle.h"
#include "tests/wine/framework/Assertions.h"
#include "tools/host-automation/HostAutomation.h"

namespace {

constexpr DWORD kCallsTimeoutMilliseconds = 10000;

// What the plug-in's side saw of the host.
struct PluginSide {
    const char* macro = ""; // the macro text it runs
    HRESULT found = E_FAIL; // CLSIDFromProgID, GetActiveObject, QueryInterface
    HRESULT frequency = E_FAIL;
    double frequencyHz = 0;
    HRESULT typedCall = E_FAIL;
    std::string call;
    HRESULT ranMacro = E_FAIL;
    HRESULT unknownId = S_OK;
    HRESULT namesLookup = S_OK;
};

HRESULT InvokeById(IDispatch& host, DISPID id, WORD flags, VARIANT* argument, VARIANT& result)
{
    DISPPARAMS params{argument, nullptr, argument ? 1u : 0u, 0};
    EXCEPINFO exception{};
    UINT argumentError = 0;
    VariantInit(&result);
    const HRESULT status =
        host.Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, &result, &exception, &argumentError);
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrHelpFile);
    return status;
}

void CallTheHost(IDispatch& host, PluginSide& side)
{
    VARIANT result;
    side.frequency = InvokeById(host, kHostFrequency, DISPATCH_PROPERTYGET, nullptr, result);
    if (V_VT(&result) == VT_R8)
        side.frequencyHz = V_R8(&result);
    VariantClear(&result);

    VARIANT index;
    V_VT(&index) = VT_I4;
    V_I4(&index) = kTypedCallField;
    side.typedCall = InvokeById(host, kHostField, DISPATCH_METHOD, &index, result);
    if (V_VT(&result) == VT_BSTR) {
        const std::wstring wide(V_BSTR(&result), SysStringLen(V_BSTR(&result)));
        side.call.assign(wide.begin(), wide.end()); // ASCII calls only in this test
    }
    VariantClear(&result);

    VARIANT macro;
    V_VT(&macro) = VT_BSTR;
    const std::wstring wideMacro(side.macro, side.macro + std::char_traits<char>::length(side.macro));
    V_BSTR(&macro) = SysAllocString(wideMacro.c_str());
    side.ranMacro = InvokeById(host, kHostRunMacro, DISPATCH_METHOD, &macro, result);
    VariantClear(&macro);
    VariantClear(&result);

    side.unknownId = InvokeById(host, 3, DISPATCH_METHOD, nullptr, result);
    VariantClear(&result);
    LPOLESTR name = const_cast<LPOLESTR>(L"Frequency");
    DISPID id = 0;
    side.namesLookup = host.GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &id);
}

DWORD WINAPI PluginThread(void* parameter)
{
    PluginSide& side = *static_cast<PluginSide*>(parameter);
    if (FAILED(CoInitialize(nullptr)))
        return 1;
    {
        CLSID clsid{};
        Microsoft::WRL::ComPtr<IUnknown> unknown;
        Microsoft::WRL::ComPtr<IDispatch> host;
        side.found = CLSIDFromProgID(kHostProgId, &clsid);
        if (SUCCEEDED(side.found))
            side.found = GetActiveObject(clsid, nullptr, &unknown);
        if (SUCCEEDED(side.found))
            side.found = unknown.As(&host);
        if (SUCCEEDED(side.found))
            CallTheHost(*host.Get(), side);
    }
    CoUninitialize();
    return 0;
}

// Runs the plug-in's calls on a thread of their own while this thread pumps messages.
PluginSide CallFromAnotherThread(const char* macro)
{
    // On the heap: a thread that never returns keeps using it after the test has ended.
    auto* side = new PluginSide;
    side->macro = macro;
    const ScopedHandle thread(CreateThread(nullptr, 0, PluginThread, side, 0, nullptr));
    if (!thread)
        ABORT_TEST("cannot start the plug-in's thread");
    if (!PumpMessagesUntilSignalled(thread.Get(), kCallsTimeoutMilliseconds))
        ABORT_TEST("the calls did not return while the main thread pumped");
    const PluginSide seen = *side;
    delete side;
    return seen;
}

} // namespace

TEST(HostAutomation, ThePluginsCallsReachTheObjectWhileTheMainThreadPumps)
{
    HostAutomation host;
    ASSERT_HRESULT_SUCCEEDED(host.Registration());
    host.SetTypedCall("G4ABC");
    host.SetFrequencyHz(14080000);

    const PluginSide first = CallFromAnotherThread("<MODE:RTTY>");
    ASSERT_HRESULT_SUCCEEDED(first.found);
    EXPECT_HRESULT_SUCCEEDED(first.frequency);
    EXPECT_EQ(14080000.0, first.frequencyHz);
    EXPECT_HRESULT_SUCCEEDED(first.typedCall);
    EXPECT_EQ("G4ABC", first.call);
    EXPECT_HRESULT_SUCCEEDED(first.ranMacro);
    EXPECT_EQ(DISP_E_MEMBERNOTFOUND, first.unknownId);
    EXPECT_EQ(E_NOTIMPL, first.namesLookup);

    host.SetTypedCall("");
    const PluginSide second = CallFromAnotherThread("<SP1>");
    EXPECT_EQ("", second.call);
    EXPECT_EQ((std::vector<std::string>{"<MODE:RTTY>", "<SP1>"}), host.Macros());
    EXPECT_EQ(2u, host.Calls(kHostFrequency));
    EXPECT_EQ(2u, host.Calls(kHostField));
    EXPECT_EQ(2u, host.Calls(kHostRunMacro));
}

TEST(HostAutomation, TheErrorSwitchFailsEveryCallAndTheObjectStaysUsable)
{
    HostAutomation host;
    ASSERT_HRESULT_SUCCEEDED(host.Registration());
    host.SetTypedCall("G4ABC");

    host.SetFailing(true);
    const PluginSide failing = CallFromAnotherThread("<SP1>");
    ASSERT_HRESULT_SUCCEEDED(failing.found);
    EXPECT_HRESULT_FAILED(failing.frequency);
    EXPECT_HRESULT_FAILED(failing.typedCall);
    EXPECT_HRESULT_FAILED(failing.ranMacro);
    EXPECT_HRESULT_FAILED(failing.unknownId);
    EXPECT_TRUE(host.Macros().empty());

    host.SetFailing(false);
    const PluginSide working = CallFromAnotherThread("<SP2>");
    EXPECT_HRESULT_SUCCEEDED(working.typedCall);
    EXPECT_EQ("G4ABC", working.call);
    EXPECT_EQ(std::vector<std::string>{"<SP2>"}, host.Macros());
}

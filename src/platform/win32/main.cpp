#include <windows.h>

#include <objbase.h>

#include "model/wide_text.h"
#include "platform/win32/win32_platform.h"
#include "ui/start/application.h"
#include "ui/start/start_layout.h"

namespace {

// Declared through the API rather than a manifest, which the program does not carry. Looked up
// at run time: SetProcessDpiAwarenessContext needs Windows 10, SetProcessDPIAware Vista.
void declareDpiAwareness() {
    using SetContextFunction = BOOL(WINAPI*)(HANDLE);
    const auto setContext = reinterpret_cast<SetContextFunction>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetProcessDpiAwarenessContext")));
    // DPI_AWARENESS_CONTEXT_SYSTEM_AWARE: one DPI for every window, which is all the layouts need.
    const auto systemAware = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-2));
    if (setContext != nullptr && setContext(systemAware)) return;
    SetProcessDPIAware();
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    declareDpiAwareness();
    // The shell's folder browser needs COM on this thread.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);

    qx::win32::Win32Platform platform(instance);
    if (!platform.ready()) {
        MessageBoxW(nullptr, L"The windows of the program could not be registered with the system.",
                    qx::widen(qx::kApplicationTitle).c_str(), MB_OK);
        return 1;
    }
    qx::Application application(platform);
    application.start();
    const int status = platform.run();
    if (SUCCEEDED(com)) CoUninitialize();
    return status;
}

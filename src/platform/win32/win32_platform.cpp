#include "platform/win32/win32_platform.h"

#include <cmath>

#include "model/wide_text.h"
#include "platform/win32/folder_browser.h"
#include "platform/win32/picture_box.h"
#include "platform/win32/twips.h"
#include "ui/start/start_layout.h"
#include "ui/window_controller.h"

namespace qx::win32 {
namespace {

// Keys that the dialog manager keeps for itself, so that no WM_CHAR of theirs ever reaches the
// loop, with the character each would have typed.
struct DialogKey {
    WPARAM virtualKey;
    int characterCode;
};
constexpr DialogKey kDialogKeys[] = {{VK_ESCAPE, 27}, {VK_RETURN, 13}};

// Window positions that the window manager can hold; a drag that would go beyond them leaves the
// window where it is.
constexpr double kScreenLimit = 32767;

std::optional<int> screenPixels(float twips, unsigned dpi) {
    const double pixels = static_cast<double>(twips) * dpi / kTwipsPerInch;
    if (!(std::fabs(pixels) <= kScreenLimit)) return std::nullopt;
    return static_cast<int>(std::lround(pixels));
}

}  // namespace

Win32Platform::Win32Platform(HINSTANCE instance) : instance_(instance) {
    ready_ = NativeWindow::registerWindowClass(instance) && registerPictureBoxClass(instance);
}

Win32Platform::~Win32Platform() = default;

int Win32Platform::run() {
    MSG message;
    BOOL got = 0;
    while ((got = GetMessageW(&message, nullptr, 0, 0)) > 0) {
        previewKey(message);
        const WindowController* controller = controllerOf(message.hwnd);
        const auto found = windows_.find(controller);
        HWND dialog = found != windows_.end() ? found->second->handle() : nullptr;
        if (dialog == nullptr || !IsDialogMessageW(dialog, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        unloaded_.clear();
    }
    return got < 0 ? 1 : static_cast<int>(message.wParam);
}

void Win32Platform::previewKey(const MSG& message) {
    WindowController* controller = controllerOf(message.hwnd);
    if (controller == nullptr) return;
    if (message.message == WM_CHAR) {
        controller->keyPress(static_cast<int>(message.wParam));
        return;
    }
    if (message.message != WM_KEYDOWN) return;
    for (const DialogKey& key : kDialogKeys) {
        if (message.wParam != key.virtualKey) continue;
        // A control that asks for the key gets it, and its WM_CHAR comes through the loop later.
        const LRESULT wanted = SendMessageW(message.hwnd, WM_GETDLGCODE, message.wParam,
                                            reinterpret_cast<LPARAM>(&message));
        if ((wanted & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE)) == 0) controller->keyPress(key.characterCode);
    }
}

WindowController* Win32Platform::controllerOf(HWND handle) const {
    if (handle == nullptr) return nullptr;
    HWND root = GetAncestor(handle, GA_ROOT);
    for (const auto& [controller, window] : windows_) {
        if (window->handle() == root) return const_cast<WindowController*>(controller);
    }
    return nullptr;
}

NativeWindow* Win32Platform::nativeWindow(WindowController& window) {
    auto found = windows_.find(&window);
    if (found != windows_.end()) return found->second.get();
    std::unique_ptr<NativeWindow> created = NativeWindow::create(window, palette_, instance_);
    if (!created) return nullptr;
    return windows_.emplace(&window, std::move(created)).first->second.get();
}

void Win32Platform::showMessage(std::string_view prompt) {
    HWND active = GetActiveWindow();
    const std::wstring text = widen(prompt);
    const std::wstring caption = widen(kApplicationTitle);
    MessageBoxW(controllerOf(active) != nullptr ? active : nullptr, text.c_str(), caption.c_str(), MB_OK);
}

std::optional<std::string> Win32Platform::browseForFolder(WindowController& owner, std::string_view title) {
    NativeWindow* window = nativeWindow(owner);
    return win32::browseForFolder(window != nullptr ? window->handle() : nullptr, title);
}

void Win32Platform::showWindow(WindowController& window) {
    NativeWindow* native = nativeWindow(window);
    if (native == nullptr) return;
    ShowWindow(native->handle(), SW_SHOW);
    SetForegroundWindow(native->handle());
}

void Win32Platform::hideWindow(WindowController& window) {
    if (NativeWindow* native = nativeWindow(window); native != nullptr) ShowWindow(native->handle(), SW_HIDE);
}

void Win32Platform::unloadWindow(WindowController& window) {
    auto found = windows_.find(&window);
    if (found == windows_.end()) return;
    found->second->destroy();
    unloaded_.push_back(std::move(found->second));
    windows_.erase(found);
}

WindowPosition Win32Platform::windowPosition(const WindowController& window) {
    // Only a drag asks, and a drag needs a window on the screen.
    const auto found = windows_.find(&window);
    if (found == windows_.end()) return {};
    RECT outer;
    GetWindowRect(found->second->handle(), &outer);
    const unsigned dpi = windowDpi(found->second->handle());
    return {pixelsToTwips(outer.left, dpi), pixelsToTwips(outer.top, dpi)};
}

void Win32Platform::moveWindow(WindowController& window, WindowPosition position) {
    NativeWindow* native = nativeWindow(window);
    if (native == nullptr) return;
    const unsigned dpi = windowDpi(native->handle());
    const std::optional<int> left = screenPixels(position.left, dpi);
    const std::optional<int> top = screenPixels(position.top, dpi);
    if (!left || !top) return;
    SetWindowPos(native->handle(), nullptr, *left, *top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Platform::endProgram() {
    // At once, from inside the handler: no window is closed or destroyed first, so none of
    // their closing code runs.
    ExitProcess(0);
}

}  // namespace qx::win32

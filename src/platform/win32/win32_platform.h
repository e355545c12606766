#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <vector>

#include "platform/win32/colours.h"
#include "platform/win32/native_window.h"
#include "ui/platform.h"

namespace qx::win32 {

// The platform of the window controllers on Windows: real windows, the system's message box
// and the shell's folder browser, and the message loop with the windows' keyboard preview.
class Win32Platform : public Platform {
public:
    explicit Win32Platform(HINSTANCE instance);
    ~Win32Platform() override;

    // False if the window classes could not be registered; nothing can be shown then.
    bool ready() const { return ready_; }

    // Runs the message loop; it ends only with the program.
    int run();

    void showMessage(std::string_view prompt) override;
    std::optional<std::string> browseForFolder(WindowController& owner, std::string_view title) override;
    void showWindow(WindowController& window) override;
    void hideWindow(WindowController& window) override;
    void unloadWindow(WindowController& window) override;
    WindowPosition windowPosition(const WindowController& window) override;
    void moveWindow(WindowController& window, WindowPosition position) override;
    void endProgram() override;

private:
    // The real window of a controller, created on first need; nullptr if the system refused it.
    NativeWindow* nativeWindow(WindowController& window);
    // The controller whose window holds `handle`, for the keyboard preview.
    WindowController* controllerOf(HWND handle) const;
    void previewKey(const MSG& message);

    HINSTANCE instance_;
    bool ready_ = false;
    Palette palette_;
    std::map<const WindowController*, std::unique_ptr<NativeWindow>> windows_;
    // Unloaded windows whose message handlers may still be running; let go of between messages.
    std::vector<std::unique_ptr<NativeWindow>> unloaded_;
};

}  // namespace qx::win32

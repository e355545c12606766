#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qx {

class WindowController;

// A window's top-left corner on the screen, in twips.
struct WindowPosition {
    float left = 0;
    float top = 0;
    bool operator==(const WindowPosition&) const = default;
};

// What the controllers need from the outside world, and nothing more. Each front-end
// implements it with real windows; HeadlessPlatform implements it for tests and tools.
class Platform {
public:
    virtual ~Platform() = default;

    // A modal message box with the prompt, one OK button and the application title as its
    // caption; returns when the user has closed it.
    virtual void showMessage(std::string_view prompt) = 0;

    // The folder browser, modal to `owner`: the chosen file-system folder as the system
    // spells it, or none when the user cancels or picks something that is not a folder.
    virtual std::optional<std::string> browseForFolder(WindowController& owner, std::string_view title) = 0;

    // Show (modeless, no owner), hide and unload a window. The front-end creates the real
    // window on first need, taking geometry from the layout and state from the model.
    virtual void showWindow(WindowController& window) = 0;
    virtual void hideWindow(WindowController& window) = 0;
    virtual void unloadWindow(WindowController& window) = 0;

    virtual WindowPosition windowPosition(const WindowController& window) = 0;
    virtual void moveWindow(WindowController& window, WindowPosition position) = 0;

    // Ends the program at once: no window's closing code runs and nothing is saved.
    virtual void endProgram() = 0;
};

}  // namespace qx

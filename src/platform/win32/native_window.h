#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/win32/colours.h"
#include "platform/win32/fonts.h"
#include "ui/window_controller.h"

namespace qx::win32 {

// The real window of one window controller: built from the layout with the model's current
// state, kept in step with the model, and the source of the controller's events. It holds no
// behaviour of its own.
class NativeWindow : public WindowObserver {
public:
    static bool registerWindowClass(HINSTANCE instance);

    // The window, hidden, with every control of the layout; nullptr if the system refused it.
    static std::unique_ptr<NativeWindow> create(WindowController& controller, Palette& palette, HINSTANCE instance);
    ~NativeWindow() override;
    NativeWindow(const NativeWindow&) = delete;
    NativeWindow& operator=(const NativeWindow&) = delete;

    HWND handle() const { return window_; }

    // Destroys the real window and lets go of the controller, which is not touched again.
    void destroy();

    void controlChanged(const Control& control) override;
    void captionChanged(std::string_view caption) override;

private:
    NativeWindow(WindowController& controller, Palette& palette) : controller_(&controller), palette_(palette) {}

    static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    bool build(HINSTANCE instance);
    std::optional<std::size_t> controlIndex(HWND handle) const;
    void command(int code, HWND from);
    LRESULT controlColours(UINT message, HDC dc, HWND from);
    void mouseButtonDown(int button, WPARAM wParam, LPARAM lParam);
    void mouseMoved(WPARAM wParam, LPARAM lParam);
    void activated(bool active);

    WindowController* controller_;
    Palette& palette_;
    HWND window_ = nullptr;
    unsigned dpi_ = 96;
    std::unique_ptr<FontSet> fonts_;
    std::vector<HWND> controls_;                     // parallel to the model's controls
    std::vector<std::vector<std::string>> shownItems_;  // what each selector's list holds
    HWND focus_ = nullptr;                           // the control that had the focus when the window lost it
    bool mirroring_ = false;                         // set while model changes are written to the controls
};

}  // namespace qx::win32

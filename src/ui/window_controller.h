#pragma once

#include <string>
#include <string_view>

#include "ui/platform.h"
#include "ui/window_model.h"

namespace qx {

inline constexpr int kLeftButton = 1;
inline constexpr int kEscapeKey = 27;

// What both windows do alike: receive the front-end's events, drag by the bare surface,
// and end the program on Escape. Each window adds its own steps.
class WindowController {
public:
    virtual ~WindowController() = default;
    WindowController(const WindowController&) = delete;
    WindowController& operator=(const WindowController&) = delete;

    WindowModel& model() { return model_; }
    const WindowModel& model() const { return model_; }

    // The item at `index` of a selector's list was picked, by mouse or arrow keys: the
    // selector's text becomes that item and the selector's step runs. Typing, or text set by
    // code, never comes here.
    void itemChosen(std::string_view control, std::size_t index);
    // Picks the first item of that text, as a user would; false if the list lacks it.
    bool pickItem(std::string_view control, std::string_view item);
    virtual void clicked(std::string_view control) { static_cast<void>(control); }
    // Text edited by the user in a field or in a selector's edit part.
    void textEdited(std::string_view control, std::string text);

    // Pointer events on the bare window surface: the buttons held (1 left, 2 right,
    // 4 middle), the shift state and the position in twips from the client area's corner.
    void mouseDown(int button, int shift, float x, float y);
    void mouseMove(int button, int shift, float x, float y);

    // A key press, seen by the window before the control that has the focus.
    void keyPress(int characterCode);

    float dragStartX() const { return DragStartX; }
    float dragStartY() const { return DragStartY; }

protected:
    WindowController(const WindowLayout& layout, Platform& platform) : model_(layout), platform_(platform) {}

    // The step of a selector whose item was picked.
    virtual void selectorStep(std::string_view control) { static_cast<void>(control); }
    // Runs after the user changed a control's text.
    virtual void textChanged(std::string_view control) { static_cast<void>(control); }

    WindowModel model_;
    Platform& platform_;

private:
    float DragStartX = 0;
    float DragStartY = 0;
};

}  // namespace qx

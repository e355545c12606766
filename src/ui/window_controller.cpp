#include "ui/window_controller.h"

#include <cmath>

namespace qx {

void WindowController::textEdited(std::string_view control, std::string text) {
    if (model_.text(control) == text) return;
    model_.takeUserText(control, std::move(text));
    textChanged(control);
}

void WindowController::itemChosen(std::string_view control, std::size_t index) {
    const std::vector<std::string>& items = model_.control(control).items;
    if (index >= items.size()) return;
    model_.takeUserText(control, items[index]);
    selectorStep(control);
}

bool WindowController::pickItem(std::string_view control, std::string_view item) {
    const std::vector<std::string>& items = model_.control(control).items;
    for (std::size_t index = 0; index < items.size(); ++index) {
        if (items[index] == item) {
            itemChosen(control, index);
            return true;
        }
    }
    return false;
}

void WindowController::mouseDown(int button, int shift, float x, float y) {
    static_cast<void>(button);
    static_cast<void>(shift);
    DragStartX = x;
    DragStartY = y;
}

void WindowController::mouseMove(int button, int shift, float x, float y) {
    static_cast<void>(shift);
    if (button != kLeftButton) return;
    const WindowPosition now = platform_.windowPosition(*this);
    const auto follow = [](float corner, float pointer, float start) {
        return static_cast<float>((static_cast<double>(corner) + pointer) - start);
    };
    const WindowPosition next{follow(now.left, x, DragStartX), follow(now.top, y, DragStartY)};
    // A position that overflowed or is not a number would throw the window off the screen.
    if (!std::isfinite(next.left) || !std::isfinite(next.top)) return;
    platform_.moveWindow(*this, next);
}

void WindowController::keyPress(int characterCode) {
    if (!model_.keyPreview()) return;
    if (characterCode == kEscapeKey) platform_.endProgram();
}

}  // namespace qx

#pragma once

#include <windows.h>

#include <cstddef>
#include <vector>

#include "ui/window_model.h"

namespace qx::win32 {

// The order in which a window's controls are created, as indexes into its model's controls.
// A frame comes before what it holds; inside one container the controls follow their tab
// indexes, which makes the dialog manager's Tab key walk them in that order. A frame stands in
// that order where its first control that takes the focus stands (as the layout shows them),
// so that Tab moves through the window by tab index even where frames interleave; labels go
// beneath the other controls of their container, as drawn-on captions do.
std::vector<std::size_t> creationOrder(const WindowModel& window);

// Creates the real control of one model control inside `container` (the window or a frame), at
// its layout position converted with `dpi`, with the model's current text, items and flags.
HWND createControl(HWND container, const Control& control, int id, unsigned dpi, HFONT font);

// Sets a selector's list to the model's items.
void setSelectorItems(HWND selector, const std::vector<std::string>& items);

// Whether the dialog manager may give the control the focus, flags allowing.
bool takesFocus(ControlKind kind);

}  // namespace qx::win32

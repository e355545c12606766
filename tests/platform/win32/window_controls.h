#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "ui/layout.h"

namespace qx::test::win32 {

// Reading another process's windows. A control is found the way a user finds it: at the place
// that its layout row gives it, converted to pixels with the screen's DPI.

int pixels(int twips);

// The control of a layout row in `window`: the topmost child at the middle of the row's place,
// looked up inside its frame. Throws when no control of the row's kind is there.
HWND controlOf(HWND window, const WindowLayout& layout, std::string_view name);

// The row's place in its container's client area, in pixels.
RECT layoutRect(const ControlLayout& row);
// The point of a row's place that lies `offsetX`, `offsetY` pixels into it, on the screen.
POINT screenPointOf(HWND window, const WindowLayout& layout, std::string_view name, int offsetX, int offsetY);

std::wstring classOf(HWND control);
std::string textOf(HWND control);  // WM_GETTEXT, in UTF-8
std::vector<std::string> itemsOf(HWND selector);
bool isShown(HWND control);  // visible, it and its containers
bool isEnabled(HWND control);
// The control that has the keyboard focus in the program's user-interface thread.
HWND focusOf(DWORD threadId);
// A window's outer top-left corner on the screen.
POINT cornerOf(HWND window);

}  // namespace qx::test::win32

#pragma once

#include <windows.h>

namespace qx::win32 {

// The window class of the layout's picture box: it shows the registered-trademark picture
// unscaled from its top-left corner, cut off at the box's edges, and keeps mouse presses to
// itself so that they never start a window drag.
inline constexpr wchar_t kPictureBoxClass[] = L"QX410PictureBox";

bool registerPictureBoxClass(HINSTANCE instance);

}  // namespace qx::win32

#pragma once

#include <windows.h>

namespace qx::win32 {

// Layouts measure in twips, 1440 to the inch; the screen in pixels, `dpi` to the inch.
inline constexpr int kTwipsPerInch = 1440;

int twipsToPixels(double twips, unsigned dpi);
float pixelsToTwips(int pixels, unsigned dpi);

// The dots per inch that a window's pixels are measured in: the window's own where the
// system knows it (Windows 10), else the screen's.
unsigned windowDpi(HWND window);

}  // namespace qx::win32

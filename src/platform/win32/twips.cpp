#include "platform/win32/twips.h"

#include <cmath>

namespace qx::win32 {

int twipsToPixels(double twips, unsigned dpi) {
    return static_cast<int>(std::lround(twips * dpi / kTwipsPerInch));
}

float pixelsToTwips(int pixels, unsigned dpi) {
    return static_cast<float>(static_cast<double>(pixels) * kTwipsPerInch / dpi);
}

unsigned windowDpi(HWND window) {
    using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
    // Looked up at run time: Windows 7 and 8 have no GetDpiForWindow and would refuse to load
    // a program that imports it.
    static const auto getDpiForWindow = reinterpret_cast<GetDpiForWindowFunction>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    if (getDpiForWindow != nullptr && window != nullptr) {
        if (const UINT dpi = getDpiForWindow(window); dpi != 0) return dpi;
    }
    HDC screen = GetDC(nullptr);
    const int dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
    if (screen != nullptr) ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<unsigned>(dpi) : 96U;
}

}  // namespace qx::win32

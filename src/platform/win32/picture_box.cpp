#include "platform/win32/picture_box.h"

#include <ocidl.h>
#include <olectl.h>

#include <cstring>

#include "platform/win32/registered_mark.h"
#include "platform/win32/twips.h"

namespace qx::win32 {
namespace {

constexpr int kHimetricPerInch = 2540;

// Decoded once, on first paint, by the system's own picture loader; nullptr if it could not
// read the bytes, in which case the box stays empty.
IPicture* registeredMarkPicture() {
    static IPicture* const picture = [] {
        const std::span<const unsigned char> jpeg = registeredMarkJpeg();
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, jpeg.size());
        if (memory == nullptr) return static_cast<IPicture*>(nullptr);
        if (void* bytes = GlobalLock(memory); bytes != nullptr) {
            std::memcpy(bytes, jpeg.data(), jpeg.size());
            GlobalUnlock(memory);
        }
        IStream* stream = nullptr;
        if (FAILED(CreateStreamOnHGlobal(memory, TRUE, &stream))) {
            GlobalFree(memory);
            return static_cast<IPicture*>(nullptr);
        }
        void* loaded = nullptr;
        const HRESULT result =
            OleLoadPicture(stream, static_cast<LONG>(jpeg.size()), FALSE, IID_IPicture, &loaded);
        stream->Release();
        return SUCCEEDED(result) ? static_cast<IPicture*>(loaded) : nullptr;
    }();
    return picture;
}

void paint(HWND box) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(box, &paint);
    if (IPicture* picture = registeredMarkPicture(); picture != nullptr) {
        OLE_XSIZE_HIMETRIC width = 0;
        OLE_YSIZE_HIMETRIC height = 0;
        picture->get_Width(&width);
        picture->get_Height(&height);
        const unsigned dpi = windowDpi(box);
        // The picture's own size on this screen; the box's client area clips what lies beyond.
        const int pixelWidth = MulDiv(width, static_cast<int>(dpi), kHimetricPerInch);
        const int pixelHeight = MulDiv(height, static_cast<int>(dpi), kHimetricPerInch);
        // HIMETRIC runs upwards, so the source starts at the bottom edge with a negative height.
        picture->Render(dc, 0, 0, pixelWidth, pixelHeight, 0, height, width, -height, nullptr);
    }
    EndPaint(box, &paint);
}

LRESULT CALLBACK pictureBoxProcedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            paint(box);
            return 0;
        default:
            return DefWindowProcW(box, message, wParam, lParam);
    }
}

}  // namespace

bool registerPictureBoxClass(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = pictureBoxProcedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = kPictureBoxClass;
    return RegisterClassExW(&windowClass) != 0;
}

}  // namespace qx::win32

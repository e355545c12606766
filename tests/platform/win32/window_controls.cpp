#include "window_controls.h"

#include <cmath>
#include <stdexcept>

#include "model/wide_text.h"

namespace qx::test::win32 {
namespace {

constexpr UINT kAnswerWithin = 10'000;  // ms for another process to answer one message

int screenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

const wchar_t* classFor(ControlKind kind) {
    switch (kind) {
        case ControlKind::Frame:
        case ControlKind::Button: return L"Button";
        case ControlKind::Label: return L"Static";
        case ControlKind::TextField: return L"Edit";
        case ControlKind::Selector: return L"ComboBox";
        case ControlKind::PictureBox: return L"QX410PictureBox";
    }
    return L"";
}

LRESULT ask(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutW(control, message, wParam, lParam, SMTO_ABORTIFHUNG, kAnswerWithin, &answer)) {
        throw std::runtime_error("the program did not answer message " + std::to_string(message));
    }
    return static_cast<LRESULT>(answer);
}

const ControlLayout& rowOf(const WindowLayout& layout, std::string_view name) {
    const ControlLayout* row = findControlLayout(layout, name);
    if (row == nullptr) throw std::logic_error("the layout has no control " + std::string(name));
    return *row;
}

HWND containerOf(HWND window, const WindowLayout& layout, const ControlLayout& row) {
    return row.parent.empty() ? window : controlOf(window, layout, row.parent);
}

}  // namespace

int pixels(int twips) { return static_cast<int>(std::lround(twips * static_cast<double>(screenDpi()) / 1440.0)); }

RECT layoutRect(const ControlLayout& row) {
    const int left = pixels(row.left);
    const int top = pixels(row.top);
    return {left, top, left + pixels(row.width), top + pixels(row.height)};
}

HWND controlOf(HWND window, const WindowLayout& layout, std::string_view name) {
    const ControlLayout& row = rowOf(layout, name);
    HWND container = containerOf(window, layout, row);
    const RECT place = layoutRect(row);
    // A selector's place is taller than the field the system draws for it: aim at its upper part.
    const int down = row.kind == ControlKind::Selector ? pixels(row.height) / 3 : pixels(row.height) / 2;
    const POINT middle{place.left + pixels(row.width) / 2, place.top + down};
    HWND found = ChildWindowFromPointEx(container, middle, CWP_ALL);
    if (found == nullptr || found == container || classOf(found) != classFor(row.kind)) {
        throw std::runtime_error("no " + narrow(classFor(row.kind)) + " control where the layout puts " +
                                 std::string(name) + (found != nullptr ? ", but a " + narrow(classOf(found)) : ""));
    }
    return found;
}

POINT screenPointOf(HWND window, const WindowLayout& layout, std::string_view name, int offsetX, int offsetY) {
    const ControlLayout& row = rowOf(layout, name);
    HWND container = containerOf(window, layout, row);
    const RECT place = layoutRect(row);
    POINT point{place.left + offsetX, place.top + offsetY};
    ClientToScreen(container, &point);
    return point;
}

std::wstring classOf(HWND control) {
    wchar_t name[64] = {};
    GetClassNameW(control, name, 64);
    return name;
}

std::string textOf(HWND control) {
    const auto length = static_cast<std::size_t>(ask(control, WM_GETTEXTLENGTH, 0, 0));
    std::wstring text(length + 1, L'\0');
    const auto copied =
        static_cast<std::size_t>(ask(control, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data())));
    text.resize(std::min(copied, length));
    return narrow(text);
}

std::vector<std::string> itemsOf(HWND selector) {
    std::vector<std::string> items;
    const LRESULT count = ask(selector, CB_GETCOUNT, 0, 0);
    for (LRESULT index = 0; index < count; ++index) {
        const LRESULT length = ask(selector, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
        std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
        ask(selector, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
        text.resize(static_cast<std::size_t>(length));
        items.push_back(narrow(text));
    }
    return items;
}

bool isShown(HWND control) { return IsWindowVisible(control) != FALSE; }

bool isEnabled(HWND control) { return IsWindowEnabled(control) != FALSE; }

HWND focusOf(DWORD threadId) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(threadId, &info)) return nullptr;
    return info.hwndFocus;
}

POINT cornerOf(HWND window) {
    RECT outer{};
    GetWindowRect(window, &outer);
    return {outer.left, outer.top};
}

}  // namespace qx::test::win32

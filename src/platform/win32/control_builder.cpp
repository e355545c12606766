#include "platform/win32/control_builder.h"

#include <algorithm>
#include <array>
#include <limits>

#include "model/wide_text.h"
#include "platform/win32/picture_box.h"
#include "platform/win32/twips.h"

namespace qx::win32 {
namespace {

struct ControlClass {
    ControlKind kind;
    const wchar_t* className;
    DWORD style;
    DWORD extendedStyle;
};

// Every control kind of the layouts as a Win32 control. Frames hold their controls as child
// windows, so a frame's controls are placed, clipped and hidden with it.
constexpr std::array<ControlClass, 6> kControlClasses{{
    {ControlKind::Frame, L"BUTTON", BS_GROUPBOX, WS_EX_CONTROLPARENT},
    {ControlKind::Label, L"STATIC", SS_LEFT | SS_NOTIFY | SS_NOPREFIX, 0},
    {ControlKind::TextField, L"EDIT", ES_LEFT | ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE},
    {ControlKind::Selector, L"COMBOBOX", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP, 0},
    {ControlKind::Button, L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0},
    {ControlKind::PictureBox, kPictureBoxClass, 0, 0},
}};

const ControlClass& controlClass(ControlKind kind) {
    return *std::find_if(kControlClasses.begin(), kControlClasses.end(),
                         [kind](const ControlClass& entry) { return entry.kind == kind; });
}

// A selector's window height covers its drop-down list as well: this many of the field's
// heights below the field.
constexpr int kDropDownRows = 10;

bool focusableInLayout(const ControlLayout& row) { return takesFocus(row.kind) && row.visible && row.enabled; }

int tabKey(const WindowModel& window, const ControlLayout& row) {
    if (row.kind != ControlKind::Frame) return row.tabIndex;
    int first = std::numeric_limits<int>::max();
    for (const Control& control : window.controls()) {
        const ControlLayout& inside = *control.layout;
        if (inside.parent != row.name) continue;
        if (inside.kind == ControlKind::Frame || focusableInLayout(inside)) first = std::min(first, tabKey(window, inside));
    }
    return first == std::numeric_limits<int>::max() ? row.tabIndex : first;
}

void appendContents(const WindowModel& window, std::string_view container, std::vector<std::size_t>& order) {
    std::vector<std::size_t> contents;
    const std::vector<Control>& controls = window.controls();
    for (std::size_t index = 0; index < controls.size(); ++index) {
        if (controls[index].layout->parent == container) contents.push_back(index);
    }
    std::stable_sort(contents.begin(), contents.end(), [&](std::size_t a, std::size_t b) {
        const ControlLayout& left = *controls[a].layout;
        const ControlLayout& right = *controls[b].layout;
        const bool leftIsLabel = left.kind == ControlKind::Label;
        const bool rightIsLabel = right.kind == ControlKind::Label;
        if (leftIsLabel != rightIsLabel) return rightIsLabel;
        return tabKey(window, left) < tabKey(window, right);
    });
    for (std::size_t index : contents) {
        order.push_back(index);
        if (controls[index].kind() == ControlKind::Frame) appendContents(window, controls[index].name(), order);
    }
}

}  // namespace

bool takesFocus(ControlKind kind) {
    return kind == ControlKind::TextField || kind == ControlKind::Selector || kind == ControlKind::Button;
}

std::vector<std::size_t> creationOrder(const WindowModel& window) {
    std::vector<std::size_t> order;
    order.reserve(window.controls().size());
    appendContents(window, "", order);
    return order;
}

void setSelectorItems(HWND selector, const std::vector<std::string>& items) {
    SendMessageW(selector, CB_RESETCONTENT, 0, 0);
    for (const std::string& item : items) {
        const std::wstring text = widen(item);
        SendMessageW(selector, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
}

HWND createControl(HWND container, const Control& control, int id, unsigned dpi, HFONT font) {
    const ControlLayout& row = *control.layout;
    const ControlClass& kind = controlClass(row.kind);
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | kind.style;
    if (control.visible) style |= WS_VISIBLE;
    if (!control.enabled) style |= WS_DISABLED;
    const int height = twipsToPixels(row.height, dpi);
    const int windowHeight = row.kind == ControlKind::Selector ? height * (1 + kDropDownRows) : height;
    HWND handle = CreateWindowExW(kind.extendedStyle, kind.className, L"", style, twipsToPixels(row.left, dpi),
                                  twipsToPixels(row.top, dpi), twipsToPixels(row.width, dpi), windowHeight,
                                  container, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                  reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(container, GWLP_HINSTANCE)),
                                  nullptr);
    if (handle == nullptr) return nullptr;
    // Stacked in creation order, whatever the system's own habit for new child windows.
    SetWindowPos(handle, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (font != nullptr) SendMessageW(handle, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (row.kind == ControlKind::Selector) setSelectorItems(handle, control.items);
    SetWindowTextW(handle, widen(control.text).c_str());
    return handle;
}

}  // namespace qx::win32

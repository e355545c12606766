#include "platform/win32/native_window.h"

#include <windowsx.h>

#include "model/wide_text.h"
#include "platform/win32/control_builder.h"
#include "platform/win32/twips.h"

namespace qx::win32 {
namespace {

constexpr wchar_t kWindowClass[] = L"QX410SetupWindow";
constexpr wchar_t kFrameProcedureProperty[] = L"QX410.FrameProcedure";
constexpr wchar_t kPressKeeperProperty[] = L"QX410.PressKeeper";
constexpr int kIconResource = 1;
// Control ids start above IDOK and IDCANCEL, which the dialog manager sends for Enter and Escape.
constexpr int kFirstControlId = 100;

// Both windows leave only by their "Exit" button or by Escape: the title bar has no close box.
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
// The window itself takes part in the dialog manager's Tab walk through the frames' controls.
constexpr DWORD kWindowExtendedStyle = WS_EX_CONTROLPARENT;

std::string windowText(HWND handle) {
    const int length = GetWindowTextLengthW(handle);
    if (length <= 0) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(handle, text.data(), length + 1);
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return narrow(text);
}

// The buttons that the model's mask names: 1 left, 2 right, 4 middle.
int buttonMask(WPARAM keys) {
    return ((keys & MK_LBUTTON) != 0 ? 1 : 0) | ((keys & MK_RBUTTON) != 0 ? 2 : 0) | ((keys & MK_MBUTTON) != 0 ? 4 : 0);
}

// Shift 1, Ctrl 2, Alt 4.
int shiftMask(WPARAM keys) {
    return ((keys & MK_SHIFT) != 0 ? 1 : 0) | ((keys & MK_CONTROL) != 0 ? 2 : 0) | (GetKeyState(VK_MENU) < 0 ? 4 : 0);
}

// Replaces a control's window procedure, keeping the one it had under `property` for
// `forward` to call.
void subclass(HWND control, WNDPROC procedure, const wchar_t* property) {
    SetPropW(control, property, reinterpret_cast<HANDLE>(GetWindowLongPtrW(control, GWLP_WNDPROC)));
    SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure));
}

LRESULT forward(const wchar_t* property, HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto original = reinterpret_cast<WNDPROC>(GetPropW(control, property));
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
        RemovePropW(control, property);
    }
    return CallWindowProcW(original, control, message, wParam, lParam);
}

// A frame is a group box holding its controls as child windows. A group box normally lets the
// mouse through to the window beneath and leaves its inside unpainted; a layout frame is a
// surface of its own, so it takes presses (which then never reach the window's drag), paints
// its inside in its background colour and passes its controls' notifications on to the window.
LRESULT CALLBACK frameProcedure(HWND frame, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_NCHITTEST:
            return HTCLIENT;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_LBUTTONUP:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
        case WM_MBUTTONDOWN:
        case WM_MBUTTONUP:
            return 0;
        case WM_ERASEBKGND: {
            RECT area;
            GetClientRect(frame, &area);
            const auto brush = reinterpret_cast<HBRUSH>(
                SendMessageW(GetAncestor(frame, GA_ROOT), WM_CTLCOLORSTATIC, wParam, reinterpret_cast<LPARAM>(frame)));
            FillRect(reinterpret_cast<HDC>(wParam), &area, brush);
            return 1;
        }
        case WM_COMMAND:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORLISTBOX:
            return SendMessageW(GetAncestor(frame, GA_ROOT), message, wParam, lParam);
        default:
            return forward(kFrameProcedureProperty, frame, message, wParam, lParam);
    }
}

// Labels, frames and the picture keep a press to themselves until the last button comes up,
// as the other controls do: a drag that begins on them never moves the window, even when the
// pointer leaves them for the bare surface.
LRESULT CALLBACK pressKeeperProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            SetCapture(control);
            break;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
            if ((wParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) == 0 && GetCapture() == control) ReleaseCapture();
            break;
        default:
            break;
    }
    return forward(kPressKeeperProperty, control, message, wParam, lParam);
}

bool canHaveFocus(HWND control) {
    return control != nullptr && IsWindow(control) && IsWindowVisible(control) && IsWindowEnabled(control);
}

}  // namespace

bool NativeWindow::registerWindowClass(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = windowProcedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(kIconResource));
    windowClass.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(kIconResource), IMAGE_ICON,
                                                        GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.lpszClassName = kWindowClass;
    return RegisterClassExW(&windowClass) != 0;
}

std::unique_ptr<NativeWindow> NativeWindow::create(WindowController& controller, Palette& palette,
                                                   HINSTANCE instance) {
    std::unique_ptr<NativeWindow> window(new NativeWindow(controller, palette));
    if (!window->build(instance)) return nullptr;
    controller.model().setObserver(window.get());
    return window;
}

NativeWindow::~NativeWindow() { destroy(); }

void NativeWindow::destroy() {
    if (controller_ != nullptr) controller_->model().setObserver(nullptr);
    controller_ = nullptr;
    if (window_ != nullptr) DestroyWindow(window_);
    window_ = nullptr;
}

bool NativeWindow::build(HINSTANCE instance) {
    const WindowModel& model = controller_->model();
    const WindowLayout& layout = model.layout();
    window_ = CreateWindowExW(kWindowExtendedStyle, kWindowClass, widen(model.caption()).c_str(), kWindowStyle,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance,
                              this);
    if (window_ == nullptr) return false;
    dpi_ = windowDpi(window_);
    fonts_ = std::make_unique<FontSet>(dpi_);

    RECT outer{0, 0, twipsToPixels(layout.clientWidth, dpi_), twipsToPixels(layout.clientHeight, dpi_)};
    AdjustWindowRectEx(&outer, kWindowStyle, FALSE, kWindowExtendedStyle);
    SetWindowPos(window_, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (HMENU menu = GetSystemMenu(window_, FALSE); menu != nullptr) DeleteMenu(menu, SC_CLOSE, MF_BYCOMMAND);

    const std::vector<Control>& controls = model.controls();
    controls_.assign(controls.size(), nullptr);
    shownItems_.assign(controls.size(), {});
    for (const std::size_t index : creationOrder(model)) {
        const Control& control = controls[index];
        HWND container = window_;
        if (!control.layout->parent.empty()) {
            for (std::size_t frame = 0; frame < controls.size(); ++frame) {
                if (controls[frame].name() == control.layout->parent) container = controls_[frame];
            }
        }
        if (container == nullptr) return false;
        mirroring_ = true;
        controls_[index] = createControl(container, control, kFirstControlId + static_cast<int>(index), dpi_,
                                         fonts_->font(control.layout->font));
        mirroring_ = false;
        if (controls_[index] == nullptr) return false;
        if (control.kind() == ControlKind::Frame) subclass(controls_[index], frameProcedure, kFrameProcedureProperty);
        if (!takesFocus(control.kind())) subclass(controls_[index], pressKeeperProcedure, kPressKeeperProperty);
        shownItems_[index] = control.items;
    }
    return true;
}

std::optional<std::size_t> NativeWindow::controlIndex(HWND handle) const {
    // A selector's edit part and its drop-down list speak for the selector.
    for (HWND current = handle; current != nullptr && current != window_; current = GetParent(current)) {
        for (std::size_t index = 0; index < controls_.size(); ++index) {
            if (controls_[index] == current) return index;
        }
    }
    return std::nullopt;
}

void NativeWindow::controlChanged(const Control& control) {
    const auto index = static_cast<std::size_t>(&control - controller_->model().controls().data());
    HWND handle = index < controls_.size() ? controls_[index] : nullptr;
    if (handle == nullptr) return;
    mirroring_ = true;
    if (control.kind() == ControlKind::Selector && shownItems_[index] != control.items) {
        setSelectorItems(handle, control.items);
        shownItems_[index] = control.items;
    }
    if (windowText(handle) != control.text) SetWindowTextW(handle, widen(control.text).c_str());
    if ((IsWindowEnabled(handle) != FALSE) != control.enabled) EnableWindow(handle, control.enabled ? TRUE : FALSE);
    const bool visible = (GetWindowLongPtrW(handle, GWL_STYLE) & WS_VISIBLE) != 0;
    if (visible != control.visible) ShowWindow(handle, control.visible ? SW_SHOWNA : SW_HIDE);
    mirroring_ = false;
}

void NativeWindow::captionChanged(std::string_view caption) {
    if (window_ != nullptr) SetWindowTextW(window_, widen(caption).c_str());
}

LRESULT CALLBACK NativeWindow::windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        auto* created = static_cast<NativeWindow*>(creation->lpCreateParams);
        created->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
    }
    auto* self = reinterpret_cast<NativeWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr || self->controller_ == nullptr) return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    return self->handleMessage(message, wParam, lParam);
}

LRESULT NativeWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND: {
            RECT area;
            GetClientRect(window_, &area);
            FillRect(reinterpret_cast<HDC>(wParam), &area,
                     palette_.brush(controller_->model().layout().background, COLOR_BTNFACE));
            return 1;
        }
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORLISTBOX:
            return controlColours(message, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        case WM_COMMAND:
            // The steps may unload this very window: nothing of it is touched after the command.
            command(HIWORD(wParam), reinterpret_cast<HWND>(lParam));
            return 0;
        case WM_LBUTTONDOWN:
            mouseButtonDown(1, wParam, lParam);
            return 0;
        case WM_RBUTTONDOWN:
            mouseButtonDown(2, wParam, lParam);
            return 0;
        case WM_MBUTTONDOWN:
            mouseButtonDown(4, wParam, lParam);
            return 0;
        case WM_MOUSEMOVE:
            mouseMoved(wParam, lParam);
            return 0;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
            if (buttonMask(wParam) == 0 && GetCapture() == window_) ReleaseCapture();
            return 0;
        case WM_ACTIVATE:
            activated(LOWORD(wParam) != WA_INACTIVE);
            return 0;
        case WM_CLOSE:
            return 0;
        default:
            return DefWindowProcW(window_, message, wParam, lParam);
    }
}

void NativeWindow::command(int code, HWND from) {
    if (mirroring_ || from == nullptr) return;
    const std::optional<std::size_t> index = controlIndex(from);
    if (!index) return;
    HWND handle = controls_[*index];
    const Control& control = controller_->model().controls()[*index];
    const std::string name(control.name());
    switch (control.kind()) {
        case ControlKind::Button:
            if (code == BN_CLICKED) controller_->clicked(name);
            break;
        case ControlKind::Label:
            if (code == STN_CLICKED) controller_->clicked(name);
            break;
        case ControlKind::TextField:
            if (code == EN_CHANGE) controller_->textEdited(name, windowText(handle));
            break;
        case ControlKind::Selector:
            if (code == CBN_SELCHANGE) {
                const LRESULT item = SendMessageW(handle, CB_GETCURSEL, 0, 0);
                if (item != CB_ERR) controller_->itemChosen(name, static_cast<std::size_t>(item));
            } else if (code == CBN_EDITCHANGE) {
                controller_->textEdited(name, windowText(handle));
            }
            break;
        case ControlKind::Frame:
        case ControlKind::PictureBox:
            break;
    }
}

LRESULT NativeWindow::controlColours(UINT message, HDC dc, HWND from) {
    const std::optional<std::size_t> index = controlIndex(from);
    if (!index) return DefWindowProcW(window_, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(from));
    const ControlLayout& row = *controller_->model().controls()[*index].layout;
    if (row.background.role == ColourRole::Default && row.foreground.role == ColourRole::Default) {
        return DefWindowProcW(window_, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(from));
    }
    // "Default" is the system's own colour for that kind of control: fields and lists on the
    // window colour, everything else on the face colour.
    const bool field = row.kind == ControlKind::TextField || row.kind == ControlKind::Selector;
    const int background = field ? COLOR_WINDOW : COLOR_BTNFACE;
    const int text = field ? COLOR_WINDOWTEXT : COLOR_BTNTEXT;
    SetTextColor(dc, palette_.colour(row.foreground, text));
    SetBkColor(dc, palette_.colour(row.background, background));
    return reinterpret_cast<LRESULT>(palette_.brush(row.background, background));
}

void NativeWindow::mouseButtonDown(int button, WPARAM wParam, LPARAM lParam) {
    // Held until the last button comes up, so that a drag goes on when the pointer runs ahead
    // of the window.
    SetCapture(window_);
    controller_->mouseDown(button, shiftMask(wParam), pixelsToTwips(GET_X_LPARAM(lParam), dpi_),
                           pixelsToTwips(GET_Y_LPARAM(lParam), dpi_));
}

void NativeWindow::mouseMoved(WPARAM wParam, LPARAM lParam) {
    controller_->mouseMove(buttonMask(wParam), shiftMask(wParam), pixelsToTwips(GET_X_LPARAM(lParam), dpi_),
                           pixelsToTwips(GET_Y_LPARAM(lParam), dpi_));
}

void NativeWindow::activated(bool active) {
    if (!active) {
        HWND focus = GetFocus();
        if (focus != nullptr && IsChild(window_, focus)) focus_ = focus;
        return;
    }
    // Back to the control that had the focus, or on first showing to the first in tab order.
    if (!canHaveFocus(focus_)) focus_ = GetNextDlgTabItem(window_, nullptr, FALSE);
    SetFocus(canHaveFocus(focus_) ? focus_ : window_);
}

}  // namespace qx::win32

#include "tool_driver.h"

#include <algorithm>
#include <stdexcept>

#include "model/wide_text.h"
#include "ui/settings/settings_layout.h"
#include "ui/start/start_layout.h"
#include "user_input.h"
#include "waiting.h"
#include "window_controls.h"

namespace qx::test::win32 {
namespace {

POINT middleOf(HWND control) {
    RECT place{};
    GetWindowRect(control, &place);
    return {(place.left + place.right) / 2, (place.top + place.bottom) / 2};
}

// A dialog of the program other than its two windows.
HWND findDialog(const ToolSession& session, const wchar_t* title) {
    for (HWND window : session.visibleWindows()) {
        wchar_t className[16] = {};
        GetClassNameW(window, className, 16);
        wchar_t text[128] = {};
        GetWindowTextW(window, text, 128);
        if (std::wstring(className) == L"#32770" && (title == nullptr || std::wstring(text) == title)) return window;
    }
    return nullptr;
}

}  // namespace

ToolDriver::ToolDriver() : session_(std::make_unique<ToolSession>(work_.path())) {
    start_ = session_->waitForWindow(widen(startWindowLayout().caption));
    bringToFront(start_);
}

HWND ToolDriver::openSettings() {
    // The link's whole area is the link: its first lines hold nothing but blanks.
    clickAt(screenPointOf(start_, startWindowLayout(), "Label5", 4, 4));
    settings_ = session_->waitForWindow(widen(settingsWindowLayout().caption));
    waitUntil("the settings window to have the focus", [&] { return IsChild(settings_, focusOf(session_->threadId())); });
    return settings_;
}

HWND ToolDriver::startControl(std::string_view name) const { return controlOf(start_, startWindowLayout(), name); }

HWND ToolDriver::settingsControl(std::string_view name) const {
    return controlOf(settings_, settingsWindowLayout(), name);
}

void ToolDriver::clickSettings(std::string_view name) { clickAt(middleOf(settingsControl(name))); }

void ToolDriver::clickStart(std::string_view name) { clickAt(middleOf(startControl(name))); }

void ToolDriver::typeInto(std::string_view name, const std::wstring& text) {
    HWND field = settingsControl(name);
    clickAt(middleOf(field));
    waitUntil(std::string(name) + " to have the focus", [&] { return focusOf(session_->threadId()) == field; });
    pressKey(VK_END);
    const std::string expected = textOf(field) + narrow(text);
    typeText(text);
    waitUntil(std::string(name) + " to show \"" + expected + "\"", [&] { return textOf(field) == expected; });
}

void ToolDriver::clickSelectorText(std::string_view name) {
    HWND selector = settingsControl(name);
    // Into the edit part, left of the drop-down button.
    const ControlLayout& row = *findControlLayout(settingsWindowLayout(), name);
    clickAt(screenPointOf(settings_, settingsWindowLayout(), name, pixels(row.width) / 4, pixels(row.height) / 3));
    waitUntil(std::string(name) + " to have the focus",
              [&] { return GetParent(focusOf(session_->threadId())) == selector; });
}

void ToolDriver::typeOver(std::string_view name, const std::wstring& text) {
    clickSelectorText(name);
    pressKey(VK_END);
    pressKey(VK_HOME, {VK_SHIFT});
    typeText(text);
    HWND selector = settingsControl(name);
    const std::string expected = narrow(text);
    waitUntil(std::string(name) + " to show \"" + expected + "\"", [&] { return textOf(selector) == expected; });
}

void ToolDriver::pick(std::string_view name, std::string_view item) {
    HWND selector = settingsControl(name);
    const std::vector<std::string> items = itemsOf(selector);
    const auto found = std::find(items.begin(), items.end(), item);
    if (found == items.end()) throw std::logic_error(std::string(name) + " offers no \"" + std::string(item) + "\"");
    const auto target = static_cast<LRESULT>(found - items.begin());

    clickSelectorText(name);
    DWORD_PTR current = 0;
    SendMessageTimeoutW(selector, CB_GETCURSEL, 0, 0, SMTO_ABORTIFHUNG, 10'000, &current);
    auto position = static_cast<LRESULT>(current);
    if (position == target) {
        // Already the list's choice: step off it and back, so that the user's pick happens.
        pressKey(target > 0 ? VK_UP : VK_DOWN);
        position += target > 0 ? -1 : 1;
    }
    for (; position < target; ++position) pressKey(VK_DOWN);
    for (; position > target; --position) pressKey(VK_UP);
    waitUntil(std::string(name) + " to show \"" + std::string(item) + "\"", [&] { return textOf(selector) == item; });
    // The text shows while the key that picked it is still being handled, and the selector's
    // step runs inside that handling. A message sent to the program is answered only once its
    // thread asks for messages again, so the answer means the step has run.
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(selector, CB_GETCURSEL, 0, 0, SMTO_NORMAL, 60'000, &ignored);
}

std::string ToolDriver::closeMessageBox() {
    HWND box = waitFor("a message box", [&]() -> std::optional<HWND> {
        if (HWND found = findDialog(*session_, kMessageBoxCaption); found != nullptr) return found;
        if (session_->hasEnded()) throw std::runtime_error("the program ended while a message box was awaited");
        return std::nullopt;
    });
    std::string prompt;
    for (HWND child = GetWindow(box, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        if (classOf(child) == L"Static" && IsWindowVisible(child)) prompt += textOf(child);
    }
    HWND ok = GetDlgItem(box, IDOK);
    if (ok == nullptr) throw std::runtime_error("the message box \"" + prompt + "\" has no OK button");
    clickAt(middleOf(ok));
    waitUntil("the message box \"" + prompt + "\" to close", [&] { return !IsWindow(box); });
    return prompt;
}

FolderBrowser ToolDriver::openFolderBrowser() {
    clickSettings("Command4");
    HWND dialog = waitFor("the folder browser", [&]() -> std::optional<HWND> {
        HWND found = findDialog(*session_, nullptr);
        if (found != nullptr && FindWindowExW(found, nullptr, L"SysTreeView32", nullptr) != nullptr) return found;
        return std::nullopt;
    });
    return FolderBrowser(dialog, session_->processId());
}

}  // namespace qx::test::win32

#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <string_view>

#include "folder_dialog.h"
#include "support/temp_dir.h"
#include "tool_session.h"

namespace qx::test::win32 {

// The program started in a fresh working folder and operated as a user would: by the pointer
// on the controls that the layouts place, and by the keyboard.
class ToolDriver {
public:
    ToolDriver();

    const TempDir& workingFolder() const { return work_; }
    const ToolSession& session() const { return *session_; }

    HWND startWindow() const { return start_; }
    // The settings window that the link opened last.
    HWND settingsWindow() const { return settings_; }

    // Clicks the blank top-left corner of the link and waits for the settings window.
    HWND openSettings();

    HWND startControl(std::string_view name) const;
    HWND settingsControl(std::string_view name) const;

    // A click in the middle of a control of the settings window, or of the start window.
    void clickSettings(std::string_view name);
    void clickStart(std::string_view name);

    // Clicks into a settings field and types the text after what it holds.
    void typeInto(std::string_view name, const std::wstring& text);
    // Replaces the text in a settings selector's edit part by typing over it.
    void typeOver(std::string_view name, const std::wstring& text);
    // Picks an item of a settings selector with the arrow keys, as a user does: the selector's
    // step runs for each item passed on the way.
    void pick(std::string_view name, std::string_view item);

    // Waits for the next message box, reads its prompt and closes it with its OK button.
    std::string closeMessageBox();
    // Presses "..." and waits for the folder browser.
    FolderBrowser openFolderBrowser();

private:
    void clickSelectorText(std::string_view name);

    TempDir work_;
    std::unique_ptr<ToolSession> session_;
    HWND start_ = nullptr;
    HWND settings_ = nullptr;
};

// The caption of every message box of the program.
inline constexpr wchar_t kMessageBoxCaption[] = L"QX730 Setting Tools";

}  // namespace qx::test::win32

#pragma once

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "ui/platform.h"

namespace qx {

// A platform without a screen, for tests and the command-line tool: message boxes are
// recorded, the folder browser answers from a script, window positions are remembered.
class HeadlessPlatform : public Platform {
public:
    struct FolderRequest {
        std::string owner;  // the window's layout name
        std::string title;
    };

    void showMessage(std::string_view prompt) override;
    std::optional<std::string> browseForFolder(WindowController& owner, std::string_view title) override;
    void showWindow(WindowController& window) override;
    void hideWindow(WindowController& window) override;
    void unloadWindow(WindowController& window) override;
    WindowPosition windowPosition(const WindowController& window) override;
    void moveWindow(WindowController& window, WindowPosition position) override;
    void endProgram() override;

    // The next answers of the folder browser, in order; none is a cancel. With no answer
    // left the browser is cancelled.
    void answerFolderBrowser(std::optional<std::string> folder) { folderAnswers_.push_back(std::move(folder)); }

    std::vector<std::string> messages;
    std::vector<FolderRequest> folderRequests;
    bool ended = false;

    bool isVisible(std::string_view windowName) const;
    WindowPosition position(std::string_view windowName) const;

private:
    std::deque<std::optional<std::string>> folderAnswers_;
    std::map<std::string, WindowPosition, std::less<>> positions_;
    std::map<std::string, bool, std::less<>> visible_;
};

}  // namespace qx

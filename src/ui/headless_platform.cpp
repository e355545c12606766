#include "ui/headless_platform.h"

#include "ui/window_controller.h"

namespace qx {

void HeadlessPlatform::showMessage(std::string_view prompt) { messages.emplace_back(prompt); }

std::optional<std::string> HeadlessPlatform::browseForFolder(WindowController& owner, std::string_view title) {
    folderRequests.push_back({std::string(owner.model().name()), std::string(title)});
    if (folderAnswers_.empty()) return std::nullopt;
    std::optional<std::string> answer = std::move(folderAnswers_.front());
    folderAnswers_.pop_front();
    return answer;
}

void HeadlessPlatform::showWindow(WindowController& window) { visible_[std::string(window.model().name())] = true; }

void HeadlessPlatform::hideWindow(WindowController& window) { visible_[std::string(window.model().name())] = false; }

void HeadlessPlatform::unloadWindow(WindowController& window) {
    const std::string name(window.model().name());
    visible_.erase(name);
    positions_.erase(name);
}

WindowPosition HeadlessPlatform::windowPosition(const WindowController& window) {
    return position(window.model().name());
}

void HeadlessPlatform::moveWindow(WindowController& window, WindowPosition position) {
    positions_[std::string(window.model().name())] = position;
}

void HeadlessPlatform::endProgram() {
    ended = true;
    visible_.clear();
}

bool HeadlessPlatform::isVisible(std::string_view windowName) const {
    const auto found = visible_.find(windowName);
    return found != visible_.end() && found->second;
}

WindowPosition HeadlessPlatform::position(std::string_view windowName) const {
    const auto found = positions_.find(windowName);
    return found != positions_.end() ? found->second : WindowPosition{};
}

}  // namespace qx

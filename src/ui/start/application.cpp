#include "ui/start/application.h"

namespace qx {

Application::Application(Platform& platform) : platform_(platform) {}

Application::~Application() = default;

void Application::start() {
    start_ = std::make_unique<Form1>(platform_, *this);
    start_->load();
    platform_.showWindow(*start_);
}

void Application::showSettingsWindow() {
    if (!settings_) {
        unloaded_.reset();
        settings_ = std::make_unique<Form5>(platform_, *this);
        settings_->load();
    }
    platform_.showWindow(*settings_);
}

void Application::settingsWindowExited() {
    unloaded_ = std::move(settings_);
    platform_.showWindow(*start_);
}

}  // namespace qx

#pragma once

#include <memory>

#include "ui/platform.h"
#include "ui/settings/settings_window.h"
#include "ui/start/start_window.h"

namespace qx {

// The program's life: the start window is loaded once; the settings window is created from
// its layout on each show after an unload, and discarded by "Exit".
class Application : public StartWindowHost, public SettingsWindowHost {
public:
    explicit Application(Platform& platform);
    ~Application() override;

    // Creates and loads the start window and shows it.
    void start();

    Form1& startWindow() { return *start_; }
    // The loaded settings window, or nullptr.
    Form5* settingsWindow() { return settings_.get(); }

    void showSettingsWindow() override;
    void settingsWindowExited() override;

private:
    Platform& platform_;
    std::unique_ptr<Form1> start_;
    std::unique_ptr<Form5> settings_;
    // An exited window lives on until the next one is created: its "Exit" step is still
    // running when it is unloaded.
    std::unique_ptr<Form5> unloaded_;
};

}  // namespace qx

#pragma once

#include <string_view>

#include "ui/window_controller.h"

namespace qx {

class SettingsWindowHost;

// The settings window `Form5`: the two setting modes, the catalogue cascade and the
// "Generate", "Read", "..." and "Exit" commands. Its fields are the only storage of the
// settings while it is loaded.
class Form5 : public WindowController {
public:
    Form5(Platform& platform, SettingsWindowHost& host);

    // Runs once each time the window is loaded, before it is first drawn.
    void load();

    void clicked(std::string_view control) override;

    void modeChosen();
    void generate();
    void read();
    void browse();
    void exit();

protected:
    void selectorStep(std::string_view control) override;

private:
    SettingsWindowHost& host_;
};

// The one thing the settings window asks of the application: to be unloaded by "Exit".
class SettingsWindowHost {
public:
    virtual ~SettingsWindowHost() = default;
    virtual void settingsWindowExited() = 0;
};

}  // namespace qx

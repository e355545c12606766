#pragma once

#include <gtest/gtest.h>

#include "ui/headless_platform.h"
#include "ui/start/application.h"

namespace qx::test {

// The whole tool started headless, with the settings window opened through the link.
struct HeadlessRun {
    HeadlessPlatform platform;
    Application app{platform};

    HeadlessRun() { app.start(); }

    Form5& openSettings() {
        app.startWindow().clicked("Label5");
        return *app.settingsWindow();
    }
};

inline void pick(WindowController& window, std::string_view control, std::string_view item) {
    ASSERT_TRUE(window.pickItem(control, item)) << control << " offers no item " << item;
}

}  // namespace qx::test

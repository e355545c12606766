#pragma once

#include <string>
#include <string_view>

#include "ui/window_controller.h"

namespace qx {

class StartWindowHost;

// The start window `Form1`: brand, version, the link to the settings window, and two
// selectors that stay disabled.
class Form1 : public WindowController {
public:
    Form1(Platform& platform, StartWindowHost& host);

    void load();

    void clicked(std::string_view control) override;

    void followLink();
    void languageChosen();

    const std::string& languageCode() const { return LanguageCode; }

protected:
    void selectorStep(std::string_view control) override;
    void textChanged(std::string_view control) override;

private:
    StartWindowHost& host_;
    std::string LanguageCode;
};

class StartWindowHost {
public:
    virtual ~StartWindowHost() = default;
    virtual void showSettingsWindow() = 0;
};

}  // namespace qx

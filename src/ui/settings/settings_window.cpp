#include "ui/settings/settings_window.h"

#include <array>

#include "model/config_file_reader.h"
#include "model/config_file_writer.h"
#include "ui/settings/folder_selection.h"
#include "ui/settings/preset_steps.h"
#include "ui/settings/settings_fields.h"
#include "ui/settings/settings_layout.h"

namespace qx {
namespace {

constexpr std::string_view kAuto = "Auto";
constexpr std::string_view kManual = "Manual";

// The MMS fields and the two account fields, in the order the mode steps touch them.
constexpr std::array<std::string_view, 6> kConnectionFields{"Text1", "Text2", "Text3", "Text4", "Text5", "Text6"};
constexpr std::array<std::string_view, 2> kAccountFields{"Text2", "Text3"};

bool isAccountField(std::string_view name) {
    return name == kAccountFields[0] || name == kAccountFields[1];
}

// Manual mode opens the four MMS fields to typing; the account fields stay shut in every mode.
void enableForManual(WindowModel& window) {
    for (std::string_view name : kConnectionFields) window.setEnabled(name, !isAccountField(name));
}

void showForManual(WindowModel& window) {
    for (std::string_view name : kConnectionFields) window.setVisible(name, !isAccountField(name));
}

}  // namespace

Form5::Form5(Platform& platform, SettingsWindowHost& host)
    : WindowController(settingsWindowLayout(), platform), host_(host) {}

void Form5::load() {
    model_.setKeyPreview(true);
    if (model_.text("Combo2") == kAuto) {
        for (std::string_view name : kConnectionFields) model_.setEnabled(name, false);
        for (std::string_view name : kConnectionFields) model_.setVisible(name, false);
    } else {
        enableForManual(model_);
        showForManual(model_);
    }
}

void Form5::selectorStep(std::string_view control) {
    if (control == "Combo2") {
        modeChosen();
    } else if (control == "Combo3") {
        countryChosen(model_);
    } else if (control == "Combo4") {
        operatorChosen(model_);
    }
}

void Form5::clicked(std::string_view control) {
    if (control == "Command4") {
        browse();
    } else if (control == "Command2") {
        generate();
    } else if (control == "Command1") {
        read();
    } else if (control == "Command3") {
        exit();
    }
}

void Form5::modeChosen() {
    const std::string& mode = model_.text("Combo2");
    if (mode == kAuto) {
        for (std::string_view name : kConnectionFields) model_.setEnabled(name, false);
        model_.setEnabled("Combo3", true);
        model_.setEnabled("Combo4", true);
        for (std::string_view name : kConnectionFields) model_.setVisible(name, false);
    } else if (mode == kManual) {
        enableForManual(model_);
        model_.setEnabled("Combo3", false);
        model_.setEnabled("Combo4", false);
        model_.setText("Combo3", "");
        model_.setText("Combo4", "");
        for (std::string_view name : kConnectionFields) model_.setText(name, "");
        showForManual(model_);
    }
}

void Form5::generate() {
    if (model_.text("Text7").empty()) platform_.showMessage("Need Phone Number Input");
    if (model_.text("Text12").empty()) platform_.showMessage("Need Email Input");
    const std::string fileName = configurationFilePath(model_.text("Text17"));
    // A failed write leaves the window as it is, so nothing typed is lost.
    const Result<void> written = writeConfigurationFile(collectSettings(model_), fileName);
    platform_.showMessage(written ? std::string_view("Create configure file success.") : written.error().message);
}

void Form5::read() {
    const Result<ConfigurationValues> values = readConfigurationFile(std::string(kReadFileName));
    if (!values) {
        platform_.showMessage(values.error().message);
        return;
    }
    applyConfigurationValues(model_, values.value());
    platform_.showMessage("Read configure file success.");
}

void Form5::browse() {
    const std::optional<std::string> folder = platform_.browseForFolder(*this, kFolderBrowserTitle);
    // Cancel keeps the old Path: an empty one would send "Generate" to the working directory.
    if (!folder || folder->empty()) return;
    model_.setText("Text17", pathTextForFolder(*folder, kNativeSeparator));
}

void Form5::exit() {
    platform_.unloadWindow(*this);
    host_.settingsWindowExited();
}

}  // namespace qx

#include "cli/show_command.h"

#include <algorithm>
#include <vector>

#include "cli/country_choice.h"
#include "cli/exit_status.h"
#include "cli/json_text.h"
#include "model/config_file_reader.h"
#include "model/settings_record.h"
#include "ui/layout.h"
#include "ui/settings/settings_layout.h"

namespace qx::cli {
namespace {

// A field where the window shows it: its frame, and its height inside the frame.
struct FieldPlace {
    const FieldBinding* binding;
    const ControlLayout* frame;
    int top;
};

// The fields in the window's reading order: column by column, each column's frames from the top,
// and each frame's fields from the top. Two frames share the caption "Server Setting", so only
// the frame tells the two "Port" fields apart.
std::vector<FieldPlace> fieldsInWindowOrder() {
    const WindowLayout& window = settingsWindowLayout();
    std::vector<FieldPlace> places;
    for (const FieldBinding& binding : kSettingsFields) {
        const ControlLayout* control = findControlLayout(window, binding.control);
        places.push_back({&binding, findControlLayout(window, control->parent), control->top});
    }
    std::stable_sort(places.begin(), places.end(), [](const FieldPlace& a, const FieldPlace& b) {
        if (a.frame != b.frame) {
            return a.frame->left != b.frame->left ? a.frame->left < b.frame->left : a.frame->top < b.frame->top;
        }
        return a.top < b.top;
    });
    return places;
}

std::string listing(const SettingsRecord& record) {
    std::size_t width = 0;
    for (const FieldBinding& binding : kSettingsFields) width = std::max(width, binding.label.size());
    std::string text;
    const ControlLayout* frame = nullptr;
    for (const FieldPlace& place : fieldsInWindowOrder()) {
        if (place.frame != frame) {
            frame = place.frame;
            text += std::string(frame->text) + "\n";
        }
        const std::string& value = record.*place.binding->field;
        text += "  " + std::string(place.binding->label);
        if (!value.empty()) text += std::string(width + 2 - place.binding->label.size(), ' ') + value;
        text += "\n";
    }
    return text;
}

std::string jsonObject(const SettingsRecord& record) {
    JsonObject object;
    for (const FieldBinding& binding : kSettingsFields) object.addString(binding.name, record.*binding.field);
    return object.text() + "\n";
}

}  // namespace

int showConfiguration(const std::string& fileName, bool json, const Terminal& terminal) {
    const Result<ConfigurationValues> values = readConfigurationFile(fileName);
    if (!values) {
        terminal.err(std::string(kProgramName) + ": " + values.error().message + "\n");
        return kUserError;
    }
    const SettingsRecord record = recordFromValues(values.value());
    terminal.out(json ? jsonObject(record) : listing(record));
    return kSuccess;
}

}  // namespace qx::cli

#include "ui/settings/settings_fields.h"

namespace qx {

SettingsRecord collectSettings(const WindowModel& window) {
    SettingsRecord record;
    for (const FieldBinding& binding : kSettingsFields) record.*binding.field = window.text(binding.control);
    return record;
}

void applyConfigurationValues(WindowModel& window, const ConfigurationValues& values) {
    for (std::size_t line = 0; line < kConfigurationLineCount; ++line) {
        const SettingsField field = kConfigurationLines[line].field;
        if (field != nullptr) window.setText(bindingOf(field).control, values[line]);
    }
}

}  // namespace qx

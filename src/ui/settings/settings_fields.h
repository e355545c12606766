#pragma once

#include "model/config_file_reader.h"
#include "model/settings_record.h"
#include "ui/window_model.h"

namespace qx {

// The record as the settings window's fields hold it at this moment.
SettingsRecord collectSettings(const WindowModel& window);

// Sets the fields from a file's values, line by line in the file's order, so the later of
// two lines that feed one field decides.
void applyConfigurationValues(WindowModel& window, const ConfigurationValues& values);

}  // namespace qx

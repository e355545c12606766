#pragma once

#include <array>
#include <string>
#include <string_view>

#include "model/result.h"
#include "model/settings_record.h"

namespace qx {

inline constexpr std::string_view kReadFileName = "MMS.INT";

// The value found on each of the first 25 lines, indexed like kConfigurationLines: the text
// after the key's length in characters, whatever the key says. Index 0, the "[MMS]" line,
// carries nothing.
using ConfigurationValues = std::array<std::string, kConfigurationLineCount>;

// Splits bytes into lines: a line ends at CR or CR LF; a lone LF is part of the text.
// Reads everything before it answers, so a short file gives an error and no value.
Result<ConfigurationValues> parseConfigurationFile(std::string_view bytes, unsigned codePage);

Result<ConfigurationValues> readConfigurationFile(const std::string& fileName);
Result<ConfigurationValues> readConfigurationFile(const std::string& fileName, unsigned codePage);

// The record that results from setting the values line by line: the later line of a field
// carried twice ("eAPN=", "Reciver1=" ...) decides.
SettingsRecord recordFromValues(const ConfigurationValues& values);

}  // namespace qx

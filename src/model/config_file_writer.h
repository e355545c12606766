#pragma once

#include <string>
#include <string_view>

#include "model/result.h"
#include "model/settings_record.h"

namespace qx {

inline constexpr std::string_view kConfigurationFileName = "MMS.INI";

#ifdef _WIN32
inline constexpr char kNativeSeparator = '\\';
#else
inline constexpr char kNativeSeparator = '/';
#endif

// The file that "Generate" writes for a Path text: the text up to and including its last
// separator, followed by "MMS.INI". Without a separator the name is relative, so the file
// lands in the working directory.
std::string configurationFilePath(std::string_view pathText, char separator = kNativeSeparator);

// The 25 lines of the file, in UTF-8, each ending in CR LF.
std::string formatConfigurationFile(const SettingsRecord& record);

// The file's bytes in the code page. A character that the code page cannot hold is an error
// naming the window field that holds it.
Result<std::string> encodeConfigurationFile(const SettingsRecord& record, unsigned codePage);

// Writes MMS.INI (or any name) in the system's code page, replacing an existing file whole
// and atomically.
Result<void> writeConfigurationFile(const SettingsRecord& record, const std::string& fileName);
Result<void> writeConfigurationFile(const SettingsRecord& record, const std::string& fileName, unsigned codePage);

}  // namespace qx

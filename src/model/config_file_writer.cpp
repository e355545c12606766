#include "model/config_file_writer.h"

#include "model/code_page.h"
#include "model/file_system.h"

namespace qx {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

}  // namespace

std::string configurationFilePath(std::string_view pathText, char separator) {
    const std::size_t last = pathText.rfind(separator);
    const std::size_t folderLength = last == std::string_view::npos ? 0 : last + 1;
    std::string name(pathText.substr(0, folderLength));
    name += kConfigurationFileName;
    return name;
}

std::string formatConfigurationFile(const SettingsRecord& record) {
    std::string text;
    for (const ConfigurationLine& line : kConfigurationLines) {
        text += line.key;
        if (line.field != nullptr) text += record.*line.field;
        text += kLineEnd;
    }
    return text;
}

Result<std::string> encodeConfigurationFile(const SettingsRecord& record, unsigned codePage) {
    // Each value is converted on its own, so that a failure can name its field.
    std::string bytes;
    for (const ConfigurationLine& line : kConfigurationLines) {
        bytes += line.key;
        if (line.field != nullptr) {
            Result<std::string> value = toCodePage(record.*line.field, codePage);
            if (!value) {
                return Error{"The field \"" + std::string(bindingOf(line.field).label) + "\" cannot be written: " +
                             value.error().message + ". Remove or replace that character and try again."};
            }
            bytes += value.value();
        }
        bytes += kLineEnd;
    }
    return bytes;
}

Result<void> writeConfigurationFile(const SettingsRecord& record, const std::string& fileName) {
    return writeConfigurationFile(record, fileName, activeCodePage());
}

Result<void> writeConfigurationFile(const SettingsRecord& record, const std::string& fileName, unsigned codePage) {
    Result<std::string> bytes = encodeConfigurationFile(record, codePage);
    if (!bytes) return bytes.error();
    return replaceFileAtomically(fileName, bytes.value());
}

}  // namespace qx

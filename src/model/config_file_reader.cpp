#include "model/config_file_reader.h"

#include "model/code_page.h"
#include "model/file_system.h"
#include "model/utf8.h"

namespace qx {

Result<ConfigurationValues> parseConfigurationFile(std::string_view bytes, unsigned codePage) {
    ConfigurationValues values;
    std::size_t pos = 0;
    std::size_t lineCount = 0;
    while (lineCount < kConfigurationLineCount && pos < bytes.size()) {
        const std::size_t end = std::min(bytes.find('\r', pos), bytes.size());
        const std::string_view raw = bytes.substr(pos, end - pos);
        pos = end;
        if (pos < bytes.size()) {
            ++pos;  // the CR
            if (pos < bytes.size() && bytes[pos] == '\n') ++pos;
        }
        const ConfigurationLine& layout = kConfigurationLines[lineCount];
        ++lineCount;
        if (layout.field == nullptr) continue;
        Result<std::string> text = fromCodePage(raw, codePage);
        if (!text) {
            return Error{"line " + std::to_string(lineCount) + " cannot be read: " + text.error().message + "."};
        }
        const std::string& line = text.value();
        values[lineCount - 1] = line.substr(utf8Offset(line, layout.key.size()));
    }
    if (lineCount < kConfigurationLineCount) {
        return Error{"it has " + std::to_string(lineCount) + (lineCount == 1 ? " line" : " lines") +
                     ", but a configuration file has " + std::to_string(kConfigurationLineCount) + "."};
    }
    return values;
}

Result<ConfigurationValues> readConfigurationFile(const std::string& fileName) {
    return readConfigurationFile(fileName, activeCodePage());
}

Result<ConfigurationValues> readConfigurationFile(const std::string& fileName, unsigned codePage) {
    Result<std::string> bytes = readWholeFile(fileName);
    if (!bytes) return bytes.error();
    Result<ConfigurationValues> values = parseConfigurationFile(bytes.value(), codePage);
    if (!values) return Error{"Cannot read \"" + fileName + "\": " + values.error().message};
    return values;
}

SettingsRecord recordFromValues(const ConfigurationValues& values) {
    SettingsRecord record;
    for (std::size_t i = 0; i < kConfigurationLineCount; ++i) {
        if (kConfigurationLines[i].field != nullptr) record.*kConfigurationLines[i].field = values[i];
    }
    return record;
}

}  // namespace qx

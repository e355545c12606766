// The Path text decides where "Generate" writes; any text the user types must give a file
// name in the folder part of that text, and a browsed folder must be where the file lands.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_input.h"
#include "model/config_file_writer.h"
#include "ui/settings/folder_selection.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const qx::fuzz::Input input = qx::fuzz::splitInput(data, size);
    const char separator = (input.selector & 1) != 0 ? '\\' : '/';
    const std::string_view pathText = input.bytes;

    const std::string fileName = qx::configurationFilePath(pathText, separator);
    QX_FUZZ_CHECK(fileName.ends_with(qx::kConfigurationFileName));
    const std::string_view folder =
        std::string_view(fileName).substr(0, fileName.size() - qx::kConfigurationFileName.size());
    QX_FUZZ_CHECK(pathText.starts_with(folder));
    QX_FUZZ_CHECK(folder.empty() || folder.back() == separator);
    QX_FUZZ_CHECK(pathText.substr(folder.size()).find(separator) == std::string_view::npos);

    if (!pathText.empty()) {
        const std::string browsed = qx::pathTextForFolder(pathText, separator);
        std::string expected(pathText);
        if (expected.back() != separator) expected += separator;
        expected += qx::kConfigurationFileName;
        QX_FUZZ_CHECK(qx::configurationFilePath(browsed, separator) == expected);
    }
    return 0;
}

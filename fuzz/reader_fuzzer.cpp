// The reader takes any bytes: a file on a card may hold anything. It must answer with the
// values or with an error, and values it gives must survive being written and read again.
#include <cstddef>
#include <cstdint>

#include "fuzz_input.h"
#include "model/config_file_reader.h"
#include "model/config_file_writer.h"
#include "model/utf8.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const qx::fuzz::Input input = qx::fuzz::splitInput(data, size);
    const unsigned codePage = qx::fuzz::codePageOf(input.selector);

    const qx::Result<qx::ConfigurationValues> values = qx::parseConfigurationFile(input.bytes, codePage);
    if (!values) {
        QX_FUZZ_CHECK(!values.error().message.empty());
        return 0;
    }
    QX_FUZZ_CHECK(values.value()[0].empty());
    for (const std::string& value : values.value()) {
        QX_FUZZ_CHECK(qx::isValidUtf8(value));
        QX_FUZZ_CHECK(value.find('\r') == std::string::npos);
    }

    const qx::SettingsRecord record = qx::recordFromValues(values.value());
    const qx::Result<std::string> written = qx::encodeConfigurationFile(record, codePage);
    QX_FUZZ_CHECK(written.ok());
    const qx::Result<qx::ConfigurationValues> reread = qx::parseConfigurationFile(written.value(), codePage);
    QX_FUZZ_CHECK(reread.ok());
    QX_FUZZ_CHECK(qx::recordFromValues(reread.value()) == record);
    return 0;
}

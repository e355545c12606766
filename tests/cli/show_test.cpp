// "qx410-ini show": a file that "generate" wrote is printed back value for value, as a listing
// under the window's labels and as JSON that a real parser reads.
#include <gtest/gtest.h>

#include "cli_run.h"
#include "model/config_file_reader.h"
#include "model/config_file_writer.h"
#include "model/settings_record.h"
#include "support/temp_dir.h"

namespace qx {
namespace {

using test::ProgramRun;
using test::readBytes;
using test::runCli;
using test::TempDir;
using test::writeBytes;

std::string utf8(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

// Every field different, with the blanks and "=" that a value may hold.
const std::vector<std::string> kEveryField{
    "generate", "--manual", "--apn", "my.apn", "--url", "mms.example.net:8002/", "--ip", "10.1.2.3", "--port", "8080",
    "--phone", "+49 30 1", "--phone", "+49 30 2", "--phone", "+49 30 3", "--phone", "+49 30 4", "--phone", "+49 30 5",
    "--email", "a1@example.com", "--email", "a2@example.com", "--email", "a3@example.com", "--email",
    "a4@example.com", "--email", "a5@example.com", "--smtp-server", "smtp.example.com", "--smtp-port", "587",
    "--sender", "camera@example.com", "--password", "p=w d "};

const char* const kEveryFieldListing =
    "GPRS Setting\n"
    "  APN       my.apn\n"
    "Server Setting\n"
    "  URL       mms.example.net:8002/\n"
    "  IP        10.1.2.3\n"
    "  Port      8080\n"
    "Phone Setting\n"
    "  Phone 1   +49 30 1\n"
    "  Phone 2   +49 30 2\n"
    "  Phone 3   +49 30 3\n"
    "  Phone 4   +49 30 4\n"
    "  Phone 5   +49 30 5\n"
    "Server Setting\n"
    "  Server    smtp.example.com\n"
    "  Port      587\n"
    "  Email     camera@example.com\n"
    "  Password  p=w d \n"
    "Email Setting\n"
    "  Email 1   a1@example.com\n"
    "  Email 2   a2@example.com\n"
    "  Email 3   a3@example.com\n"
    "  Email 4   a4@example.com\n"
    "  Email 5   a5@example.com\n";

std::string generated(const TempDir& folder, std::vector<std::string> arguments) {
    arguments.push_back(utf8(folder.path()) + kNativeSeparator);
    const ProgramRun run = runCli(arguments);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return utf8(folder.path() / "MMS.INI");
}

// Each member of the parsed object as name=value, one per line, in the object's order.
std::string membersOf(const nlohmann::ordered_json& object) {
    std::string text;
    for (const auto& [name, value] : object.items()) text += name + "=" + test::textOrNone(value) + "\n";
    return text;
}

std::string membersOf(const SettingsRecord& record) {
    std::string text;
    for (const FieldBinding& binding : kSettingsFields) text += std::string(binding.name) + "=" + record.*binding.field + "\n";
    return text;
}

TEST(CliShow, PrintsEveryValueOfAGeneratedFileUnderItsLabel) {
    TempDir folder;
    const std::string file = generated(folder, kEveryField);
    const ProgramRun show = runCli({"show", file});
    EXPECT_EQ(show.exitCode, 0) << show.err;
    EXPECT_EQ(show.out, kEveryFieldListing);
    EXPECT_EQ(show.err, "");
}

TEST(CliShow, JsonOfAGeneratedFileParsesToEveryField) {
    TempDir folder;
    const std::string file = generated(folder, kEveryField);
    const ProgramRun show = runCli({"show", "--json", file});
    ASSERT_EQ(show.exitCode, 0) << show.err;
    const nlohmann::ordered_json parsed = test::parsedJson(show.out);

    SettingsRecord expected;
    expected.URL = "mms.example.net:8002/";
    expected.APN = "my.apn";
    expected.IP = "10.1.2.3";
    expected.Port = "8080";
    expected.Phone1 = "+49 30 1";
    expected.Phone2 = "+49 30 2";
    expected.Phone3 = "+49 30 3";
    expected.Phone4 = "+49 30 4";
    expected.Phone5 = "+49 30 5";
    expected.Email1 = "a1@example.com";
    expected.Email2 = "a2@example.com";
    expected.Email3 = "a3@example.com";
    expected.Email4 = "a4@example.com";
    expected.Email5 = "a5@example.com";
    expected.Server = "smtp.example.com";
    expected.ePort = "587";
    expected.Sender = "camera@example.com";
    expected.Password = "p=w d ";
    EXPECT_EQ(membersOf(parsed), membersOf(expected));
}

// Values that JSON must escape, and characters beyond ASCII, survive the way through JSON.
TEST(CliShow, JsonCarriesQuotesBackslashesAndNonAsciiText) {
    TempDir folder;
    SettingsRecord record;
    record.APN = "a\"b\\c";
    record.Sender = "José";
    record.Password = "tab\there";
    const std::string file = utf8(folder.path() / "MMS.INI");
    {
        const test::ScopedEnvironment locale(test::localeSettings(test::kPlainLocale));
        ASSERT_TRUE(writeConfigurationFile(record, file).ok());
    }
    const ProgramRun show = runCli({"show", "--json", file});
    ASSERT_EQ(show.exitCode, 0) << show.err;
    for (unsigned char c : show.out) EXPECT_LT(c, 0x80) << "JSON output is ASCII";
    EXPECT_EQ(membersOf(test::parsedJson(show.out)), membersOf(record));
}

TEST(CliShow, TheLaterOfTwoLinesOfAFieldDecides) {
    TempDir folder;
    std::string text;
    for (const ConfigurationLine& line : kConfigurationLines) {
        std::string value = line.field == nullptr ? "" : std::string(bindingOf(line.field).name);
        if (line.key == "eAPN=") value = "second apn";
        if (line.key == "Reciver3=") value = "second email";
        text += std::string(line.key) + value + "\r\n";
    }
    writeBytes(folder.path() / "MMS.INI", text);
    const ProgramRun show = runCli({"show", "--json", utf8(folder.path() / "MMS.INI")});
    ASSERT_EQ(show.exitCode, 0) << show.err;
    const nlohmann::ordered_json parsed = test::parsedJson(show.out);
    EXPECT_EQ(test::textOrNone(parsed.at("APN")), "second apn");
    EXPECT_EQ(test::textOrNone(parsed.at("Email3")), "second email");
}

#ifndef _WIN32
// The listing goes out in the terminal's encoding: GB2312 bytes in a GB2312 terminal, and in a
// Latin-1 terminal the code point of a character that Latin-1 lacks.
struct EncodedShow {
    std::string name;
    std::string locale;
    unsigned fileCodePage;
    std::string sender;
    std::string expectedLine;
};

void PrintTo(const EncodedShow& c, std::ostream* out) { *out << c.name; }

class CliShowEncoding : public testing::TestWithParam<EncodedShow> {};

TEST_P(CliShowEncoding, WritesTheTerminalsEncoding) {
    const EncodedShow& c = GetParam();
    {
        const test::ScopedEnvironment locale(test::localeSettings(c.locale));
        if (!test::localeAvailable(c.locale)) GTEST_SKIP() << "the locale " << c.locale << " is not installed";
        ASSERT_EQ(test::modelCodePage(), c.fileCodePage);
    }
    TempDir folder;
    SettingsRecord record;
    record.Sender = c.sender;
    const std::string file = utf8(folder.path() / "MMS.INI");
    ASSERT_TRUE(writeConfigurationFile(record, file, c.fileCodePage).ok());
    const ProgramRun show = runCli({"show", file}, c.locale);
    EXPECT_EQ(show.exitCode, 0) << show.err;
    EXPECT_NE(show.out.find("\n  Email     " + c.expectedLine + "\n"), std::string::npos) << show.out;
}

INSTANTIATE_TEST_SUITE_P(
    Locales, CliShowEncoding,
    testing::Values(EncodedShow{"Gb2312", "zh_CN", 936, "张三", "\xD5\xC5\xC8\xFD"},
                    EncodedShow{"Utf8", "zh_CN.UTF-8", 936, "张三", "张三"},
                    EncodedShow{"Latin1", "en_US.ISO-8859-1", 1252, "José 5€", "Jos\xE9 5<U+20AC>"}),
    [](const testing::TestParamInfo<EncodedShow>& param) { return param.param.name; });
#endif

// A file that cannot be read: the reader's own text, exit status 1, and no value printed.
TEST(CliShow, MissingOrShortFileIsAUserErrorWithTheReadersText) {
    TempDir folder;
    std::string shortFile;
    for (std::size_t i = 0; i + 1 < kConfigurationLineCount; ++i) shortFile += std::string(kConfigurationLines[i].key) + "x\r\n";
    writeBytes(folder.path() / "short.ini", shortFile);
    writeBytes(folder.path() / "lf-only.ini", std::string("[MMS]\nURL=x\n"));
    for (const std::string name : {"missing.ini", "short.ini", "lf-only.ini"}) {
        const std::string file = utf8(folder.path() / name);
        const Result<ConfigurationValues> read = readConfigurationFile(file);
        ASSERT_FALSE(read.ok()) << name;
        for (const char* json : {"", "--json"}) {
            std::vector<std::string> arguments{"show", file};
            if (*json != '\0') arguments.insert(arguments.begin() + 1, json);
            const ProgramRun show = runCli(arguments);
            EXPECT_EQ(show.exitCode, 1) << name;
            EXPECT_EQ(show.out, "") << name;
            EXPECT_EQ(show.err, "qx410-ini: " + read.error().message + "\n") << name;
        }
    }
}

}  // namespace
}  // namespace qx

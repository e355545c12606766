#include <gtest/gtest.h>

#include "model/config_file_reader.h"
#include "model/config_file_writer.h"
#include "support/temp_dir.h"

namespace qx {
namespace {

constexpr unsigned kLatin = 1252;

// 25 lines in the layout, each "key" + "v<line>", ended by `end`.
std::string layoutFile(const std::string& end) {
    std::string text;
    for (std::size_t i = 0; i < kConfigurationLineCount; ++i) {
        text += std::string(kConfigurationLines[i].key) + (i == 0 ? "" : "v" + std::to_string(i + 1)) + end;
    }
    return text;
}

TEST(ConfigFileReader, CrOnlyAndCrLfLineEndsReadAlike) {
    const ConfigurationValues crlf = parseConfigurationFile(layoutFile("\r\n"), kLatin).value();
    const ConfigurationValues cr = parseConfigurationFile(layoutFile("\r"), kLatin).value();
    EXPECT_EQ(cr, crlf);
    EXPECT_EQ(crlf[1], "v2");
    EXPECT_EQ(crlf[24], "v25");
}

TEST(ConfigFileReader, LastLineMayEndAtTheEndOfTheFile) {
    std::string text = layoutFile("\r\n");
    text.resize(text.size() - 2);
    EXPECT_EQ(parseConfigurationFile(text, kLatin).value()[24], "v25");
}

TEST(ConfigFileReader, LfOnlyFileIsOneLineAndTooShort) {
    Result<ConfigurationValues> values = parseConfigurationFile(layoutFile("\n"), kLatin);
    ASSERT_FALSE(values);
    EXPECT_EQ(values.error().message, "it has 1 line, but a configuration file has 25.");
}

TEST(ConfigFileReader, LoneLfStaysInTheValue) {
    std::string text = layoutFile("\r\n");
    text.replace(text.find("v2"), 2, "a\nb");
    EXPECT_EQ(parseConfigurationFile(text, kLatin).value()[1], "a\nb");
}

TEST(ConfigFileReader, LinesAfterThe25thAreIgnored) {
    const std::string text = layoutFile("\r\n") + "junk\r\n\xFF\xFF\r\n";
    EXPECT_TRUE(parseConfigurationFile(text, kLatin));
}

TEST(ConfigFileReader, ValuesAreCutAtFixedPositionsWhateverTheKeys) {
    std::string text;
    const char* lines[] = {"whatever", "IP=10.0.0.1", "", "I", "Port=80 = x ", "12345678"};
    for (const char* line : lines) text += std::string(line) + "\r\n";
    for (int i = 6; i < 25; ++i) text += "\r\n";
    const ConfigurationValues values = parseConfigurationFile(text, kLatin).value();
    EXPECT_EQ(values[1], "0.0.0.1") << "line 2 counts from character 5";
    EXPECT_EQ(values[2], "") << "an empty line empties its field";
    EXPECT_EQ(values[3], "") << "a line shorter than its position";
    EXPECT_EQ(values[4], "80 = x ");
    EXPECT_EQ(values[5], "8");
}

TEST(ConfigFileReader, TheLaterTwinLineDecides) {
    std::string text = layoutFile("\r\n");
    text.replace(text.find("eAPN=v18"), 8, "eAPN=late");
    text.replace(text.find("Reciver2=v22"), 12, "Reciver2=second");
    const SettingsRecord record = recordFromValues(parseConfigurationFile(text, kLatin).value());
    EXPECT_EQ(record.APN, "late");
    EXPECT_EQ(record.Email2, "second");
    EXPECT_EQ(record.Email1, "v21");
}

TEST(ConfigFileReader, CharacterPositionsCountCharactersNotBytes) {
    std::string text = layoutFile("\r\n");
    // "ä" is one byte in 1252 and one character: the URL still starts at character 5.
    text.replace(text.find("URL=v2"), 6, "\xE4RL=x\xE9");
    EXPECT_EQ(parseConfigurationFile(text, kLatin).value()[1], "xé");
    std::string chinese = layoutFile("\r\n");
    // Two double-byte characters in the first four of line 2: the value is still from character 5.
    chinese.replace(chinese.find("URL=v2"), 6, "\xD6\xD0\xCE\xC4==\xD6\xD0\xCE\xC4");
    EXPECT_EQ(parseConfigurationFile(chinese, 936).value()[1], "中文");
}

TEST(ConfigFileReader, A24LineFileGivesNoValue) {
    std::string text = layoutFile("\r\n");
    text.resize(text.rfind("Reciver5="));
    Result<ConfigurationValues> values = parseConfigurationFile(text, kLatin);
    ASSERT_FALSE(values);
    EXPECT_EQ(values.error().message, "it has 24 lines, but a configuration file has 25.");
}

TEST(ConfigFileReader, MissingFileNamesItAndItsFolder) {
    test::TempDir dir;
    test::writeBytes(dir.file("MMS.INI"), layoutFile("\r\n"));
    Result<ConfigurationValues> values = readConfigurationFile(dir.file("MMS.INT"), kLatin);
    ASSERT_FALSE(values);
    EXPECT_EQ(values.error().message,
              "Cannot read \"" + dir.file("MMS.INT") + "\": the file does not exist in the folder \"" +
                  dir.path().string() + "\".");
}

TEST(ConfigFileReader, ShortFileErrorNamesTheFile) {
    test::TempDir dir;
    test::writeBytes(dir.file("MMS.INT"), "[MMS]\r\nURL=x\r\n");
    Result<ConfigurationValues> values = readConfigurationFile(dir.file("MMS.INT"), kLatin);
    ASSERT_FALSE(values);
    EXPECT_EQ(values.error().message,
              "Cannot read \"" + dir.file("MMS.INT") + "\": it has 2 lines, but a configuration file has 25.");
}

}  // namespace
}  // namespace qx

#include <gtest/gtest.h>

#include "model/config_file_reader.h"
#include "model/config_file_writer.h"
#include "support/temp_dir.h"

namespace qx {
namespace {

using test::readBytes;
using test::TempDir;

constexpr unsigned kLatin = 1252;

TEST(ConfigFileWriter, WorkedExampleIsExactly250Bytes) {
    SettingsRecord record;
    record.APN = "internet";
    record.Port = "80";
    record.Phone1 = "0123456789";
    record.ePort = "25";
    const std::string expected =
        "[MMS]\r\nURL=\r\nAPN=internet\r\nIP=\r\nPort=80\r\nPhone1=0123456789\r\nPhone2=\r\nPhone3=\r\n"
        "Phone4=\r\nPhone5=\r\nEmail1=\r\nEmail2=\r\nEmail3=\r\nEmail4=\r\nEmail5=\r\nServer=\r\nePort=25\r\n"
        "eAPN=internet\r\nSender=\r\nPassword=\r\nReciver1=\r\nReciver2=\r\nReciver3=\r\nReciver4=\r\n"
        "Reciver5=\r\n";
    ASSERT_EQ(expected.size(), 250u);

    TempDir dir;
    ASSERT_TRUE(writeConfigurationFile(record, dir.file("MMS.INI"), kLatin));
    EXPECT_EQ(readBytes(dir.file("MMS.INI")), expected);
}

TEST(ConfigFileWriter, EmptyRecordIsTheKeysAloneIn220Bytes) {
    const std::string text = encodeConfigurationFile(SettingsRecord{}, kLatin).value();
    EXPECT_EQ(text.size(), 220u);
    EXPECT_EQ(text.substr(0, 13), std::string("\x5B\x4D\x4D\x53\x5D\x0D\x0A\x55\x52\x4C\x3D\x0D\x0A"));
    EXPECT_EQ(text.substr(text.size() - 11), "Reciver5=\r\n");
    EXPECT_EQ(text.find('\xEF'), std::string::npos) << "no byte-order mark";
}

TEST(ConfigFileWriter, ValuesAreWrittenUnchangedAndTheTwinLinesAgree) {
    SettingsRecord record;
    record.APN = "  mms.example = x ";
    record.Email3 = "a=b@example.com ";
    record.Password = "p=ss word";
    const std::string text = formatConfigurationFile(record);
    EXPECT_NE(text.find("\r\nAPN=  mms.example = x \r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\neAPN=  mms.example = x \r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nEmail3=a=b@example.com \r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nReciver3=a=b@example.com \r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nPassword=p=ss word\r\n"), std::string::npos);
}

TEST(ConfigFileWriter, ReplacesALongerFileWhole) {
    TempDir dir;
    test::writeBytes(dir.file("MMS.INI"), std::string(5000, 'o'));
    ASSERT_TRUE(writeConfigurationFile(SettingsRecord{}, dir.file("MMS.INI"), kLatin));
    EXPECT_EQ(readBytes(dir.file("MMS.INI")), formatConfigurationFile(SettingsRecord{}));
    EXPECT_EQ(test::listFolder(dir.path()), "MMS.INI");
}

TEST(ConfigFileWriter, RoundTripThroughTheReader) {
    SettingsRecord record;
    record.URL = "http://mms.example.com:8002/";
    record.APN = " mms ";
    record.IP = "010.000.000.172 ";
    record.Port = "8080";
    record.Phone1 = "+39 333 1234567";
    record.Phone5 = "=5";
    record.Email1 = "andré@example.fr";
    record.Email5 = "x=y";
    record.Server = "smtp.exämple.de";
    record.ePort = "25";
    record.Sender = "café@example.com";
    record.Password = "  pa ss=  ";
    TempDir dir;
    ASSERT_TRUE(writeConfigurationFile(record, dir.file("MMS.INT"), kLatin));
    Result<ConfigurationValues> values = readConfigurationFile(dir.file("MMS.INT"), kLatin);
    ASSERT_TRUE(values) << values.error().message;
    EXPECT_EQ(recordFromValues(values.value()), record);
}

#ifndef _WIN32
TEST(ConfigFileWriter, NewFileGetsTheUsualPermissions) {
    TempDir dir;
    ASSERT_TRUE(writeConfigurationFile(SettingsRecord{}, dir.file("MMS.INI"), kLatin));
    const auto perms = std::filesystem::status(dir.file("MMS.INI")).permissions();
    const mode_t mask = ::umask(0);
    ::umask(mask);
    EXPECT_EQ(static_cast<unsigned>(perms), 0666u & ~static_cast<unsigned>(mask));
}
#endif

struct PathCase {
    const char* path;
    char separator;
    const char* expected;
};

class ConfigurationFilePath : public testing::TestWithParam<PathCase> {};

TEST_P(ConfigurationFilePath, KeepsTheFolderPartUpToTheLastSeparator) {
    EXPECT_EQ(configurationFilePath(GetParam().path, GetParam().separator), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ConfigurationFilePath,
    testing::Values(PathCase{"D:\\cam\\NET.CFG", '\\', "D:\\cam\\MMS.INI"},
                    PathCase{"D:\\cam\\", '\\', "D:\\cam\\MMS.INI"},
                    PathCase{"D:\\cam", '\\', "D:\\MMS.INI"},
                    PathCase{"", '\\', "MMS.INI"},
                    PathCase{"NET.CFG", '\\', "MMS.INI"},
                    PathCase{"D:cam", '\\', "MMS.INI"},
                    PathCase{"D:/cam/NET.CFG", '\\', "MMS.INI"},
                    PathCase{"\\\\host\\share\\cam\\NET.CFG", '\\', "\\\\host\\share\\cam\\MMS.INI"},
                    PathCase{"/media/card/NET.CFG", '/', "/media/card/MMS.INI"},
                    PathCase{"/media/card/", '/', "/media/card/MMS.INI"},
                    PathCase{"/media/card", '/', "/media/MMS.INI"},
                    PathCase{"/NET.CFG", '/', "/MMS.INI"},
                    PathCase{"", '/', "MMS.INI"},
                    PathCase{"card\\NET.CFG", '/', "MMS.INI"},
                    PathCase{"/media/ca rd/中文/NET.CFG", '/', "/media/ca rd/中文/MMS.INI"}),
    [](const testing::TestParamInfo<PathCase>& param) { return "Case" + std::to_string(param.index); });

TEST(ConfigurationFilePathLong, PathsLongerThan32767CharactersWork) {
    const std::string folder(40000, 'a');
    EXPECT_EQ(configurationFilePath(folder + "\\NET.CFG", '\\'), folder + "\\MMS.INI");
}

}  // namespace
}  // namespace qx

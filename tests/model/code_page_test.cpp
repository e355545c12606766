#include <gtest/gtest.h>

#include "model/code_page.h"
#include "model/config_file_writer.h"
#include "support/temp_dir.h"

namespace qx {
namespace {

TEST(CodePage, WesternEuropeanEAcuteIsE9) {
    EXPECT_EQ(toCodePage("é", 1252).value(), "\xE9");
    EXPECT_EQ(fromCodePage("\xE9", 1252).value(), "é");
}

TEST(CodePage, ChineseIsWrittenAsGbk) {
    EXPECT_EQ(toCodePage("中文 mms", 936).value(), "\xD6\xD0\xCE\xC4 mms");
    EXPECT_EQ(fromCodePage("\xD6\xD0\xCE\xC4", 936).value(), "中文");
}

TEST(CodePage, UnmappableCharacterIsAnError) {
    Result<std::string> bytes = toCodePage("a中b", 1252);
    ASSERT_FALSE(bytes);
    EXPECT_EQ(bytes.error().message, "the character \"中\" (U+4E2D) is not in code page 1252");
    EXPECT_FALSE(toCodePage("\xFF", 1252)) << "invalid UTF-8 is refused, not passed through";
    EXPECT_FALSE(toCodePage("Ω", 1252)) << "no best-fit look-alike";
}

// Found by the code-page fuzzer: code page 932 took "¬" and wrote the bytes of "￢".
TEST(CodePage, LookAlikeIsAnErrorNotASubstitute) {
    Result<std::string> bytes = toCodePage("e¬p", 932);
    ASSERT_FALSE(bytes) << "written as bytes that read back as " << fromCodePage(bytes.value(), 932).value();
    EXPECT_EQ(bytes.error().message, "the character \"¬\" (U+00AC) is not in code page 932");
    EXPECT_EQ(toCodePage("¥100", 932).error().message, "the character \"¥\" (U+00A5) is not in code page 932");
    EXPECT_EQ(toCodePage("カメラ", 932).value(), "\x83\x4A\x83\x81\x83\x89");
    EXPECT_EQ(toCodePage("￥", 932).value(), "\x81\x8F");
}

TEST(CodePage, AccentAfterItsLetterIsWrittenAsItIs) { EXPECT_EQ(toCodePage("a\u0301", 1258).value(), "a\xEC"); }

#ifndef _WIN32
// iconv writes a letter that code page 1258 lacks as its base letter and accents, and reads
// them back joined: such a letter is in the code page although its bytes are two characters.
TEST(CodePage, VietnameseLetterWithTwoAccentsIsWrittenAsBaseAndAccent) {
    EXPECT_EQ(toCodePage("Vi\u1EC7t", 1258).value(), "Vi\xEA\xF2t");
    EXPECT_EQ(fromCodePage("Vi\xEA\xF2t", 1258).value(), "Vi\u1EC7t");
}
#endif

TEST(CodePage, UnmappableCharacterNamesTheFieldAndWritesNothing) {
    SettingsRecord record;
    record.Email1 = "a@example.com";
    record.Password = "密码";
    test::TempDir dir;
    Result<void> written = writeConfigurationFile(record, dir.file("MMS.INI"), 1252);
    ASSERT_FALSE(written);
    EXPECT_EQ(written.error().message,
              "The field \"Password\" cannot be written: the character \"密\" (U+5BC6) is not in code page 1252. "
              "Remove or replace that character and try again.");
    EXPECT_EQ(test::listFolder(dir.path()), "");
    record.Password.clear();
    record.Email3 = "ü@例.com";
    EXPECT_NE(writeConfigurationFile(record, dir.file("MMS.INI"), 1252).error().message.find("\"Email 3\""),
              std::string::npos);
}

struct LocaleCase {
    const char* locale;
    unsigned codePage;
};

class LocaleCodePage : public testing::TestWithParam<LocaleCase> {};

TEST_P(LocaleCodePage, FollowsTheLanguageOfTheLocale) {
    EXPECT_EQ(codePageForLocale(GetParam().locale), GetParam().codePage) << GetParam().locale;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LocaleCodePage,
    testing::Values(LocaleCase{"zh_CN.UTF-8", 936}, LocaleCase{"zh_SG", 936}, LocaleCase{"zh_TW.UTF-8", 950},
                    LocaleCase{"zh_HK.Big5-HKSCS", 950}, LocaleCase{"zh_MO.UTF-8", 1252},
                    LocaleCase{"ja_JP.UTF-8", 932}, LocaleCase{"ko_KR.EUC-KR", 949},
                    LocaleCase{"ru_RU.KOI8-R", 1251}, LocaleCase{"uk_UA", 1251}, LocaleCase{"sr_RS@latin", 1251},
                    LocaleCase{"pl_PL.UTF-8", 1250}, LocaleCase{"bs_BA", 1250}, LocaleCase{"el_GR", 1253},
                    LocaleCase{"tr_TR.UTF-8", 1254}, LocaleCase{"az_AZ", 1254}, LocaleCase{"he_IL", 1255},
                    LocaleCase{"ar_EG", 1256}, LocaleCase{"fa_IR", 1256}, LocaleCase{"ur_PK", 1256},
                    LocaleCase{"lt_LT", 1257}, LocaleCase{"vi_VN", 1258}, LocaleCase{"th_TH.UTF-8", 874},
                    LocaleCase{"de_DE.UTF-8", 1252}, LocaleCase{"en_US", 1252}, LocaleCase{"C", 1252},
                    LocaleCase{"POSIX", 1252}, LocaleCase{"C.UTF-8", 1252}, LocaleCase{"", 1252}),
    [](const testing::TestParamInfo<LocaleCase>& param) { return "Case" + std::to_string(param.index); });

#ifndef _WIN32
TEST(CodePage, ActiveCodePageFollowsLcAllThenLcCtypeThenLang) {
    struct Saved {
        std::string name;
        std::optional<std::string> value;
    };
    std::vector<Saved> saved;
    for (const char* name : {"LC_ALL", "LC_CTYPE", "LANG"}) {
        const char* value = std::getenv(name);
        saved.push_back({name, value ? std::optional<std::string>(value) : std::nullopt});
    }
    ::setenv("LC_ALL", "", 1);
    ::setenv("LC_CTYPE", "ja_JP.UTF-8", 1);
    ::setenv("LANG", "ru_RU.UTF-8", 1);
    EXPECT_EQ(activeCodePage(), 932u);
    ::setenv("LC_ALL", "zh_CN.UTF-8", 1);
    EXPECT_EQ(activeCodePage(), 936u);
    ::unsetenv("LC_ALL");
    ::unsetenv("LC_CTYPE");
    EXPECT_EQ(activeCodePage(), 1251u);
    for (const Saved& s : saved) {
        if (s.value) ::setenv(s.name.c_str(), s.value->c_str(), 1); else ::unsetenv(s.name.c_str());
    }
}
#endif

}  // namespace
}  // namespace qx

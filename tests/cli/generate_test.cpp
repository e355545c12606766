// "qx410-ini generate" against the settings window itself: for each case the same inputs are
// made once by the real program and once in this process's headless window, and the two files
// must be the same bytes, with the same messages.
#include <gtest/gtest.h>

#include <functional>

#include "catalogue/operator_catalogue.h"
#include "cli_run.h"
#include "model/code_page.h"
#include "model/config_file_writer.h"
#include "support/scoped_mount.h"
#include "support/temp_dir.h"
#include "ui/headless_run.h"
#include "ui/settings/preset_steps.h"

namespace qx {
namespace {

using test::EnvironmentSetting;
using test::HeadlessRun;
using test::listFolder;
using test::pick;
using test::ProgramRun;
using test::readBytes;
using test::runCli;
using test::TempDir;
using test::writeBytes;

std::string utf8(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

// How PATH names the folder to write into.
enum class PathForm {
    Folder,               // the folder alone: the window's user would pick it with "..."
    FolderWithSeparator,  // typed into the Path field as it is
    FileInFolder,         // a file name, whose folder the window's rule takes
};

struct GenerateCase {
    std::string name;
    std::vector<std::string> options;       // what follows "generate", PATH aside
    std::function<void(Form5&)> inWindow;   // the same inputs made in the settings window
    std::size_t warnings = 0;               // messages before the success text
    std::string expectedBytes;              // bytes that the file must hold
    PathForm path = PathForm::FolderWithSeparator;
    std::string locale = test::kPlainLocale;
    unsigned codePage = 0;                  // the ANSI code page the case needs; 0: any
    unsigned argumentCodePage = 0;          // arguments and input given in this code page (POSIX)
    std::string input = {};                 // standard input, in UTF-8
};

void PrintTo(const GenerateCase& c, std::ostream* out) { *out << c.name; }

const std::vector<std::string> kMailOptions{"--phone",     "0123456789",       "--email",       "cam@example.com",
                                            "--smtp-server", "smtp.example.com", "--smtp-port", "25",
                                            "--sender",    "camera@example.com", "--password", "s3cret"};

void typeMail(Form5& window) {
    window.textEdited("Text7", "0123456789");
    window.textEdited("Text12", "cam@example.com");
    window.textEdited("Text20", "smtp.example.com");
    window.textEdited("Text21", "25");
    window.textEdited("Text19", "camera@example.com");
    window.textEdited("Text18", "s3cret");
}

std::vector<std::string> withMail(std::vector<std::string> options) {
    options.insert(options.end(), kMailOptions.begin(), kMailOptions.end());
    return options;
}

std::string apnLine(std::string_view country, std::string_view operatorName) {
    const OperatorPreset* preset = findPreset(country, operatorName);
    return preset == nullptr ? std::string("no preset") : "\r\nAPN=" + std::string(preset->apn) + "\r\n";
}

std::vector<GenerateCase> generateCases() {
    return {
        {"AutoWithTheDefaultOperator", withMail({"--country", "Canada"}),
         [](Form5& w) {
             pick(w, "Combo3", "Canada");
             typeMail(w);
         },
         0, apnLine("Canada", "Roger")},
        {"AutoWithAChosenOperator", withMail({"--country", "United Kingdom", "--operator", "Vodafone"}),
         [](Form5& w) {
             pick(w, "Combo3", "United Kingdom");
             pick(w, "Combo4", "Vodafone");
             typeMail(w);
         },
         0, apnLine("United Kingdom", "Vodafone")},
        {"AutoWithACountryWidePreset", withMail({"--country", "Ireland"}),
         [](Form5& w) {
             pick(w, "Combo3", "Ireland");
             typeMail(w);
         },
         0, apnLine("Ireland", "Vodafone")},
        // Belgium is in the catalogue but not in the window's "Country" list: the name is typed
        // into the selector and the country's step runs on it.
        {"AutoWithACountryOutsideTheWindowsList", withMail({"--country", "Belgium", "--operator", "Proximus"}),
         [](Form5& w) {
             w.textEdited("Combo3", "Belgium");
             countryChosen(w.model());
             pick(w, "Combo4", "Proximus");
             typeMail(w);
         },
         0, apnLine("Belgium", "Proximus")},
        {"Manual",
         withMail({"--manual", "--apn", "my.apn", "--url", "mms.example.net:8002/", "--ip", "10.1.2.3", "--port",
                   "8080"}),
         [](Form5& w) {
             pick(w, "Combo2", "Manual");
             w.textEdited("Text1", "my.apn");
             w.textEdited("Text4", "mms.example.net:8002/");
             w.textEdited("Text5", "10.1.2.3");
             w.textEdited("Text6", "8080");
             typeMail(w);
         },
         0, "URL=mms.example.net:8002/\r\nAPN=my.apn\r\nIP=10.1.2.3\r\nPort=8080\r\n"},
        {"BothWarnings", {"--smtp-server", "smtp.example.com"},
         [](Form5& w) { w.textEdited("Text20", "smtp.example.com"); }, 2,
         "Phone1=\r\n"},
        {"PhoneWarningOnly", {"--email", "cam@example.com"},
         [](Form5& w) { w.textEdited("Text12", "cam@example.com"); }, 1, "Reciver1=cam@example.com\r\n"},
        {"FivePhonesAndFiveEmailsInOrder",
         {"--phone", "p1", "--email", "e1", "--phone", "p2", "--phone", "p3", "--email", "e2", "--phone", "p4",
          "--phone", "p5", "--email", "e3", "--email", "e4", "--email", "e5"},
         [](Form5& w) {
             for (int i = 0; i < 5; ++i) {
                 w.textEdited("Text" + std::to_string(7 + i), "p" + std::to_string(i + 1));
                 w.textEdited("Text" + std::to_string(12 + i), "e" + std::to_string(i + 1));
             }
         },
         0, "Phone4=p4\r\nPhone5=p5\r\nEmail1=e1\r\nEmail2=e2\r\nEmail3=e3\r\nEmail4=e4\r\nEmail5=e5\r\n"},
        {"PathAsAFolderWithoutSeparator", withMail({"--country", "Italy"}),
         [](Form5& w) {
             pick(w, "Combo3", "Italy");
             typeMail(w);
         },
         0, apnLine("Italy", "TIM"), PathForm::Folder},
        {"PathAsAFileName", withMail({"--country", "Italy"}),
         [](Form5& w) {
             pick(w, "Combo3", "Italy");
             typeMail(w);
         },
         0, apnLine("Italy", "TIM"), PathForm::FileInFolder},
        {"PasswordFromStandardInput", {"--phone", "1", "--email", "e", "--password-file", "-"},
         [](Form5& w) {
             w.textEdited("Text7", "1");
             w.textEdited("Text12", "e");
             w.textEdited("Text18", "pass word=1");
         },
         0, "Password=pass word=1\r\n", PathForm::FolderWithSeparator, test::kPlainLocale, 0, 0,
         "pass word=1\r\nnot the password\r\n"},
        // 中文 is D6 D0 CE C4 and 张三 D5 C5 C8 FD in code page 936.
        {"ChineseUnderAChineseUtf8Locale",
         {"--country", "China", "--phone", "1", "--email", "张三@例子.中国", "--password", "中文"},
         [](Form5& w) {
             pick(w, "Combo3", "China");
             w.textEdited("Text7", "1");
             w.textEdited("Text12", "张三@例子.中国");
             w.textEdited("Text18", "中文");
         },
         0, "Password=\xD6\xD0\xCE\xC4\r\nReciver1=\xD5\xC5\xC8\xFD@", PathForm::FolderWithSeparator, "zh_CN.UTF-8",
         936},
#ifndef _WIN32
        // A GB2312 terminal: the arguments and the password on standard input arrive as GB2312 bytes.
        {"ChineseUnderAGb2312Locale",
         {"--country", "China", "--phone", "1", "--email", "张三", "--password-file", "-"},
         [](Form5& w) {
             pick(w, "Combo3", "China");
             w.textEdited("Text7", "1");
             w.textEdited("Text12", "张三");
             w.textEdited("Text18", "中文");
         },
         0, "Password=\xD6\xD0\xCE\xC4\r\nReciver1=\xD5\xC5\xC8\xFD\r\n", PathForm::FolderWithSeparator, "zh_CN", 936,
         936, "中文\n"},
#endif
    };
}

std::string pathText(PathForm form, const std::filesystem::path& folder) {
    switch (form) {
    case PathForm::Folder: return utf8(folder);
    case PathForm::FolderWithSeparator: return utf8(folder) + kNativeSeparator;
    case PathForm::FileInFolder: return utf8(folder / "camera.cfg");
    }
    return {};
}

std::string inCodePage(const std::string& text, unsigned codePage) {
    if (codePage == 0) return text;
    Result<std::string> bytes = toCodePage(text, codePage);
    return bytes ? bytes.value() : "(not in code page " + std::to_string(codePage) + ")";
}

struct WindowOutcome {
    std::vector<std::string> messages;
    std::string file;
};

WindowOutcome generateInWindow(const GenerateCase& c, const std::filesystem::path& folder) {
    const test::ScopedEnvironment locale(test::localeSettings(c.locale));
    HeadlessRun run;
    Form5& window = run.openSettings();
    c.inWindow(window);
    if (c.path == PathForm::Folder) {
        run.platform.answerFolderBrowser(utf8(folder));
        window.clicked("Command4");
    } else {
        window.textEdited("Text17", pathText(c.path, folder));
    }
    window.clicked("Command2");
    return {run.platform.messages, readBytes(folder / "MMS.INI")};
}

std::string warningLines(const std::vector<std::string>& messages) {
    std::string text;
    for (std::size_t i = 0; i + 1 < messages.size(); ++i) text += "qx410-ini: warning: " + messages[i] + "\n";
    return text;
}

class CliGenerate : public testing::TestWithParam<GenerateCase> {};

TEST_P(CliGenerate, WritesTheWindowsFileAndSaysWhatTheWindowSays) {
    const GenerateCase& c = GetParam();
    if (c.codePage != 0) {
        const test::ScopedEnvironment locale(test::localeSettings(c.locale));
        if (test::modelCodePage() != c.codePage) {
            GTEST_SKIP() << "needs code page " << c.codePage << ", this run has " << test::modelCodePage();
        }
        if (!test::localeAvailable(c.locale)) GTEST_SKIP() << "the locale " << c.locale << " is not installed";
    }
    TempDir cliFolder;
    TempDir windowFolder;
    std::vector<std::string> arguments{"generate"};
    for (const std::string& option : c.options) arguments.push_back(inCodePage(option, c.argumentCodePage));
    arguments.push_back(pathText(c.path, cliFolder.path()));
    const ProgramRun cli = runCli(arguments, c.locale, inCodePage(c.input, c.argumentCodePage));
    const WindowOutcome window = generateInWindow(c, windowFolder.path());

    ASSERT_EQ(window.messages.size(), c.warnings + 1);
    EXPECT_EQ(window.messages.back(), "Create configure file success.");
    EXPECT_EQ(cli.exitCode, 0) << cli.err;
    EXPECT_EQ(cli.out, window.messages.back() + "\n");
    EXPECT_EQ(cli.err, warningLines(window.messages));
    EXPECT_NE(window.file.find(c.expectedBytes), std::string::npos) << "the window's file lacks what the case is about";
    EXPECT_EQ(readBytes(cliFolder.path() / "MMS.INI"), window.file);
    EXPECT_EQ(listFolder(cliFolder.path()), "MMS.INI");
}

INSTANTIATE_TEST_SUITE_P(Cases, CliGenerate, testing::ValuesIn(generateCases()),
                         [](const testing::TestParamInfo<GenerateCase>& param) { return param.param.name; });

TEST(CliGenerate, PasswordFromAFileIsItsFirstLine) {
    TempDir folder;
    writeBytes(folder.path() / "password.txt", "top secret\nsecond line\n");
    const ProgramRun cli = runCli({"generate", "--phone", "1", "--email", "e", "--password-file",
                                   utf8(folder.path() / "password.txt"), utf8(folder.path()) + kNativeSeparator});
    EXPECT_EQ(cli.exitCode, 0) << cli.err;
    EXPECT_NE(readBytes(folder.path() / "MMS.INI").find("\r\nPassword=top secret\r\n"), std::string::npos);
}

// Faults of the write itself: the window's own error text, exit status 1, and nothing written.
void expectTheWindowsError(const std::string& sender, const std::string& path) {
    const ProgramRun cli = runCli({"generate", "--phone", "0123456789", "--email", "cam@example.com", "--sender",
                                   sender, path});

    const test::ScopedEnvironment locale(test::localeSettings(test::kPlainLocale));
    HeadlessRun run;
    Form5& window = run.openSettings();
    window.textEdited("Text7", "0123456789");
    window.textEdited("Text12", "cam@example.com");
    window.textEdited("Text19", sender);
    window.textEdited("Text17", path);
    window.clicked("Command2");
    ASSERT_EQ(run.platform.messages.size(), 1u);
    ASSERT_NE(run.platform.messages.back(), "Create configure file success.");

    EXPECT_EQ(cli.exitCode, 1);
    EXPECT_EQ(cli.out, "");
    EXPECT_EQ(cli.err, "qx410-ini: " + run.platform.messages.back() + "\n");
}

TEST(CliGenerateFaults, MissingFolder) {
    TempDir folder;
    expectTheWindowsError("camera@example.com", utf8(folder.path() / "no-such-folder") + kNativeSeparator);
    EXPECT_EQ(listFolder(folder.path()), "");
}

TEST(CliGenerateFaults, CharacterTheCodePageLacks) {
    const test::ScopedEnvironment locale(test::localeSettings(test::kPlainLocale));
    if (test::modelCodePage() != 1252) GTEST_SKIP() << "needs code page 1252";
    TempDir folder;
    expectTheWindowsError("张三@example.com", utf8(folder.path()) + kNativeSeparator);
    EXPECT_EQ(listFolder(folder.path()), "");
}

#ifndef _WIN32
TEST(CliGenerateFaults, ReadOnlyDiskLeavesNoFile) {
    test::ScopedTmpfs disk(1 << 20);
    if (!disk.mounted()) GTEST_SKIP() << disk.why();
    ASSERT_TRUE(disk.makeReadOnly());
    expectTheWindowsError("camera@example.com", utf8(disk.path()) + "/");
    EXPECT_EQ(listFolder(disk.path()), "");
}

TEST(CliGenerateFaults, FullDiskKeepsTheOldFileWhole) {
    test::ScopedTmpfs disk(64 << 10);
    if (!disk.mounted()) GTEST_SKIP() << disk.why();
    const std::string old = "[MMS]\r\nURL=old\r\n";
    writeBytes(disk.file("MMS.INI"), old);
    disk.fill();
    expectTheWindowsError("camera@example.com", utf8(disk.path()) + "/");
    EXPECT_EQ(readBytes(disk.file("MMS.INI")), old);
    EXPECT_EQ(listFolder(disk.path()), "MMS.INI filler");
}
#endif

}  // namespace
}  // namespace qx

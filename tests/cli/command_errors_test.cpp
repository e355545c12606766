// Exit statuses and messages of qx410-ini: 0 for success and help, 1 for a user error with one
// line on standard error, 2 for a command line that is wrong.
#include <gtest/gtest.h>

#include "cli_run.h"
#include "model/code_page.h"
#include "support/temp_dir.h"

namespace qx {
namespace {

using test::linesOf;
using test::ProgramRun;
using test::runCli;

struct ErrorCase {
    std::vector<std::string> arguments;
    int exitCode;
    std::vector<std::string> saying;  // parts of the one line on standard error
};

std::string joined(const std::vector<std::string>& arguments) {
    std::string text;
    for (const std::string& argument : arguments) text += (text.empty() ? "" : " ") + argument;
    return text;
}

void expectError(const ErrorCase& c, const std::string& locale = test::kPlainLocale) {
    const ProgramRun run = runCli(c.arguments, locale);
    const std::string what = joined(c.arguments);
    EXPECT_EQ(run.exitCode, c.exitCode) << what << "\n" << run.err;
    EXPECT_EQ(run.out, "") << what;
    ASSERT_EQ(linesOf(run.err).size(), 1u) << what << "\n" << run.err;
    EXPECT_TRUE(run.err.starts_with("qx410-ini: ")) << run.err;
    EXPECT_TRUE(run.err.ends_with("\n")) << run.err;
    for (const std::string& part : c.saying) EXPECT_NE(run.err.find(part), std::string::npos) << what << "\n" << run.err;
}

TEST(CliErrors, UserErrorsNameWhatIsWrongAndHowToListTheValidNames) {
    const ErrorCase cases[] = {
        {{"generate", "--country", "Narnia", "."}, 1, {"\"Narnia\"", "\"qx410-ini countries --all\""}},
        {{"generate", "--country", "germany", "."}, 1, {"\"germany\"", "countries --all"}},  // case counts
        {{"generate", "--country", "Italy", "--operator", "Roger", "."}, 1,
         {"\"Italy\" offers no operator \"Roger\"", "\"qx410-ini operators Italy\""}},
        {{"generate", "--country", "United Kingdom", "--operator", "Nokia", "."}, 1,
         {"knows no operator \"Nokia\"", "\"qx410-ini operators \"United Kingdom\"\""}},
        {{"generate", "--country", "Germany", "."}, 1,
         {"\"Germany\" has no default operator", "--operator", "\"qx410-ini operators Germany\""}},
        {{"generate", "--country", "Russia", "."}, 1, {"\"Russia\" has no default operator"}},
        {{"generate", "--phone", "12\n34", "."}, 1, {"--phone", "line break"}},
        {{"generate", "--password-file", "no-such-password-file", "."}, 1, {"no-such-password-file"}},
        {{"operators", "Atlantis"}, 1, {"\"Atlantis\"", "countries --all"}},
        {{"preset", "Atlantis"}, 1, {"\"Atlantis\"", "countries --all"}},
        {{"preset", "Germany"}, 1, {"\"Germany\" has no default operator"}},
        {{"preset", "Italy", "Telus"}, 1, {"\"Italy\" offers no operator \"Telus\""}},
        // Offered by the list, but missing from the preset table: the window would write nothing.
        {{"preset", "Australia", "Three"}, 1, {"no preset for \"Three\" of \"Australia\""}},
    };
    for (const ErrorCase& c : cases) expectError(c);
}

TEST(CliErrors, UsageErrorsPointToTheCommandsHelp) {
    std::vector<std::string> sixPhones{"generate"};
    for (int i = 0; i < 6; ++i) sixPhones.insert(sixPhones.end(), {"--phone", std::to_string(i)});
    sixPhones.push_back(".");
    std::vector<std::string> sixEmails{"generate"};
    for (int i = 0; i < 6; ++i) sixEmails.insert(sixEmails.end(), {"--email", std::to_string(i)});
    sixEmails.push_back(".");
    const ErrorCase cases[] = {
        {{}, 2, {"\"qx410-ini --help\""}},
        {{"frobnicate"}, 2, {"frobnicate", "\"qx410-ini --help\""}},
        {{"generate"}, 2, {"PATH", "\"qx410-ini generate --help\""}},
        {{"generate", "--operator", "TIM", "."}, 2, {"--operator requires --country"}},
        {{"generate", "--manual", "--country", "Italy", "."}, 2, {"--country", "--manual"}},
        {{"generate", "--apn", "my.apn", "."}, 2, {"--apn requires --manual"}},
        {{"generate", "--password", "a", "--password-file", "-", "."}, 2, {"--password", "--password-file"}},
        {{"generate", "--bogus", "."}, 2, {"--bogus"}},
        {{"generate", ".", "extra"}, 2, {"extra"}},
        {sixPhones, 2, {"--phone", "five"}},
        {sixEmails, 2, {"--email", "five"}},
        {{"show"}, 2, {"FILE", "\"qx410-ini show --help\""}},
        {{"operators"}, 2, {"COUNTRY", "\"qx410-ini operators --help\""}},
        {{"countries", "--every"}, 2, {"--every", "\"qx410-ini countries --help\""}},
        {{"preset"}, 2, {"COUNTRY"}},
    };
    for (const ErrorCase& c : cases) expectError(c);
}

TEST(CliErrors, HelpOnEveryLevelGoesToStandardOutput) {
    const struct {
        std::vector<std::string> arguments;
        std::string usage;
    } cases[] = {
        {{"--help"}, "Usage: qx410-ini [OPTIONS] SUBCOMMAND"},
        {{"generate", "--help"}, "Usage: qx410-ini generate [OPTIONS] PATH"},
        {{"show", "-h"}, "Usage: qx410-ini show [OPTIONS] FILE"},
        {{"countries", "--help"}, "Usage: qx410-ini countries [OPTIONS]"},
        {{"operators", "--help"}, "Usage: qx410-ini operators [OPTIONS] COUNTRY"},
        {{"preset", "--help"}, "Usage: qx410-ini preset [OPTIONS] COUNTRY [OPERATOR]"},
        {{"presets", "--help"}, "Usage: qx410-ini presets [OPTIONS]"},
    };
    for (const auto& c : cases) {
        const ProgramRun run = runCli(c.arguments);
        EXPECT_EQ(run.exitCode, 0) << joined(c.arguments) << "\n" << run.err;
        EXPECT_NE(run.out.find(c.usage), std::string::npos) << run.out;
        EXPECT_EQ(run.err, "");
    }
    const ProgramRun generateHelp = runCli({"generate", "--help"});
    for (const char* option : {"--country", "--operator", "--manual", "--apn", "--url", "--ip", "--port", "--phone",
                               "--email", "--smtp-server", "--smtp-port", "--sender", "--password",
                               "--password-file"}) {
        EXPECT_NE(generateHelp.out.find(option), std::string::npos) << option;
    }
    EXPECT_NE(generateHelp.out.find("countries --all"), std::string::npos) << "says which country names it takes";
}

TEST(CliErrors, NothingIsWrittenAfterAUserError) {
    test::TempDir folder;
    const std::string path = folder.file("");
    const ErrorCase c{{"generate", "--country", "Germany", "--phone", "1", "--email", "e", path}, 1, {"Germany"}};
    expectError(c);
    EXPECT_EQ(test::listFolder(folder.path()), "");
}

#ifndef _WIN32
// Bytes that are not text of the terminal's encoding are refused, naming the argument.
TEST(CliErrors, ArgumentsThatAreNotTextOfTheLocale) {
    expectError({{"generate", "--sender", "caf\xC3", "."}, 1, {"argument 3 is not UTF-8 text"}});
    {
        const test::ScopedEnvironment locale(test::localeSettings("zh_CN"));
        if (!test::localeAvailable("zh_CN")) GTEST_SKIP() << "the locale zh_CN is not installed";
    }
    expectError({{"show", "\xFF\xFF"}, 1, {"argument 2 is not text in the locale's encoding GB2312"}}, "zh_CN");
}
#endif

}  // namespace
}  // namespace qx

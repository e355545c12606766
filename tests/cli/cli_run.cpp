#include "cli_run.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <sstream>

#include "model/code_page.h"

#ifndef _WIN32
#include <locale.h>
#endif

namespace qx::test {

std::vector<EnvironmentSetting> localeSettings(const std::string& locale) {
#ifdef _WIN32
    static_cast<void>(locale);
    return {};
#else
    // Debian compiles none of these by default; the build compiles them beside the tests.
    std::optional<std::string> localePath;
    if (locale == "zh_CN.UTF-8" || locale == "zh_CN" || locale == "en_US.ISO-8859-1") localePath = QX_CLI_TEST_LOCALES;
    return {{"LC_ALL", locale}, {"LC_CTYPE", std::nullopt}, {"LANG", std::nullopt}, {"LOCPATH", localePath}};
#endif
}

ProgramRun runCli(const std::vector<std::string>& arguments, const std::string& locale, const std::string& input) {
    return runProgram(cliProgram(), arguments, localeSettings(locale), input);
}

ScopedEnvironment::ScopedEnvironment(const std::vector<EnvironmentSetting>& settings) {
    for (const EnvironmentSetting& setting : settings) {
        const char* old = std::getenv(setting.name.c_str());
        previous_.push_back({setting.name, old != nullptr ? std::optional<std::string>(old) : std::nullopt});
#ifdef _WIN32
        _putenv_s(setting.name.c_str(), setting.value.value_or("").c_str());
#else
        if (setting.value) {
            ::setenv(setting.name.c_str(), setting.value->c_str(), 1);
        } else {
            ::unsetenv(setting.name.c_str());
        }
#endif
    }
}

ScopedEnvironment::~ScopedEnvironment() {
    for (auto it = previous_.rbegin(); it != previous_.rend(); ++it) {
#ifdef _WIN32
        _putenv_s(it->name.c_str(), it->value.value_or("").c_str());
#else
        if (it->value) {
            ::setenv(it->name.c_str(), it->value->c_str(), 1);
        } else {
            ::unsetenv(it->name.c_str());
        }
#endif
    }
}

nlohmann::ordered_json parsedJson(const std::string& text) {
    try {
        return nlohmann::ordered_json::parse(text);
    } catch (const nlohmann::json::parse_error& error) {
        ADD_FAILURE() << "not JSON: " << error.what() << "\n" << text;
        return nullptr;
    }
}

std::string textOrNone(const nlohmann::ordered_json& value) {
    if (value.is_null()) return "None";
    EXPECT_TRUE(value.is_string()) << value.dump();
    return value.is_string() ? value.get<std::string>() : value.dump();
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

bool localeAvailable(const std::string& locale) {
#ifdef _WIN32
    static_cast<void>(locale);
    return true;
#else
    const locale_t loaded = ::newlocale(LC_CTYPE_MASK, locale.c_str(), static_cast<locale_t>(nullptr));
    if (loaded == static_cast<locale_t>(nullptr)) return false;
    ::freelocale(loaded);
    return true;
#endif
}

unsigned modelCodePage() { return activeCodePage(); }

}  // namespace qx::test

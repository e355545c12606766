#pragma once

#include <nlohmann/json.hpp>

#include <optional>
#include <string>
#include <vector>

#include "program_run.h"

namespace qx::test {

// The locale the tests give qx410-ini unless a case needs another: UTF-8 text, code page 1252.
inline constexpr const char* kPlainLocale = "C.UTF-8";

// Locale settings for a run of qx410-ini, and for the window model in this process while
// the same case runs. Windows takes its code page from the system, not from the environment,
// so there the settings are left out and a case that needs a code page checks GetACP().
std::vector<EnvironmentSetting> localeSettings(const std::string& locale);

ProgramRun runCli(const std::vector<std::string>& arguments, const std::string& locale = kPlainLocale,
                  const std::string& input = {});

// Sets environment variables for one scope and restores them afterwards.
class ScopedEnvironment {
public:
    explicit ScopedEnvironment(const std::vector<EnvironmentSetting>& settings);
    ~ScopedEnvironment();
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    std::vector<EnvironmentSetting> previous_;
};

// Output that must be JSON, parsed by a real parser; a parse error fails the test with the
// parser's own message and gives null.
nlohmann::ordered_json parsedJson(const std::string& text);

// A JSON value that must be a string or null: its text, or "None" for null.
std::string textOrNone(const nlohmann::ordered_json& value);

std::vector<std::string> linesOf(const std::string& text);

// Whether the C library can load the locale, with the environment as it is now.
bool localeAvailable(const std::string& locale);

// The code page in which this process's window model writes MMS.INI.
unsigned modelCodePage();

}  // namespace qx::test

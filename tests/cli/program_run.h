#pragma once

#include <optional>
#include <string>
#include <vector>

namespace qx::test {

// What a program run left behind: its exit status and everything it wrote, byte for byte.
struct ProgramRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// A variable set (or, with none, removed) in the program's environment.
struct EnvironmentSetting {
    std::string name;
    std::optional<std::string> value;
};

// Runs a program to its end with the arguments as they are (bytes on POSIX, UTF-8 on
// Windows), the environment of this process changed by `environment`, and `input` on its
// standard input.
ProgramRun runProgram(const std::string& program, const std::vector<std::string>& arguments,
                      const std::vector<EnvironmentSetting>& environment = {}, const std::string& input = {});

// qx410-ini as built beside these tests.
std::string cliProgram();

}  // namespace qx::test

#pragma once

#include <string>
#include <vector>

#include "cli/terminal.h"

namespace qx::cli {

// Parses the arguments (UTF-8, without the program name), runs the command they name and
// returns the exit status.
int runCommandLine(const std::vector<std::string>& arguments, const Terminal& terminal);

}  // namespace qx::cli

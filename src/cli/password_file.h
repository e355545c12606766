#pragma once

#include <string>

#include "cli/terminal.h"
#include "model/result.h"

namespace qx::cli {

// The mail password kept in a file, so that it does not stand on the command line where every
// user of the machine can see it: the file's first line, without its line end. "-" reads it from
// standard input.
Result<std::string> readPasswordFile(const std::string& fileName, const Terminal& terminal);

}  // namespace qx::cli

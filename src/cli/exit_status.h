#pragma once

namespace qx::cli {

// What the program's exit status tells a script.
enum ExitStatus : int {
    kSuccess = 0,
    kUserError = 1,   // the command was well-formed, but what it names or needs is not there
    kUsageError = 2,  // the command line itself is wrong; --help shows the right form
};

}  // namespace qx::cli

#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/result.h"

namespace qx::cli {

// The program's edge to the terminal: arguments come in, and text goes out, in the encoding
// the user's terminal speaks; everything between is UTF-8.
//
// POSIX: the encoding of the locale (LC_ALL, LC_CTYPE, LANG). The plain C locale names no
// encoding beyond ASCII, so there text is taken and given as UTF-8, which is what a terminal
// without a locale most likely shows.
// Windows: the wide command line; a console gets UTF-16 through the console API, while a
// pipe or a file gets UTF-8, so that nothing is lost on the way to another program.
class Terminal {
public:
    Terminal();

    // The arguments after the program name, in UTF-8. A byte sequence that is not text of
    // the locale's encoding is an error naming the argument.
    Result<std::vector<std::string>> arguments(int argc, char** argv) const;

    // Text read from a file or standard input, in UTF-8. A UTF-8 byte-order mark says that the
    // text is UTF-8 whatever the locale; without one the text is taken as the locale's (on
    // Windows: the ANSI code page's, or the console's for a console).
    Result<std::string> decodeInput(std::string_view bytes, bool fromConsole) const;

    // Writes UTF-8 text to standard output or standard error. A character that the terminal's
    // encoding cannot show is written as its code point ("<U+4E2D>"), never dropped.
    void out(std::string_view text) const;
    void err(std::string_view text) const;

    // Whether standard input is an interactive console rather than a pipe or a file.
    bool inputIsConsole() const;

private:
    std::string encoding_;  // POSIX: the locale's codeset; empty means UTF-8
};

}  // namespace qx::cli

#include "cli/password_file.h"

#include <cstdio>

#include "model/file_system.h"

namespace qx::cli {
namespace {

std::string firstLine(std::string_view bytes) { return std::string(bytes.substr(0, bytes.find_first_of("\r\n"))); }

// Standard input up to its first line end, so that a password typed at the console needs no
// end-of-file key.
Result<std::string> readStandardInputLine() {
    std::string bytes;
    for (int c = std::getchar(); c != EOF && c != '\n'; c = std::getchar()) bytes += static_cast<char>(c);
    if (std::ferror(stdin)) return Error{"Cannot read the password from standard input."};
    return bytes;
}

}  // namespace

Result<std::string> readPasswordFile(const std::string& fileName, const Terminal& terminal) {
    const bool fromStandardInput = fileName == "-";
    Result<std::string> bytes = fromStandardInput ? readStandardInputLine() : readWholeFile(fileName);
    if (!bytes) return bytes.error();
    Result<std::string> text = terminal.decodeInput(firstLine(bytes.value()),
                                                    fromStandardInput && terminal.inputIsConsole());
    if (!text) {
        const std::string source = fromStandardInput ? std::string("standard input") : "\"" + fileName + "\"";
        return Error{"The password in " + source + " " + text.error().message + "."};
    }
    return text;
}

}  // namespace qx::cli

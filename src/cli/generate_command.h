#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/terminal.h"

namespace qx::cli {

// What "generate" was told: the user's picks and typing in the settings window.
struct GenerateRequest {
    std::optional<std::string> country;
    std::optional<std::string> operatorName;
    bool manual = false;
    std::string apn, url, ip, port;
    std::vector<std::string> phones, emails;  // at most five each, first to fifth
    std::string smtpServer, smtpPort, sender, password;
    std::string path;
};

// The text that goes into the "Path" field for PATH. An existing folder is taken as the folder
// to write into even without a final separator, which the window's rule would otherwise read as
// a file name and drop.
std::string pathFieldText(const std::string& path);

// Opens the settings window headless, makes the request's picks and typing, presses "Generate"
// and reports what the window said: warnings and errors on standard error, the success text on
// standard output. Returns the exit status.
int generateConfiguration(const GenerateRequest& request, const Terminal& terminal);

}  // namespace qx::cli

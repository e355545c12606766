#pragma once

#include <string>

#include "cli/terminal.h"

namespace qx::cli {

// Reads a file in the MMS.INI layout by line position, as the window's reader does, and prints
// the values under the window's frames and labels, or as one JSON object keyed by the record's
// field names. Returns the exit status.
int showConfiguration(const std::string& fileName, bool json, const Terminal& terminal);

}  // namespace qx::cli

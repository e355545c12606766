#pragma once

#include <optional>
#include <string>

#include "cli/terminal.h"

namespace qx::cli {

// Each prints one view of the operator catalogue and returns the exit status.

// The settings window's "Country" list, or with `all` every country of the operator list.
int listCountries(bool all, const Terminal& terminal);

// A country's operators in display order, the default operator marked with "*".
int listOperators(const std::string& country, const Terminal& terminal);

// The preset that picking the country (and the operator) in the window writes.
int showPreset(const std::string& country, const std::optional<std::string>& operatorName, bool json,
               const Terminal& terminal);

// Every preset of the preset table in its stored order.
int listPresets(bool json, const Terminal& terminal);

}  // namespace qx::cli

#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "catalogue/operator_catalogue.h"
#include "model/result.h"

namespace qx::cli {

inline constexpr std::string_view kProgramName = "qx410-ini";

// A name as it would be typed in a shell: in double quotes when it holds anything but letters,
// digits, "-", "_" and ".", which both POSIX shells and the Windows command line understand.
std::string shellWord(std::string_view name);

// The operator-list entry of a country. Any country of that table is accepted, not only the 35
// that the settings window's "Country" list offers: the window's steps handle each alike.
Result<const CountryOperators*> listedCountry(std::string_view country);

// A country and the operator that the "Operators" selector shows after the window's steps: the
// one given, which the country's list must offer, or else the country's default operator.
struct OperatorChoice {
    const CountryOperators* country;
    std::string operatorName;
    bool givenByUser;
};

Result<OperatorChoice> chooseOperator(std::string_view country, std::optional<std::string_view> operatorName);

}  // namespace qx::cli

#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace qx {

// The MMS settings that choosing one operator writes into the settings window.
struct OperatorPreset {
    std::string_view apn;
    // Absent leaves the window's field as it is; present but empty clears it.
    std::optional<std::string_view> password;
    std::optional<std::string_view> account;
    std::string_view url;
    std::string_view ip;
    std::string_view port;
};

// What the "Operators" selector offers once a country is chosen.
struct CountryOperators {
    std::string_view country;
    std::span<const std::string_view> operators;  // display order
    std::optional<std::string_view> defaultOperator;
};

struct OperatorPresetPair {
    std::string_view operatorName;
    OperatorPreset preset;
};

// A country's presets: either one for the whole country, or one per operator name.
struct CountryPresets {
    std::string_view country;
    std::optional<OperatorPreset> countryWide;        // set for a country-wide entry
    std::span<const OperatorPresetPair> perOperator;  // non-empty for a per-operator entry
    bool isCountryWide() const { return countryWide.has_value(); }
};

// The two tables are keyed by the selectors' texts and kept independent of each other: a
// country or operator may be in one and missing, or spelled differently, in the other.
class OperatorCatalogue {
public:
    static std::span<const CountryOperators> operatorLists();         // stored order
    static std::span<const CountryPresets> presetTable();             // stored order
    static std::span<const std::string_view> countrySelectorItems();  // the settings window's "Country" list
};

// Both lookups take the first entry whose key equals the whole text, case-sensitively and
// without trimming; they return a pointer into the constant tables, or nullptr.
const CountryOperators* findCountry(std::string_view country);
const OperatorPreset* findPreset(std::string_view country, std::string_view operatorName);

}  // namespace qx

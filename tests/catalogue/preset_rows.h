#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/operator_catalogue.h"

namespace qx::test {

// One preset of the table with the keys it is stored under; operatorName is empty for a
// country-wide preset.
struct PresetRef {
    std::string_view country;
    std::optional<std::string_view> operatorName;
    const OperatorPreset* preset;

    std::string label() const {
        return std::string(country) + " / " + (operatorName ? std::string(*operatorName) : std::string("*"));
    }
};

// Walks the stored table directly, so that content checks do not depend on the lookups.
inline std::vector<PresetRef> allPresets() {
    std::vector<PresetRef> presets;
    for (const CountryPresets& entry : OperatorCatalogue::presetTable()) {
        if (entry.isCountryWide()) {
            presets.push_back({entry.country, std::nullopt, &*entry.countryWide});
        }
        for (const OperatorPresetPair& pair : entry.perOperator) {
            presets.push_back({entry.country, pair.operatorName, &pair.preset});
        }
    }
    return presets;
}

// "Country / key" of the stored preset at this address, "none" for nullptr.
inline std::string labelOf(const OperatorPreset* preset) {
    if (preset == nullptr) {
        return "none";
    }
    for (const PresetRef& ref : allPresets()) {
        if (ref.preset == preset) {
            return ref.label();
        }
    }
    return "an address outside the preset table";
}

}  // namespace qx::test

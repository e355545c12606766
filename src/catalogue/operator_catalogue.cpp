#include "catalogue/operator_catalogue.h"

namespace qx {

const CountryOperators* findCountry(std::string_view country) {
    for (const CountryOperators& entry : OperatorCatalogue::operatorLists()) {
        if (entry.country == country) {
            return &entry;
        }
    }
    return nullptr;
}

const OperatorPreset* findPreset(std::string_view country, std::string_view operatorName) {
    for (const CountryPresets& entry : OperatorCatalogue::presetTable()) {
        if (entry.country != country) {
            continue;
        }
        if (entry.isCountryWide()) {
            return &*entry.countryWide;
        }
        for (const OperatorPresetPair& pair : entry.perOperator) {
            if (pair.operatorName == operatorName) {
                return &pair.preset;
            }
        }
        // Only the first entry of a country counts, even if it has no pair for the operator.
        return nullptr;
    }
    return nullptr;
}

}  // namespace qx

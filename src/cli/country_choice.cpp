#include "cli/country_choice.h"

#include <algorithm>

namespace qx::cli {
namespace {

std::string quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

std::string operatorsCommand(std::string_view country) {
    return "\"" + std::string(kProgramName) + " operators " + shellWord(country) + "\"";
}

bool offers(const CountryOperators& entry, std::string_view operatorName) {
    return std::find(entry.operators.begin(), entry.operators.end(), operatorName) != entry.operators.end();
}

bool anyCountryOffers(std::string_view operatorName) {
    const auto lists = OperatorCatalogue::operatorLists();
    return std::any_of(lists.begin(), lists.end(),
                       [&](const CountryOperators& entry) { return offers(entry, operatorName); });
}

}  // namespace

std::string shellWord(std::string_view name) {
    const bool plain = !name.empty() && std::all_of(name.begin(), name.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_' ||
               c == '.';
    });
    return plain ? std::string(name) : quoted(name);
}

Result<const CountryOperators*> listedCountry(std::string_view country) {
    if (const CountryOperators* entry = findCountry(country)) return entry;
    return Error{"the catalogue knows no country " + quoted(country) + "; \"" + std::string(kProgramName) +
                 " countries --all\" lists its countries"};
}

Result<OperatorChoice> chooseOperator(std::string_view country, std::optional<std::string_view> operatorName) {
    Result<const CountryOperators*> entry = listedCountry(country);
    if (!entry) return entry.error();
    const CountryOperators& list = *entry.value();
    if (!operatorName) {
        if (!list.defaultOperator) {
            return Error{quoted(country) + " has no default operator: choose one with --operator; " +
                         operatorsCommand(country) + " lists them"};
        }
        return OperatorChoice{&list, std::string(*list.defaultOperator), false};
    }
    if (!offers(list, *operatorName)) {
        if (anyCountryOffers(*operatorName)) {
            return Error{quoted(country) + " offers no operator " + quoted(*operatorName) + "; " +
                         operatorsCommand(country) + " lists its operators"};
        }
        return Error{"the catalogue knows no operator " + quoted(*operatorName) + "; " + operatorsCommand(country) +
                     " lists the operators of " + quoted(country)};
    }
    return OperatorChoice{&list, std::string(*operatorName), true};
}

}  // namespace qx::cli

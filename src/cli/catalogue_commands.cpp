#include "cli/catalogue_commands.h"

#include <array>

#include "catalogue/operator_catalogue.h"
#include "cli/country_choice.h"
#include "cli/exit_status.h"
#include "cli/json_text.h"

namespace qx::cli {
namespace {

// A preset's fields in the order the window writes them, with the window's labels and the
// names that JSON output uses.
struct PresetField {
    std::string_view label;
    std::string_view key;
    std::optional<std::string_view> (*value)(const OperatorPreset&);
};

constexpr std::array<PresetField, 6> kPresetFields{{
    {"APN", "apn", [](const OperatorPreset& p) -> std::optional<std::string_view> { return p.apn; }},
    {"Password", "password", [](const OperatorPreset& p) { return p.password; }},
    {"Account", "account", [](const OperatorPreset& p) { return p.account; }},
    {"URL", "url", [](const OperatorPreset& p) -> std::optional<std::string_view> { return p.url; }},
    {"IP", "ip", [](const OperatorPreset& p) -> std::optional<std::string_view> { return p.ip; }},
    {"Port", "port", [](const OperatorPreset& p) -> std::optional<std::string_view> { return p.port; }},
}};

constexpr std::size_t kLabelWidth = 10;

std::string labelled(std::string_view label, std::string_view value) {
    std::string line(label);
    if (!value.empty()) line += std::string(kLabelWidth - label.size(), ' ') + std::string(value);
    return line + "\n";
}

std::string presetListing(std::string_view country, std::optional<std::string_view> operatorName,
                          const OperatorPreset& preset) {
    std::string text = labelled("Country", country);
    text += labelled("Operator", operatorName.value_or("(any)"));
    for (const PresetField& field : kPresetFields) {
        text += labelled(field.label, field.value(preset).value_or("(absent)"));
    }
    return text;
}

std::string presetJson(const OperatorPreset& preset) {
    JsonObject object;
    for (const PresetField& field : kPresetFields) object.addString(field.key, field.value(preset));
    return object.text();
}

// The one name that the operator list offers for a country whose preset is country-wide.
std::optional<std::string_view> listedOperatorOf(std::string_view country) {
    const CountryOperators* entry = findCountry(country);
    if (entry == nullptr || entry->operators.size() != 1) return std::nullopt;
    return entry->operators.front();
}

std::string presetTableEntryJson(const CountryPresets& entry, std::optional<std::string_view> operatorName,
                                 const OperatorPreset& preset) {
    JsonObject object;
    object.addString("country", entry.country).addString("operator", operatorName);
    if (entry.isCountryWide()) object.addString("listedOperator", listedOperatorOf(entry.country));
    return object.add("preset", presetJson(preset)).text();
}

void fail(const Terminal& terminal, const Error& error) {
    terminal.err(std::string(kProgramName) + ": " + error.message + "\n");
}

}  // namespace

int listCountries(bool all, const Terminal& terminal) {
    std::string text;
    if (all) {
        for (const CountryOperators& entry : OperatorCatalogue::operatorLists()) text += std::string(entry.country) + "\n";
    } else {
        for (std::string_view country : OperatorCatalogue::countrySelectorItems()) text += std::string(country) + "\n";
    }
    terminal.out(text);
    return kSuccess;
}

int listOperators(const std::string& country, const Terminal& terminal) {
    const Result<const CountryOperators*> entry = listedCountry(country);
    if (!entry) {
        fail(terminal, entry.error());
        return kUserError;
    }
    std::string text;
    for (std::string_view name : entry.value()->operators) {
        text += (name == entry.value()->defaultOperator ? "* " : "  ") + std::string(name) + "\n";
    }
    terminal.out(text);
    return kSuccess;
}

int showPreset(const std::string& country, const std::optional<std::string>& operatorName, bool json,
               const Terminal& terminal) {
    const Result<OperatorChoice> choice =
        chooseOperator(country, operatorName ? std::optional<std::string_view>(*operatorName) : std::nullopt);
    if (!choice) {
        fail(terminal, choice.error());
        return kUserError;
    }
    const std::string& shown = choice.value().operatorName;
    const OperatorPreset* preset = findPreset(country, shown);
    if (preset == nullptr) {
        fail(terminal, Error{"the catalogue has no preset for \"" + shown + "\" of \"" + country +
                             "\": the window leaves the MMS fields as they are"});
        return kUserError;
    }
    if (json) {
        JsonObject object;
        object.addString("country", country).addString("operator", shown).add("preset", presetJson(*preset));
        terminal.out(object.text() + "\n");
    } else {
        terminal.out(presetListing(country, shown, *preset));
    }
    return kSuccess;
}

int listPresets(bool json, const Terminal& terminal) {
    std::string text = json ? "[\n" : "";
    bool first = true;
    const auto emit = [&](const CountryPresets& entry, std::optional<std::string_view> operatorName,
                          const OperatorPreset& preset) {
        if (json) {
            text += (first ? "  " : ",\n  ") + presetTableEntryJson(entry, operatorName, preset);
        } else {
            text += (first ? "" : "\n") + presetListing(entry.country, operatorName, preset);
        }
        first = false;
    };
    for (const CountryPresets& entry : OperatorCatalogue::presetTable()) {
        if (entry.isCountryWide()) {
            emit(entry, std::nullopt, *entry.countryWide);
        } else {
            for (const OperatorPresetPair& pair : entry.perOperator) emit(entry, pair.operatorName, pair.preset);
        }
    }
    if (json) text += "\n]\n";
    terminal.out(text);
    return kSuccess;
}

}  // namespace qx::cli

#pragma once

#include <array>

#include "catalogue/operator_catalogue.h"
#include "model/settings_record.h"

namespace qx::test {

// The road of a typical run that every front-end's tests walk: pick "Italy", type these
// values, choose a folder and press "Generate".
struct TypedValue {
    const char* control;
    const char* text;
};

inline constexpr const char* kTypicalRunCountry = "Italy";

inline constexpr std::array<TypedValue, 7> kTypicalRunTyping{{
    {"Text7", "+39 333 1234567"},
    {"Text8", "0123"},
    {"Text12", "me@example.it"},
    {"Text20", "smtp.example.it"},
    {"Text21", "25"},
    {"Text19", "camera@example.it"},
    {"Text18", "pass word"},
}};

// What "Generate" writes at the end of that road: the preset of the country's default
// operator and the typed values, each in the field its control holds.
inline SettingsRecord typicalRunRecord() {
    const CountryOperators& country = *findCountry(kTypicalRunCountry);
    const OperatorPreset& preset = *findPreset(kTypicalRunCountry, *country.defaultOperator);
    SettingsRecord record;
    record.URL = preset.url;
    record.APN = preset.apn;
    record.IP = preset.ip;
    record.Port = preset.port;
    for (const TypedValue& typed : kTypicalRunTyping) {
        for (const FieldBinding& binding : kSettingsFields) {
            if (binding.control == typed.control) record.*binding.field = typed.text;
        }
    }
    return record;
}

}  // namespace qx::test

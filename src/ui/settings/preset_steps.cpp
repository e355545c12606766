#include "ui/settings/preset_steps.h"

#include "catalogue/operator_catalogue.h"

namespace qx {

void countryChosen(WindowModel& window) {
    if (const CountryOperators* entry = findCountry(window.text("Combo3"))) {
        window.clearItems("Combo4");
        for (std::string_view name : entry->operators) window.addItem("Combo4", std::string(name));
        if (entry->defaultOperator) window.setText("Combo4", std::string(*entry->defaultOperator));
    }
    operatorChosen(window);
}

void operatorChosen(WindowModel& window) {
    const OperatorPreset* preset = findPreset(window.text("Combo3"), window.text("Combo4"));
    if (preset == nullptr) return;
    const auto write = [&window](std::string_view control, std::optional<std::string_view> value) {
        if (value) window.setText(control, std::string(*value));
    };
    write("Text1", preset->apn);
    write("Text2", preset->password);
    write("Text3", preset->account);
    write("Text4", preset->url);
    write("Text5", preset->ip);
    write("Text6", preset->port);
}

}  // namespace qx

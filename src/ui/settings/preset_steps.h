#pragma once

#include "ui/window_model.h"

namespace qx {

// The two steps that tie the "Country" and "Operators" selectors to the operator catalogue.

// Refills "Operators" with the chosen country's operators, shows its default operator and
// applies the preset. A country the list does not know leaves "Operators" as it was.
void countryChosen(WindowModel& window);

// Writes the preset of the shown country and operator into the APN, Password, Account, URL,
// IP and Port fields, in that order; a field the preset lacks keeps its text.
void operatorChosen(WindowModel& window);

}  // namespace qx

#include "model/settings_record.h"

#include <stdexcept>

namespace qx {

const FieldBinding& bindingOf(SettingsField field) {
    for (const FieldBinding& binding : kSettingsFields) {
        if (binding.field == field) return binding;
    }
    // Only reachable through a line table that names a field missing from the field table.
    throw std::logic_error("settings field without a binding");
}

}  // namespace qx

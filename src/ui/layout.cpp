#include "ui/layout.h"

namespace qx {

const ControlLayout* findControlLayout(const WindowLayout& window, std::string_view name) {
    for (const ControlLayout& control : window.controls) {
        if (control.name == name) return &control;
    }
    return nullptr;
}

}  // namespace qx

#pragma once

#include <windows.h>

#include <vector>

#include "ui/layout.h"

namespace qx::win32 {

// The fonts of one window, one GDI font per distinct specification, deleted with the window.
class FontSet {
public:
    explicit FontSet(unsigned dpi) : dpi_(dpi) {}
    ~FontSet();
    FontSet(const FontSet&) = delete;
    FontSet& operator=(const FontSet&) = delete;

    // The font of a layout row, or nullptr for a control that shows no text.
    HFONT font(const FontSpec& spec);

private:
    struct Entry {
        FontSpec spec;
        HFONT font;
    };
    unsigned dpi_;
    std::vector<Entry> entries_;
};

}  // namespace qx::win32

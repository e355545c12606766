#pragma once

#include <windows.h>

#include <map>

#include "ui/layout.h"

namespace qx::win32 {

// The layout's colours as GDI sees them. System roles follow the user's colour scheme at
// the moment they are asked for; fixed colours get one brush each, kept for the run.
class Palette {
public:
    Palette() = default;
    ~Palette();
    Palette(const Palette&) = delete;
    Palette& operator=(const Palette&) = delete;

    // `fallback` is the system colour index that stands for ColourRole::Default here.
    COLORREF colour(Colour colour, int fallback) const;
    HBRUSH brush(Colour colour, int fallback);

private:
    std::map<COLORREF, HBRUSH> solidBrushes_;
};

}  // namespace qx::win32

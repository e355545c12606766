#include "platform/win32/colours.h"

namespace qx::win32 {
namespace {

int systemColourIndex(ColourRole role, int fallback) {
    switch (role) {
        case ColourRole::Highlight: return COLOR_HIGHLIGHT;
        case ColourRole::HighlightText: return COLOR_HIGHLIGHTTEXT;
        case ColourRole::WindowBackground: return COLOR_WINDOW;
        case ColourRole::Default:
        case ColourRole::Rgb: break;
    }
    return fallback;
}

COLORREF fromRgb(std::uint32_t rgb) {
    return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

}  // namespace

Palette::~Palette() {
    for (const auto& [colour, brush] : solidBrushes_) DeleteObject(brush);
}

COLORREF Palette::colour(Colour colour, int fallback) const {
    if (colour.role == ColourRole::Rgb) return fromRgb(colour.rgb);
    return GetSysColor(systemColourIndex(colour.role, fallback));
}

HBRUSH Palette::brush(Colour colour, int fallback) {
    if (colour.role != ColourRole::Rgb) return GetSysColorBrush(systemColourIndex(colour.role, fallback));
    const COLORREF value = fromRgb(colour.rgb);
    HBRUSH& brush = solidBrushes_[value];
    if (brush == nullptr) brush = CreateSolidBrush(value);
    return brush;
}

}  // namespace qx::win32

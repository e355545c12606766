#include "platform/win32/fonts.h"

#include <cmath>

#include "model/wide_text.h"

namespace qx::win32 {
namespace {

constexpr double kPointsPerInch = 72.0;

// The kind of face each layout font is, so that a system without it draws a face of that kind.
struct FaceFamily {
    std::string_view face;
    BYTE family;
};
constexpr FaceFamily kFaceFamilies[] = {{"Times New Roman", FF_ROMAN}, {"Arial", FF_SWISS}};

BYTE familyOf(std::string_view face) {
    for (const FaceFamily& entry : kFaceFamilies) {
        if (entry.face == face) return entry.family;
    }
    return FF_DONTCARE;
}

bool sameFont(const FontSpec& a, const FontSpec& b) {
    return a.family == b.family && a.points == b.points && a.bold == b.bold && a.italic == b.italic;
}

}  // namespace

FontSet::~FontSet() {
    for (const Entry& entry : entries_) DeleteObject(entry.font);
}

HFONT FontSet::font(const FontSpec& spec) {
    if (spec.family.empty()) return nullptr;
    for (const Entry& entry : entries_) {
        if (sameFont(entry.spec, spec)) return entry.font;
    }
    // A negative height asks for the character height, which is what a point size measures.
    const int height = -static_cast<int>(std::lround(spec.points * dpi_ / kPointsPerInch));
    // DEFAULT_CHARSET rather than the layout's ANSI one, so that text outside Latin-1, such as
    // the Chinese language name, is drawn from a font that has it.
    HFONT font = CreateFontW(height, 0, 0, 0, spec.bold ? FW_BOLD : FW_NORMAL, spec.italic ? TRUE : FALSE, FALSE,
                             FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             VARIABLE_PITCH | familyOf(spec.family), widen(spec.family).c_str());
    if (font != nullptr) entries_.push_back({spec, font});
    return font;
}

}  // namespace qx::win32

#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace qx {

// A window's layout is data: one row per control, read by the window model and by every
// front-end. Lengths are twips (1/1440 inch); a control's Left and Top are relative to its
// container (the window's client area, or the inside of its frame).

enum class ControlKind { Frame, Label, TextField, Selector, Button, PictureBox };

enum class ColourRole {
    Default,           // the toolkit's own colour for that kind of control
    Highlight,         // system colour 13
    HighlightText,     // system colour 14
    WindowBackground,  // system colour 5
    Rgb,               // the fixed colour in `rgb`
};

struct Colour {
    ColourRole role = ColourRole::Default;
    std::uint32_t rgb = 0;  // 0xRRGGBB, for ColourRole::Rgb
};

inline constexpr Colour kDefaultColour{ColourRole::Default, 0};
inline constexpr Colour kHighlight{ColourRole::Highlight, 0};
inline constexpr Colour kHighlightText{ColourRole::HighlightText, 0};
inline constexpr Colour kWindowBackground{ColourRole::WindowBackground, 0};
inline constexpr Colour kWhite{ColourRole::Rgb, 0xFFFFFF};
inline constexpr Colour kBlue{ColourRole::Rgb, 0x0000FF};

struct FontSpec {
    std::string_view family;  // empty: the control shows no text
    double points = 0;
    bool bold = false;
    bool italic = false;
};

struct ControlLayout {
    std::string_view name;    // "Text1", "Combo3", "Label5" ...
    ControlKind kind;
    std::string_view parent;  // the frame that holds the control; empty for the window itself
    std::string_view text;    // caption or initial text
    int left, top, width, height;
    Colour background, foreground;
    int tabIndex;
    bool visible = true;
    bool enabled = true;
    std::span<const std::string_view> items = {};  // selectors only, in list order
    FontSpec font = {};
};

struct WindowLayout {
    std::string_view name;     // "Form1", "Form5"
    std::string_view caption;  // the window text
    int clientWidth, clientHeight;
    Colour background;
    std::span<const ControlLayout> controls;  // in creation order
};

// The row of a control by name, or nullptr.
const ControlLayout* findControlLayout(const WindowLayout& window, std::string_view name);

}  // namespace qx

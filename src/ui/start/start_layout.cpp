#include "ui/start/start_layout.h"

#include <array>
#include <string_view>

namespace qx {
namespace {

constexpr FontSpec kBrandFont{"Times New Roman", 96, true, true};
constexpr FontSpec kRowFont{"Times New Roman", 15.75, true, false};
constexpr FontSpec kModelFont{"Arial", 15.75, true, false};
constexpr FontSpec kVersionFont{"Times New Roman", 15.75, true, true};
constexpr FontSpec kLinkFont{"Times New Roman", 14.25, true, false};
constexpr FontSpec kNoText{};

// "中文" first: the language names in display order.
constexpr std::array<std::string_view, 12> kLanguages{
    "\u4E2D\u6587", "Cesky",    "Deutsch",   "English",   "Espanol", "Italiano",
    "Francais",     "Lingua",   "Magyar",    "Portugues", "Slovensko", "Suomi",
};

constexpr std::array<std::string_view, 3> kModels{"QX520", "QX410", "QX411"};

constexpr bool kVisible = true;
constexpr bool kEnabled = true;

// Both selectors are enabled here; the load step disables them.
constexpr std::array<ControlLayout, 9> kControls{{
    // name, kind, parent, text, left, top, width, height, background, foreground, tab index,
    // visible, enabled, items, font
    {"Label1", ControlKind::Label, "", "Zelvane", 840, 720, 9930, 2055, kHighlight, kHighlightText, 7,
     kVisible, kEnabled, {}, kBrandFont},
    {"Picture1", ControlKind::PictureBox, "", "", 10200, 720, 735, 735, kDefaultColour, kDefaultColour, 8,
     kVisible, kEnabled, {}, kNoText},
    {"Label2", ControlKind::Label, "", "Language", 1440, 3720, 1335, 495, kHighlight, kHighlightText, 0,
     kVisible, kEnabled, {}, kRowFont},
    {"Combo1", ControlKind::Selector, "", "English", 3000, 3720, 1695, 480, kHighlight, kHighlightText, 1,
     kVisible, kEnabled, kLanguages, kRowFont},
    {"Label3", ControlKind::Label, "", "Camera", 6600, 3720, 1215, 495, kHighlight, kHighlightText, 2,
     kVisible, kEnabled, {}, kRowFont},
    {"Combo2", ControlKind::Selector, "", "QX41x", 7920, 3720, 1695, 480, kHighlight, kHighlightText, 3,
     kVisible, kEnabled, kModels, kModelFont},
    {"Label7", ControlKind::Label, "", "Version 01.01.04", 7800, 7800, 2415, 375, kHighlight, kHighlightText, 4,
     kVisible, kEnabled, {}, kVersionFont},
    {"Frame3", ControlKind::Frame, "", "", 4200, 5760, 3000, 1600, kWhite, kDefaultColour, 5,
     kVisible, kEnabled, {}, kNoText},
    {"Label5", ControlKind::Label, "Frame3", kLinkCaption, 0, 0, 3015, 1575, kWindowBackground, kBlue, 6,
     kVisible, kEnabled, {}, kLinkFont},
}};

constexpr WindowLayout kStartWindow{"Form1", "Camera Setting Tool", 11610, 8550, kHighlight, kControls};

}  // namespace

const WindowLayout& startWindowLayout() { return kStartWindow; }

}  // namespace qx

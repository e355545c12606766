#include "ui/settings/settings_layout.h"

#include <array>
#include <string_view>

#include "catalogue/operator_catalogue.h"

namespace qx {
namespace {

constexpr FontSpec kFont{"Times New Roman", 14.25, true, false};
constexpr FontSpec kBrowseFont{"Times New Roman", 15.75, true, false};

constexpr std::array<std::string_view, 1> kWirelessModes{"MMS"};
constexpr std::array<std::string_view, 2> kSettingModes{"Auto", "Manual"};
// Only the list the window starts with: the country-chosen step replaces it.
constexpr std::array<std::string_view, 2> kInitialOperators{"China Mobile", "China Unicom"};
constexpr std::array<std::string_view, 2> kSsl{"YES", "NO"};

constexpr bool kVisible = true;
constexpr bool kHidden = false;
constexpr bool kEnabled = true;
constexpr bool kDisabled = false;

constexpr ControlKind kFrame = ControlKind::Frame;
constexpr ControlKind kLabel = ControlKind::Label;
constexpr ControlKind kText = ControlKind::TextField;
constexpr ControlKind kSelector = ControlKind::Selector;
constexpr ControlKind kButton = ControlKind::Button;

}  // namespace

const WindowLayout& settingsWindowLayout() {
    // A function-local static because Combo3's items come from the catalogue, so that the window and
    // the catalogue cannot offer different countries.
    static const std::array<ControlLayout, 62> controls{{
        // name, kind, parent, text, left, top, width, height, background, foreground, tab index,
        // visible, enabled, items, font
        {"Frame1", kFrame, "", "MMS Setting", 120, 600, 11145, 1380, kHighlight, kHighlightText, 5,
         kVisible, kEnabled, {}, kFont},
        {"Frame2", kFrame, "", "GPRS Setting", 120, 2040, 5175, 1860, kHighlight, kHighlightText, 0,
         kVisible, kEnabled, {}, kFont},
        {"Frame4", kFrame, "", "Server Setting", 5640, 2040, 5655, 3735, kHighlight, kHighlightText, 51,
         kVisible, kEnabled, {}, kFont},
        {"Frame3", kFrame, "", "Server Setting", 120, 3960, 5175, 1860, kHighlight, kHighlightText, 41,
         kVisible, kEnabled, {}, kFont},
        {"Frame6", kFrame, "", "Phone Setting", 120, 6000, 5175, 3015, kHighlight, kHighlightText, 19,
         kVisible, kEnabled, {}, kFont},
        {"Frame10", kFrame, "", "Email Setting", 5640, 6000, 5655, 3015, kHighlight, kHighlightText, 4,
         kVisible, kEnabled, {}, kFont},
        {"Label11", kLabel, "", "Path", 720, 9315, 735, 495, kHighlight, kHighlightText, 48,
         kVisible, kEnabled, {}, kFont},
        {"Text17", kText, "", "", 1560, 9240, 8175, 495, kDefaultColour, kBlue, 49,
         kVisible, kEnabled, {}, kFont},
        {"Command4", kButton, "", "...", 9960, 9240, 975, 495, kWindowBackground, kDefaultColour, 50,
         kVisible, kEnabled, {}, kBrowseFont},
        {"Command1", kButton, "", "Read", 1560, 9960, 1335, 615, kWindowBackground, kDefaultColour, 8,
         kHidden, kEnabled, {}, kFont},
        {"Command2", kButton, "", "Generate", 5280, 9960, 1575, 585, kWindowBackground, kDefaultColour, 7,
         kVisible, kEnabled, {}, kFont},
        {"Command3", kButton, "", "Exit", 8880, 9960, 1140, 585, kWindowBackground, kDefaultColour, 6,
         kVisible, kEnabled, {}, kFont},

        {"Label1", kLabel, "Frame1", "Wireless Mode", 240, 440, 1845, 330, kHighlight, kWhite, 38,
         kVisible, kEnabled, {}, kFont},
        {"Combo1", kSelector, "Frame1", "MMS/SMTP", 2280, 360, 2775, 450, kDefaultColour, kHighlight, 37,
         kVisible, kDisabled, kWirelessModes, kFont},
        {"Label2", kLabel, "Frame1", "Setting Mode", 5520, 440, 1635, 330, kHighlight, kWhite, 36,
         kVisible, kEnabled, {}, kFont},
        {"Combo2", kSelector, "Frame1", "Auto", 7320, 360, 3615, 450, kDefaultColour, kHighlight, 35,
         kVisible, kEnabled, kSettingModes, kFont},
        {"Label3", kLabel, "Frame1", "Country", 240, 880, 1005, 330, kHighlight, kWhite, 32,
         kVisible, kEnabled, {}, kFont},
        {"Combo3", kSelector, "Frame1", "", 2280, 840, 2775, 450, kDefaultColour, kHighlight, 31,
         kVisible, kEnabled, OperatorCatalogue::countrySelectorItems(), kFont},
        {"Label4", kLabel, "Frame1", "Operators", 5520, 880, 1260, 330, kHighlight, kWhite, 34,
         kVisible, kEnabled, {}, kFont},
        {"Combo4", kSelector, "Frame1", "", 7320, 840, 3615, 450, kDefaultColour, kHighlight, 33,
         kVisible, kEnabled, kInitialOperators, kFont},

        {"Label5", kLabel, "Frame2", "APN", 240, 440, 1215, 375, kHighlight, kHighlightText, 40,
         kVisible, kEnabled, {}, kFont},
        {"Text1", kText, "Frame2", "", 1680, 360, 3315, 465, kHighlightText, kHighlight, 30,
         kVisible, kEnabled, {}, kFont},
        {"Label7", kLabel, "Frame2", "Account", 240, 920, 1005, 330, kHighlight, kWhite, 1,
         kHidden, kEnabled, {}, kFont},
        {"Text3", kText, "Frame2", "", 1680, 840, 3315, 465, kHighlightText, kHighlight, 39,
         kHidden, kEnabled, {}, kFont},
        {"Label6", kLabel, "Frame2", "Password", 240, 1400, 1200, 330, kHighlight, kWhite, 3,
         kHidden, kEnabled, {}, kFont},
        {"Text2", kText, "Frame2", "", 1680, 1320, 3315, 465, kDefaultColour, kDefaultColour, 2,
         kHidden, kEnabled, {}, kFont},

        {"Label8", kLabel, "Frame3", "URL", 240, 440, 585, 330, kHighlight, kWhite, 46,
         kVisible, kEnabled, {}, kFont},
        {"Text4", kText, "Frame3", "", 1320, 360, 3675, 465, kHighlightText, kHighlight, 43,
         kVisible, kEnabled, {}, kFont},
        {"Label9", kLabel, "Frame3", "IP", 240, 920, 285, 330, kHighlight, kWhite, 47,
         kVisible, kEnabled, {}, kFont},
        {"Text5", kText, "Frame3", "", 1320, 840, 3675, 465, kDefaultColour, kDefaultColour, 44,
         kVisible, kEnabled, {}, kFont},
        {"Label10", kLabel, "Frame3", "Port", 240, 1400, 540, 330, kHighlight, kWhite, 45,
         kVisible, kEnabled, {}, kFont},
        {"Text6", kText, "Frame3", "", 1320, 1320, 3675, 465, kHighlightText, kHighlight, 42,
         kVisible, kEnabled, {}, kFont},

        {"Label25", kLabel, "Frame4", "Server", 120, 440, 810, 330, kHighlight, kWhite, 58,
         kVisible, kEnabled, {}, kFont},
        {"Text20", kText, "Frame4", "", 1440, 360, 3915, 465, kDefaultColour, kBlue, 53,
         kVisible, kEnabled, {}, kFont},
        {"Label26", kLabel, "Frame4", "Port", 120, 920, 540, 330, kHighlight, kWhite, 57,
         kVisible, kEnabled, {}, kFont},
        {"Text21", kText, "Frame4", "", 1440, 840, 3915, 465, kDefaultColour, kBlue, 52,
         kVisible, kEnabled, {}, kFont},
        {"Label24", kLabel, "Frame4", "Email", 120, 1400, 855, 375, kHighlight, kHighlightText, 59,
         kVisible, kEnabled, {}, kFont},
        {"Text19", kText, "Frame4", "", 1440, 1320, 3915, 465, kDefaultColour, kBlue, 54,
         kVisible, kEnabled, {}, kFont},
        {"Label23", kLabel, "Frame4", "Password", 120, 1880, 1335, 375, kHighlight, kHighlightText, 60,
         kVisible, kEnabled, {}, kFont},
        {"Text18", kText, "Frame4", "", 1440, 1800, 3915, 465, kDefaultColour, kBlue, 55,
         kVisible, kEnabled, {}, kFont},
        {"Label22", kLabel, "Frame4", "SSL", 120, 2440, 1095, 375, kHighlight, kHighlightText, 61,
         kHidden, kEnabled, {}, kFont},
        {"Combo5", kSelector, "Frame4", "YES", 1440, 2400, 3975, 450, kDefaultColour, kBlue, 56,
         kHidden, kEnabled, kSsl, kFont},

        {"Label12", kLabel, "Frame6", "Phone 1", 120, 560, 990, 330, kHighlight, kWhite, 27,
         kVisible, kEnabled, {}, kFont},
        {"Text7", kText, "Frame6", "", 1200, 480, 3795, 465, kHighlightText, kHighlight, 20,
         kVisible, kEnabled, {}, kFont},
        {"Label13", kLabel, "Frame6", "Phone 2", 120, 1040, 990, 330, kHighlight, kWhite, 26,
         kVisible, kEnabled, {}, kFont},
        {"Text8", kText, "Frame6", "", 1200, 960, 3795, 465, kHighlightText, kHighlight, 21,
         kVisible, kEnabled, {}, kFont},
        {"Label14", kLabel, "Frame6", "Phone 3", 120, 1520, 990, 330, kHighlight, kWhite, 25,
         kVisible, kEnabled, {}, kFont},
        {"Text9", kText, "Frame6", "", 1200, 1440, 3795, 465, kHighlightText, kHighlight, 22,
         kVisible, kEnabled, {}, kFont},
        {"Label15", kLabel, "Frame6", "Phone 4", 120, 2000, 990, 330, kHighlight, kWhite, 28,
         kVisible, kEnabled, {}, kFont},
        {"Text10", kText, "Frame6", "", 1200, 1920, 3795, 465, kHighlightText, kHighlight, 23,
         kVisible, kEnabled, {}, kFont},
        {"Label16", kLabel, "Frame6", "Phone 5", 120, 2480, 990, 330, kHighlight, kWhite, 29,
         kVisible, kEnabled, {}, kFont},
        {"Text11", kText, "Frame6", "", 1200, 2400, 3795, 465, kHighlightText, kHighlight, 24,
         kVisible, kEnabled, {}, kFont},

        {"Label17", kLabel, "Frame10", "Email 1", 240, 560, 945, 330, kHighlight, kWhite, 14,
         kVisible, kEnabled, {}, kFont},
        {"Text12", kText, "Frame10", "", 1320, 480, 4155, 465, kHighlightText, kHighlight, 9,
         kVisible, kEnabled, {}, kFont},
        {"Label18", kLabel, "Frame10", "Email 2", 240, 1040, 945, 330, kHighlight, kWhite, 15,
         kVisible, kEnabled, {}, kFont},
        {"Text13", kText, "Frame10", "", 1320, 960, 4155, 465, kHighlightText, kHighlight, 10,
         kVisible, kEnabled, {}, kFont},
        {"Label19", kLabel, "Frame10", "Email 3", 240, 1520, 945, 330, kHighlight, kWhite, 16,
         kVisible, kEnabled, {}, kFont},
        {"Text14", kText, "Frame10", "", 1320, 1440, 4155, 465, kHighlightText, kHighlight, 11,
         kVisible, kEnabled, {}, kFont},
        {"Label20", kLabel, "Frame10", "Email 4", 240, 2000, 945, 330, kHighlight, kWhite, 17,
         kVisible, kEnabled, {}, kFont},
        {"Text15", kText, "Frame10", "", 1320, 1920, 4155, 465, kHighlightText, kHighlight, 12,
         kVisible, kEnabled, {}, kFont},
        {"Label21", kLabel, "Frame10", "Email 5", 240, 2480, 945, 330, kHighlight, kWhite, 18,
         kVisible, kEnabled, {}, kFont},
        {"Text16", kText, "Frame10", "", 1320, 2400, 4155, 465, kHighlightText, kHighlight, 13,
         kVisible, kEnabled, {}, kFont},
    }};
    static const WindowLayout window{"Form5", "GPRS SETTINGS", 11610, 10770, kHighlight, controls};
    return window;
}

}  // namespace qx

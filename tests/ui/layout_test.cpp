#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "catalogue/operator_catalogue.h"
#include "ui/layout.h"
#include "ui/settings/settings_layout.h"
#include "ui/start/start_layout.h"

namespace qx {
namespace {

std::vector<const WindowLayout*> bothWindows() { return {&settingsWindowLayout(), &startWindowLayout()}; }

std::set<std::string> namesWhere(const WindowLayout& window, bool (*test)(const ControlLayout&)) {
    std::set<std::string> names;
    for (const ControlLayout& control : window.controls) {
        if (test(control)) names.emplace(control.name);
    }
    return names;
}

TEST(WindowLayouts, NamesAreUniqueAndEveryParentIsAnEarlierFrame) {
    for (const WindowLayout* window : bothWindows()) {
        std::set<std::string_view> created;
        std::set<std::string_view> frames;
        for (const ControlLayout& control : window->controls) {
            EXPECT_TRUE(created.insert(control.name).second) << window->name << ": " << control.name << " twice";
            if (!control.parent.empty()) {
                EXPECT_TRUE(frames.contains(control.parent))
                    << window->name << ": " << control.name << " lies in " << control.parent
                    << ", which is not a frame created before it";
            }
            if (control.kind == ControlKind::Frame) frames.insert(control.name);
            EXPECT_EQ(findControlLayout(*window, control.name), &control);
        }
    }
}

TEST(WindowLayouts, SelectorsAndOnlySelectorsHaveItems) {
    for (const WindowLayout* window : bothWindows()) {
        for (const ControlLayout& control : window->controls) {
            EXPECT_EQ(control.kind == ControlKind::Selector, !control.items.empty())
                << window->name << ": " << control.name;
        }
    }
}

TEST(WindowLayouts, TabIndexesNumberTheControlsFromZero) {
    for (const WindowLayout* window : bothWindows()) {
        std::vector<int> indexes;
        for (const ControlLayout& control : window->controls) indexes.push_back(control.tabIndex);
        std::ranges::sort(indexes);
        for (std::size_t i = 0; i < indexes.size(); ++i) {
            ASSERT_EQ(indexes[i], static_cast<int>(i)) << window->name << ": tab indexes not 0 to n-1 once each";
        }
    }
}

// Every control lies inside its container, except the link label: it is 3015 twips
// wide in a frame 3000 twips wide, one pixel more. The list pins that exception and catches any other.
TEST(WindowLayouts, EveryControlFitsInsideItsContainerButTheLink) {
    std::vector<std::string> overflowing;
    for (const WindowLayout* window : bothWindows()) {
        for (const ControlLayout& control : window->controls) {
            int width = window->clientWidth;
            int height = window->clientHeight;
            if (!control.parent.empty()) {
                const ControlLayout* frame = findControlLayout(*window, control.parent);
                ASSERT_NE(frame, nullptr);
                width = frame->width;
                height = frame->height;
            }
            EXPECT_GT(control.width, 0) << control.name;
            EXPECT_GT(control.height, 0) << control.name;
            if (control.left < 0 || control.top < 0 || control.left + control.width > width ||
                control.top + control.height > height) {
                overflowing.push_back(std::string(window->name) + "." + std::string(control.name));
            }
        }
    }
    EXPECT_EQ(overflowing, std::vector<std::string>{"Form1.Label5"});
}

// The state of the controls that the setting modes change; everything else as the layout has it.
struct ModeState {
    std::set<std::string_view> shown;
    std::set<std::string_view> hidden;
    std::set<std::string_view> disabled;
};

const ModeState kAuto{{}, {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6"},
                      {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6"}};
const ModeState kManual{{"Text1", "Text4", "Text5", "Text6"}, {"Text2", "Text3"},
                        {"Text2", "Text3", "Combo3", "Combo4"}};

// The controls that take the focus, in the order in which the Tab key visits them.
std::vector<std::string_view> tabOrder(const WindowLayout& window, const ModeState& mode) {
    std::vector<const ControlLayout*> focusable;
    for (const ControlLayout& control : window.controls) {
        bool takesFocus = control.kind == ControlKind::TextField || control.kind == ControlKind::Selector ||
                          control.kind == ControlKind::Button;
        bool visible = mode.shown.contains(control.name) || (control.visible && !mode.hidden.contains(control.name));
        bool enabled = mode.shown.contains(control.name) || (control.enabled && !mode.disabled.contains(control.name));
        if (takesFocus && visible && enabled) focusable.push_back(&control);
    }
    std::ranges::sort(focusable, {}, &ControlLayout::tabIndex);
    std::vector<std::string_view> names;
    for (const ControlLayout* control : focusable) names.push_back(control->name);
    return names;
}

TEST(SettingsWindowLayout, TabOrderInAutoModeStartsAtExit) {
    std::vector<std::string_view> expected{"Command3", "Command2", "Text12", "Text13", "Text14", "Text15",
                                           "Text16",   "Text7",    "Text8",  "Text9",  "Text10", "Text11",
                                           "Combo3",   "Combo4",   "Combo2", "Text17", "Command4", "Text21",
                                           "Text20",   "Text19",   "Text18"};
    EXPECT_EQ(tabOrder(settingsWindowLayout(), kAuto), expected);
}

// The four MMS fields join; "Country" and "Operators" leave, being disabled in Manual.
TEST(SettingsWindowLayout, InManualModeApnPortUrlAndIpJoinTheTabOrderAtTheirIndexes) {
    std::vector<std::string_view> expected{"Command3", "Command2", "Text12", "Text13", "Text14", "Text15",
                                           "Text16",   "Text7",    "Text8",  "Text9",  "Text10", "Text11",
                                           "Text1",    "Combo2",   "Text6",  "Text4",  "Text5",  "Text17",
                                           "Command4", "Text21",   "Text20", "Text19", "Text18"};
    EXPECT_EQ(tabOrder(settingsWindowLayout(), kManual), expected);
}

TEST(SettingsWindowLayout, CountryItemsAreTheCataloguesOwnList) {
    const ControlLayout* country = findControlLayout(settingsWindowLayout(), "Combo3");
    ASSERT_NE(country, nullptr);
    std::span<const std::string_view> catalogue = OperatorCatalogue::countrySelectorItems();
    EXPECT_EQ(country->items.data(), catalogue.data()) << "the same data, not a copy that could drift";
    ASSERT_EQ(country->items.size(), 35u);
    EXPECT_EQ(country->items.front(), "Australia");
    EXPECT_EQ(country->items.back(), "United States");
    EXPECT_EQ(country->text, "");

    const ControlLayout* operators = findControlLayout(settingsWindowLayout(), "Combo4");
    ASSERT_NE(operators, nullptr);
    EXPECT_EQ(std::vector<std::string_view>(operators->items.begin(), operators->items.end()),
              (std::vector<std::string_view>{"China Mobile", "China Unicom"}));
    EXPECT_EQ(operators->text, "");
}

TEST(SettingsWindowLayout, OnlyTheUnreachableControlsStartHiddenOrDisabled) {
    const WindowLayout& window = settingsWindowLayout();
    EXPECT_EQ(namesWhere(window, [](const ControlLayout& c) { return !c.visible; }),
              (std::set<std::string>{"Command1", "Label22", "Combo5", "Label6", "Label7", "Text2", "Text3"}));
    EXPECT_EQ(namesWhere(window, [](const ControlLayout& c) { return !c.enabled; }),
              std::set<std::string>{"Combo1"});
    const ControlLayout* wirelessMode = findControlLayout(window, "Combo1");
    ASSERT_NE(wirelessMode, nullptr);
    EXPECT_EQ(std::ranges::count(wirelessMode->items, wirelessMode->text), 0) << "shows a text not in its list";
}

TEST(SettingsWindowLayout, OneFontEverywhereButTheBrowseButton) {
    for (const ControlLayout& control : settingsWindowLayout().controls) {
        double points = control.name == "Command4" ? 15.75 : 14.25;
        EXPECT_EQ(control.font.family, "Times New Roman") << control.name;
        EXPECT_EQ(control.font.points, points) << control.name;
        EXPECT_TRUE(control.font.bold) << control.name;
        EXPECT_FALSE(control.font.italic) << control.name;
    }
}

TEST(StartWindowLayout, LinkCaptionIs84BlanksAndTheWords) {
    EXPECT_EQ(kLinkCaption.size(), 101u);
    EXPECT_EQ(kLinkCaption, std::string(84, ' ') + "MMS/SMTP Settings");
    const ControlLayout* link = findControlLayout(startWindowLayout(), "Label5");
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(link->text, kLinkCaption);
    EXPECT_EQ(link->parent, "Frame3");
}

TEST(StartWindowLayout, SelectorsShowTheirInitialTextsAndAreLeftEnabledForTheLoadStep) {
    const WindowLayout& window = startWindowLayout();
    const ControlLayout* language = findControlLayout(window, "Combo1");
    const ControlLayout* model = findControlLayout(window, "Combo2");
    ASSERT_NE(language, nullptr);
    ASSERT_NE(model, nullptr);
    ASSERT_EQ(language->items.size(), 12u);
    EXPECT_EQ(language->items[0], "\xE4\xB8\xAD\xE6\x96\x87") << "U+4E2D U+6587 in UTF-8";
    EXPECT_EQ(language->text, "English");
    EXPECT_EQ(language->items[3], language->text);
    EXPECT_EQ(model->text, "QX41x");
    EXPECT_EQ(std::vector<std::string_view>(model->items.begin(), model->items.end()),
              (std::vector<std::string_view>{"QX520", "QX410", "QX411"}));
    EXPECT_EQ(model->font.family, "Arial");
    // Both are disabled by the load step, not by the layout.
    EXPECT_TRUE(namesWhere(window, [](const ControlLayout& c) { return !c.visible || !c.enabled; }).empty());
}

}  // namespace
}  // namespace qx

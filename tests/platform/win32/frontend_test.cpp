#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "catalogue/operator_catalogue.h"
#include "model/code_page.h"
#include "model/config_file_writer.h"
#include "model/wide_text.h"
#include "tool_driver.h"
#include "ui/settings/folder_selection.h"
#include "ui/settings/settings_layout.h"
#include "ui/start/start_layout.h"
#include "user_input.h"
#include "waiting.h"
#include "window_controls.h"

namespace qx::test::win32 {
namespace {

// The code page that this run's locale gives Wine, as the test registration states it.
unsigned expectedCodePage() {
    const char* stated = std::getenv("QX_EXPECTED_ANSI_CODE_PAGE");
    return stated != nullptr ? static_cast<unsigned>(std::strtoul(stated, nullptr, 10)) : GetACP();
}

std::wstring pathText(const std::filesystem::path& folder) { return folder.wstring() + L"\\NET.CFG"; }

// A folder straight below C:\, for the folder browser to reach in few steps; removed afterwards.
class DriveFolder {
public:
    explicit DriveFolder(const std::wstring& stem) {
        for (unsigned attempt = GetCurrentProcessId();; ++attempt) {
            path_ = L"C:\\" + stem + L"-" + std::to_wstring(attempt);
            if (CreateDirectoryW(path_.c_str(), nullptr)) break;
            if (GetLastError() != ERROR_ALREADY_EXISTS) throw std::runtime_error("cannot make a folder on C:");
        }
    }
    ~DriveFolder() { RemoveDirectoryW(path_.c_str()); }
    DriveFolder(const DriveFolder&) = delete;
    DriveFolder& operator=(const DriveFolder&) = delete;
    const std::wstring& path() const { return path_; }

private:
    std::wstring path_;
};

COLORREF screenPixel(POINT point) {
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, point.x, point.y);
    ReleaseDC(nullptr, screen);
    return colour;
}

bool closeTo(COLORREF colour, COLORREF expected, int tolerance) {
    return std::abs(GetRValue(colour) - GetRValue(expected)) <= tolerance &&
           std::abs(GetGValue(colour) - GetGValue(expected)) <= tolerance &&
           std::abs(GetBValue(colour) - GetBValue(expected)) <= tolerance;
}

// The window's client-area corner on the screen.
POINT clientCorner(HWND window) {
    POINT corner{0, 0};
    ClientToScreen(window, &corner);
    return corner;
}

// Drags the window's bare surface: press at `from` (client pixels), move by `by`, release.
void dragBy(HWND window, POINT from, POINT by, int button = MK_LBUTTON, std::initializer_list<WORD> held = {}) {
    const POINT corner = clientCorner(window);
    const POINT start{corner.x + from.x, corner.y + from.y};
    movePointer(start);
    for (WORD key : held) holdKey(key);
    pressButton(button);
    movePointer({start.x + by.x, start.y + by.y});
    releaseButton(button);
    for (WORD key : held) releaseKey(key);
}

// The Canada preset that picking "Canada" applies, with the values the tests type.
SettingsRecord canadaRecord(std::string_view operatorName) {
    const OperatorPreset* preset = findPreset("Canada", operatorName);
    if (preset == nullptr) throw std::logic_error("the catalogue has no Canada preset for the default operator");
    SettingsRecord record;
    record.URL = preset->url;
    record.APN = preset->apn;
    record.IP = preset->ip;
    record.Port = preset->port;
    record.Phone1 = "+1 416 555 0100";
    record.Phone3 = "+1 604 555 0199";
    record.Email1 = "owner@example.ca";
    record.Email2 = "night.watch@example.ca";
    record.Server = "smtp.example.ca";
    record.ePort = "587";
    record.Sender = "camera@example.ca";
    record.Password = "p4ss word";
    return record;
}

void typeCanadaValues(ToolDriver& driver, const SettingsRecord& record) {
    driver.typeInto("Text7", widen(record.Phone1));
    driver.typeInto("Text9", widen(record.Phone3));
    driver.typeInto("Text12", widen(record.Email1));
    driver.typeInto("Text13", widen(record.Email2));
    driver.typeInto("Text20", widen(record.Server));
    driver.typeInto("Text21", widen(record.ePort));
    driver.typeInto("Text19", widen(record.Sender));
    driver.typeInto("Text18", widen(record.Password));
}

TEST(Win32FrontEnd, TheStartWindowOpensWhereTheLoadStepPutsItWithThePicture) {
    ToolDriver driver;
    HWND start = driver.startWindow();
    const POINT corner = cornerOf(start);
    EXPECT_EQ(corner.x, pixels(kStartWindowLeft));
    EXPECT_EQ(corner.y, pixels(kStartWindowTop));
    RECT client{};
    GetClientRect(start, &client);
    EXPECT_EQ(client.right, pixels(startWindowLayout().clientWidth));
    EXPECT_EQ(client.bottom, pixels(startWindowLayout().clientHeight));

    HWND language = driver.startControl("Combo1");
    HWND model = driver.startControl("Combo2");
    EXPECT_EQ(textOf(language), "English");
    EXPECT_EQ(itemsOf(language).front(), "\u4E2D\u6587");
    EXPECT_EQ(itemsOf(language).size(), 12u);
    EXPECT_EQ(textOf(model), "QX41x");
    EXPECT_EQ(itemsOf(model), (std::vector<std::string>{"QX520", "QX410", "QX411"}));
    EXPECT_FALSE(isEnabled(language));
    EXPECT_FALSE(isEnabled(model));
    EXPECT_EQ(textOf(driver.startControl("Label5")), kLinkCaption);

    // The window's bare surface in the highlight colour; the picture's blue field at the box's
    // corner, and the box cut off where the picture would go on.
    const POINT surface = clientCorner(start);
    const POINT box = screenPointOf(start, startWindowLayout(), "Picture1", 0, 0);
    // The window is found as soon as it is mapped, which can be before its first paint.
    waitUntil("the start window and its picture to be painted", [&] {
        return screenPixel({surface.x + 10, surface.y + 10}) == GetSysColor(COLOR_HIGHLIGHT) &&
               closeTo(screenPixel({box.x + 2, box.y + 2}), RGB(0, 0, 255), 24);
    });
    EXPECT_EQ(screenPixel({surface.x + 10, surface.y + 10}), GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_TRUE(closeTo(screenPixel({box.x + 2, box.y + 2}), RGB(0, 0, 255), 24));
    const int boxWidth = pixels(findControlLayout(startWindowLayout(), "Picture1")->width);
    EXPECT_EQ(screenPixel({box.x + boxWidth + 2, box.y + 2}), GetSysColor(COLOR_HIGHLIGHT));

    pressKey(VK_ESCAPE);
    EXPECT_EQ(driver.session().waitForExit(), 0u);
}

TEST(Win32FrontEnd, EveryControlSitsWhereItsLayoutRowPutsIt) {
    ToolDriver driver;
    HWND settings = driver.openSettings();
    for (const auto& [window, layout] : {std::pair{driver.startWindow(), &startWindowLayout()},
                                         std::pair{settings, &settingsWindowLayout()}}) {
        for (const ControlLayout& row : layout->controls) {
            SCOPED_TRACE(std::string(layout->name) + "." + std::string(row.name));
            HWND control = controlOf(window, *layout, row.name);
            RECT place{};
            GetWindowRect(control, &place);
            MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&place), 2);
            const RECT expected = layoutRect(row);
            EXPECT_EQ(place.left, expected.left);
            EXPECT_EQ(place.top, expected.top);
            EXPECT_EQ(place.right, expected.right);
            // The system sizes a selector's field by its font.
            if (row.kind != ControlKind::Selector) {
                EXPECT_EQ(place.bottom, expected.bottom);
            }
            EXPECT_EQ(textOf(control), row.text);
        }
    }
    pressKey(VK_ESCAPE);
    driver.session().waitForExit();
}

TEST(Win32FrontEnd, TheRoadOfATypicalRunWritesMmsIniAndEscapeEndsItWritingNothingMore) {
    ToolDriver driver;
    HWND settings = driver.openSettings();
    EXPECT_FALSE(isShown(driver.startWindow()));
    EXPECT_EQ(focusOf(driver.session().threadId()), driver.settingsControl("Command3"));

    driver.pick("Combo3", "Canada");
    const std::string operatorName = textOf(driver.settingsControl("Combo4"));
    ASSERT_TRUE(findCountry("Canada")->defaultOperator.has_value());
    EXPECT_EQ(operatorName, *findCountry("Canada")->defaultOperator);
    const SettingsRecord expected = canadaRecord(operatorName);
    // The preset sits in the hidden MMS fields.
    EXPECT_FALSE(isShown(driver.settingsControl("Text1")));
    EXPECT_EQ(textOf(driver.settingsControl("Text1")), expected.APN);

    typeCanadaValues(driver, expected);
    const TempDir output;
    driver.typeInto("Text17", pathText(output.path()));
    driver.clickSettings("Command2");
    EXPECT_EQ(driver.closeMessageBox(), "Create configure file success.");

    const std::string written = readBytes(output.path() / "MMS.INI");
    const Result<std::string> bytes = encodeConfigurationFile(expected, expectedCodePage());
    ASSERT_TRUE(bytes.ok());
    EXPECT_EQ(written, bytes.value());
    const std::string opening = "[MMS]\r\nURL=" + expected.URL + "\r\n";
    EXPECT_EQ(written.substr(0, opening.size()), opening);
    EXPECT_NE(written.find("\r\nPhone3=+1 604 555 0199\r\n"), std::string::npos);
    EXPECT_EQ(listFolder(output.path()), "MMS.INI");

    // Escape with the focus in a text field ends the program at once.
    driver.typeInto("Text8", L"0");
    pressKey(VK_ESCAPE);
    EXPECT_EQ(driver.session().waitForExit(), 0u);
    EXPECT_FALSE(IsWindow(settings));
    EXPECT_EQ(readBytes(output.path() / "MMS.INI"), written);
    EXPECT_EQ(listFolder(output.path()), "MMS.INI");
    EXPECT_EQ(listFolder(driver.workingFolder().path()), "");
}

TEST(Win32FrontEnd, GenerateWarnsOfTheMissingPhoneAndEmailThenWritesAllTheSame) {
    ToolDriver driver;
    HWND settings = driver.openSettings();
    driver.typeInto("Text8", L"555 0102");
    const TempDir output;
    driver.typeInto("Text17", pathText(output.path()));
    driver.clickSettings("Command2");
    EXPECT_EQ(driver.closeMessageBox(), "Need Phone Number Input");
    EXPECT_EQ(driver.closeMessageBox(), "Need Email Input");
    EXPECT_EQ(driver.closeMessageBox(), "Create configure file success.");

    SettingsRecord expected;
    expected.Phone2 = "555 0102";
    EXPECT_EQ(readBytes(output.path() / "MMS.INI"), formatConfigurationFile(expected));
    EXPECT_TRUE(isShown(settings));
    EXPECT_EQ(textOf(driver.settingsControl("Text8")), "555 0102");
    pressKey(VK_ESCAPE);
    driver.session().waitForExit();
}

TEST(Win32FrontEnd, ManualShowsTheMmsFieldsWhileTypingAModeRunsNothing) {
    ToolDriver driver;
    driver.openSettings();
    const std::array<std::string_view, 4> mmsFields{"Text1", "Text4", "Text5", "Text6"};

    // Typed over the edit part, "Manual" is only text.
    driver.typeOver("Combo2", L"Manual");
    for (std::string_view field : mmsFields) EXPECT_FALSE(isShown(driver.settingsControl(field))) << field;
    EXPECT_TRUE(isEnabled(driver.settingsControl("Combo3")));

    driver.pick("Combo3", "Canada");
    driver.pick("Combo2", "Manual");
    waitUntil("the MMS fields to show", [&] {
        return std::all_of(mmsFields.begin(), mmsFields.end(),
                           [&](std::string_view field) { return isShown(driver.settingsControl(field)); });
    });
    for (std::string_view field : mmsFields) {
        EXPECT_TRUE(isShown(driver.settingsControl(field))) << field;
        EXPECT_TRUE(isEnabled(driver.settingsControl(field))) << field;
        EXPECT_EQ(textOf(driver.settingsControl(field)), "") << field;
    }
    for (std::string_view selector : {"Combo3", "Combo4"}) {
        EXPECT_FALSE(isEnabled(driver.settingsControl(selector))) << selector;
        EXPECT_EQ(textOf(driver.settingsControl(selector)), "") << selector;
    }
    for (std::string_view account : {"Text2", "Text3"}) EXPECT_FALSE(isShown(driver.settingsControl(account)));

    driver.typeInto("Text1", L"internet.example");
    driver.pick("Combo2", "Auto");
    waitUntil("the APN field to hide", [&] { return !isShown(driver.settingsControl("Text1")); });
    EXPECT_EQ(textOf(driver.settingsControl("Text1")), "internet.example");
    EXPECT_TRUE(isEnabled(driver.settingsControl("Combo3")));
    pressKey(VK_ESCAPE);
    driver.session().waitForExit();
}

TEST(Win32FrontEnd, TheFolderBrowserFillsThePathAndCancelKeepsIt) {
    ToolDriver driver;
    driver.openSettings();
    HWND path = driver.settingsControl("Text17");
    driver.typeInto("Text17", L"typed by hand");

    // A name in this code page beyond ASCII: the browser's ANSI answer must come back whole.
    const DriveFolder folder(expectedCodePage() == 936 ? L"\u76F8\u673A" : L"Caf\u00E9");
    {
        FolderBrowser browser = driver.openFolderBrowser();
        const Result<std::string> title = toCodePage(kFolderBrowserTitle, expectedCodePage());
        EXPECT_EQ(browser.title(), title ? std::string(kFolderBrowserTitle) : std::string(10, '?'));
        browser.choose(folder.path());
        waitUntil("the browser to close", [&] { return !IsWindow(browser.dialog()); });
    }
    const std::string chosen = narrow(folder.path()) + "\\NET.CFG";
    waitUntil("the Path field to show " + chosen, [&] { return textOf(path) == chosen; });

    {
        FolderBrowser browser = driver.openFolderBrowser();
        browser.cancel();
        waitUntil("the cancelled browser to close", [&] { return !IsWindow(browser.dialog()); });
    }
    EXPECT_EQ(textOf(path), chosen);

    driver.openFolderBrowser().choose(L"C:\\");
    waitUntil("the Path field to show the drive", [&] { return textOf(path) == "C:\\NET.CFG"; });
    pressKey(VK_ESCAPE);
    driver.session().waitForExit();
}

// Off for now: under Wine on a busy machine about one run in four ends with the window not where
// the last drag should have put it, and the cause is not found yet. The drag arithmetic is
// covered headless and through the Qt widgets, and the settings window's drag below still runs.
TEST(Win32FrontEnd, DISABLED_TheBareSurfaceDragsTheStartWindowAndNothingElseDoes) {
    ToolDriver driver;
    HWND start = driver.startWindow();
    const POINT bare{12, 12};
    const POINT before = cornerOf(start);

    // 20 by 10 pixels are 300 by 150 twips at 96 dots per inch.
    dragBy(start, bare, {20, 10});
    waitUntil("the start window to follow the pointer",
              [&] { return cornerOf(start).x == before.x + 20 && cornerOf(start).y == before.y + 10; });
    dragBy(start, bare, {-8, 6}, MK_LBUTTON, {VK_SHIFT});
    waitUntil("the start window to follow a drag with Shift held",
              [&] { return cornerOf(start).x == before.x + 12 && cornerOf(start).y == before.y + 16; });

    // None of these moves the window; the drag after them shows that they were all handled.
    const RECT label = layoutRect(*findControlLayout(startWindowLayout(), "Label2"));
    dragBy(start, {label.left + 4, label.top + 4}, {30, 30});
    const RECT picture = layoutRect(*findControlLayout(startWindowLayout(), "Picture1"));
    dragBy(start, {picture.left + 4, picture.top + 4}, {30, 30});
    dragBy(start, bare, {30, 30}, MK_RBUTTON);
    dragBy(start, bare, {30, 30}, MK_MBUTTON);
    dragBy(start, bare, {1, 1});
    waitUntil("the start window to move by the last drag alone",
              [&] { return cornerOf(start).x == before.x + 13 && cornerOf(start).y == before.y + 17; });
    pressKey(VK_ESCAPE);
    driver.session().waitForExit();
}

TEST(Win32FrontEnd, ExitReturnsToTheStartWindowWhereItWasAndTheSettingsWindowReopensFresh) {
    ToolDriver driver;
    HWND start = driver.startWindow();
    dragBy(start, {12, 12}, {16, 24});
    const POINT moved = waitFor("the start window to move", [&]() -> std::optional<POINT> {
        const POINT corner = cornerOf(start);
        if (corner.x == pixels(kStartWindowLeft) + 16 && corner.y == pixels(kStartWindowTop) + 24) return corner;
        return std::nullopt;
    });

    HWND first = driver.openSettings();
    // The settings window's pointer positions are twips as well, so it follows the pointer too.
    const POINT opened = cornerOf(first);
    dragBy(first, {6, 6}, {-3, 14});
    waitUntil("the settings window to follow the pointer",
              [&] { return cornerOf(first).x == opened.x - 3 && cornerOf(first).y == opened.y + 14; });
    driver.typeInto("Text7", L"12345");
    driver.pick("Combo2", "Manual");
    driver.clickSettings("Command3");
    waitUntil("the settings window to go", [&] { return !IsWindow(first); });
    waitUntil("the start window to come back", [&] { return isShown(start); });
    EXPECT_EQ(cornerOf(start).x, moved.x);
    EXPECT_EQ(cornerOf(start).y, moved.y);

    bringToFront(start);
    driver.openSettings();
    EXPECT_EQ(textOf(driver.settingsControl("Text7")), "");
    EXPECT_EQ(textOf(driver.settingsControl("Combo2")), "Auto");
    EXPECT_FALSE(isShown(driver.settingsControl("Text1")));
    EXPECT_EQ(itemsOf(driver.settingsControl("Combo4")), (std::vector<std::string>{"China Mobile", "China Unicom"}));
    pressKey(VK_ESCAPE);
    driver.session().waitForExit();
}

// The controls that can take the focus now, in ascending tab index.
std::vector<HWND> tabOrder(const ToolDriver& driver) {
    std::vector<const ControlLayout*> rows;
    for (const ControlLayout& row : settingsWindowLayout().controls) {
        if (row.kind != ControlKind::TextField && row.kind != ControlKind::Selector && row.kind != ControlKind::Button) {
            continue;
        }
        HWND control = driver.settingsControl(row.name);
        if (isShown(control) && isEnabled(control)) rows.push_back(&row);
    }
    std::sort(rows.begin(), rows.end(), [](auto* a, auto* b) { return a->tabIndex < b->tabIndex; });
    std::vector<HWND> order;
    for (const ControlLayout* row : rows) order.push_back(driver.settingsControl(row->name));
    return order;
}

// Presses Tab once round the whole order, from the control that has the focus.
void walkTabOrder(const ToolDriver& driver) {
    const std::vector<HWND> order = tabOrder(driver);
    const DWORD thread = driver.session().threadId();
    const auto owns = [&](HWND control) {
        HWND focus = focusOf(thread);
        return focus == control || GetParent(focus) == control;
    };
    const auto from = std::find_if(order.begin(), order.end(), owns);
    ASSERT_NE(from, order.end()) << "the focus is on no control of the tab order";
    const auto start = static_cast<std::size_t>(from - order.begin());
    for (std::size_t step = 1; step <= order.size(); ++step) {
        pressKey(VK_TAB);
        HWND next = order[(start + step) % order.size()];
        waitUntil("Tab to reach the control with tab index place " + std::to_string((start + step) % order.size()) +
                      " (" + narrow(classOf(next)) + " \"" + textOf(next) + "\")",
                  [&] { return owns(next); });
    }
}

TEST(Win32FrontEnd, TabMovesThroughTheSettingsWindowByTabIndexInBothModes) {
    ToolDriver driver;
    driver.openSettings();
    EXPECT_EQ(tabOrder(driver).front(), driver.settingsControl("Command3"));
    walkTabOrder(driver);
    // Manual mode puts the MMS fields into the order between frames that come before and after.
    driver.pick("Combo2", "Manual");
    EXPECT_EQ(tabOrder(driver).size(), 23u);
    walkTabOrder(driver);
    pressKey(VK_ESCAPE);
    driver.session().waitForExit();
}

TEST(Win32FrontEnd, EscapeInTheStartWindowEndsTheProgram) {
    ToolDriver driver;
    pressKey(VK_ESCAPE);
    EXPECT_EQ(driver.session().waitForExit(), 0u);
    EXPECT_EQ(listFolder(driver.workingFolder().path()), "");
}

TEST(Win32FrontEnd, AChineseValueReachesTheFileInTheAnsiCodePageOrIsRefusedByName) {
    ToolDriver driver;
    HWND settings = driver.openSettings();
    const std::wstring server = L"\u6DF1\u5733.example.cn";  // 深圳
    driver.typeInto("Text7", L"+86 755 0100");
    driver.typeInto("Text12", L"owner@example.cn");
    driver.typeInto("Text20", server);
    const TempDir output;
    driver.typeInto("Text17", pathText(output.path()));
    driver.clickSettings("Command2");

    SettingsRecord expected;
    expected.Phone1 = "+86 755 0100";
    expected.Email1 = "owner@example.cn";
    expected.Server = narrow(server);
    const Result<std::string> bytes = encodeConfigurationFile(expected, expectedCodePage());
    if (expectedCodePage() == 936) {
        ASSERT_TRUE(bytes.ok());
        EXPECT_EQ(driver.closeMessageBox(), "Create configure file success.");
        const std::string written = readBytes(output.path() / "MMS.INI");
        EXPECT_EQ(written, bytes.value());
        EXPECT_NE(written.find("\r\nServer=\xC9\xEE\xDB\xDA.example.cn\r\n"), std::string::npos);
    } else {
        // The code page cannot hold the characters: the writer's message names the field, and
        // nothing is written.
        ASSERT_FALSE(bytes.ok());
        EXPECT_EQ(driver.closeMessageBox(), bytes.error().message);
        EXPECT_EQ(listFolder(output.path()), "");
        EXPECT_TRUE(isShown(settings));
        EXPECT_EQ(textOf(driver.settingsControl("Text20")), narrow(server));
    }
    pressKey(VK_ESCAPE);
    driver.session().waitForExit();
}

}  // namespace
}  // namespace qx::test::win32

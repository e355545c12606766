// A seeded storm of the events a user can cause, against the whole headless application.
// Beside the real windows runs a shadow of every control, kept by the rules of the state
// tables alone; after each event the two must agree, and after each "Generate" the file on
// disk must be the old one or a complete new one. QX_STORM_SEED and QX_STORM_EVENTS replay
// or lengthen a run.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <deque>
#include <exception>
#include <filesystem>
#include <iostream>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "catalogue/operator_catalogue.h"
#include "model/code_page.h"
#include "model/config_file_writer.h"
#include "model/settings_record.h"
#include "support/scoped_mount.h"
#include "support/temp_dir.h"
#include "support/working_directory.h"
#include "ui/headless_platform.h"
#include "ui/settings/folder_selection.h"
#include "ui/settings/settings_layout.h"
#include "ui/start/application.h"
#include "ui/start/start_layout.h"

namespace qx {
namespace {

namespace fs = std::filesystem;

constexpr std::uint64_t kDefaultSeed = 0x51410A7E;
constexpr long kDefaultEvents = 10000;
constexpr std::string_view kSuccess = "Create configure file success.";

std::uint64_t seedFromEnvironment() {
    const char* text = std::getenv("QX_STORM_SEED");
    return text != nullptr && *text != '\0' ? std::strtoull(text, nullptr, 0) : kDefaultSeed;
}

long eventsFromEnvironment() {
    const char* text = std::getenv("QX_STORM_EVENTS");
    return text != nullptr && *text != '\0' ? std::strtol(text, nullptr, 0) : kDefaultEvents;
}

// Draws from the generator by hand: the standard distributions differ between libraries,
// and a seed must replay the same storm everywhere.
class Dice {
public:
    explicit Dice(std::uint64_t seed) : generator_(seed) {}
    std::size_t below(std::size_t n) { return static_cast<std::size_t>(generator_() % n); }
    bool chance(unsigned percent) { return below(100) < percent; }
    float between(float low, float high) {
        const double unit = static_cast<double>(generator_() >> 11) / 9007199254740992.0;
        return static_cast<float>(low + (high - low) * unit);
    }
    template <class T>
    const T& oneOf(const std::vector<T>& choices) {
        return choices[below(choices.size())];
    }

private:
    std::mt19937_64 generator_;
};

// ---------------------------------------------------------------------------------------------
// The shadow: what each control must show, from the layout and the state tables.

struct ControlState {
    std::string text;
    bool enabled = true;
    bool visible = true;
    std::vector<std::string> items;
};

struct WindowState {
    std::map<std::string, ControlState, std::less<>> controls;
    WindowPosition position;
    float dragStartX = 0;
    float dragStartY = 0;

    ControlState& operator[](std::string_view name) { return controls.find(name)->second; }
};

WindowState fromLayout(const WindowLayout& layout) {
    WindowState state;
    for (const ControlLayout& row : layout.controls) {
        ControlState control{std::string(row.text), row.enabled, row.visible, {}};
        for (std::string_view item : row.items) control.items.emplace_back(item);
        state.controls.emplace(std::string(row.name), std::move(control));
    }
    return state;
}

constexpr std::string_view kMmsFields[] = {"Text1", "Text4", "Text5", "Text6"};
constexpr std::string_view kAccountFields[] = {"Text2", "Text3"};

enum class Mode { Auto, Manual };

void applyMode(WindowState& window, Mode mode) {
    const bool manual = mode == Mode::Manual;
    for (std::string_view name : kMmsFields) {
        window[name].enabled = manual;
        window[name].visible = manual;
        if (manual) window[name].text.clear();
    }
    for (std::string_view name : kAccountFields) {
        window[name].enabled = false;
        window[name].visible = false;
        if (manual) window[name].text.clear();
    }
    if (manual) {
        window["Combo3"].text.clear();
        window["Combo4"].text.clear();
    }
    window["Combo3"].enabled = !manual;
    window["Combo4"].enabled = !manual;
}

WindowState loadedSettingsWindow() {
    WindowState window = fromLayout(settingsWindowLayout());
    for (std::string_view name : {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6"}) {
        window[name].enabled = false;
        window[name].visible = false;
    }
    return window;
}

WindowState loadedStartWindow() {
    WindowState window = fromLayout(startWindowLayout());
    window["Label5"].text = std::string(kLinkCaption);
    window["Combo1"].enabled = false;
    window["Combo2"].enabled = false;
    window.position = WindowPosition{kStartWindowLeft, kStartWindowTop};
    return window;
}

void applyPreset(WindowState& window) {
    const OperatorPreset* preset = findPreset(window["Combo3"].text, window["Combo4"].text);
    if (preset == nullptr) return;
    const auto put = [&window](std::string_view name, std::optional<std::string_view> value) {
        if (value) window[name].text = std::string(*value);
    };
    put("Text1", preset->apn);
    put("Text2", preset->password);
    put("Text3", preset->account);
    put("Text4", preset->url);
    put("Text5", preset->ip);
    put("Text6", preset->port);
}

void chooseCountry(WindowState& window) {
    if (const CountryOperators* entry = findCountry(window["Combo3"].text)) {
        ControlState& operators = window["Combo4"];
        operators.items.assign(entry->operators.begin(), entry->operators.end());
        operators.text = entry->defaultOperator ? std::string(*entry->defaultOperator) : std::string();
    }
    applyPreset(window);
}

SettingsRecord recordOf(WindowState& window) {
    SettingsRecord record;
    for (const FieldBinding& binding : kSettingsFields) record.*binding.field = window[binding.control].text;
    return record;
}

void drag(WindowState& window, int button, float x, float y) {
    if (button != kLeftButton) return;
    const auto follow = [](float corner, float pointer, float start) {
        return static_cast<float>((static_cast<double>(corner) + pointer) - start);
    };
    const WindowPosition next{follow(window.position.left, x, window.dragStartX),
                              follow(window.position.top, y, window.dragStartY)};
    if (std::isfinite(next.left) && std::isfinite(next.top)) window.position = next;
}

// ---------------------------------------------------------------------------------------------
// The folders the storm writes into: a roomy card with a few folders, a full card and a
// write-protected one, each a real tmpfs.

struct Disks {
    test::ScopedTmpfs card{8u << 20};
    test::ScopedTmpfs full{64u << 10};
    test::ScopedTmpfs locked{64u << 10};

    std::string why() const {
        for (const test::ScopedTmpfs* disk : {&card, &full, &locked}) {
            if (!disk->mounted()) return disk->why();
        }
        return {};
    }
};

bool hasTemporaryFile(const fs::path& folder) {
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        if (entry.path().filename().string().find(".tmp-") != std::string::npos) return true;
    }
    return false;
}

std::optional<std::string> contentOf(const fs::path& file) {
    std::error_code error;
    if (!fs::is_regular_file(file, error)) return std::nullopt;
    return test::readBytes(file);
}

// Every regular file below a folder with its content, to see that nothing was written.
std::map<std::string, std::string> snapshot(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file()) files[entry.path().string()] = test::readBytes(entry.path());
    }
    return files;
}

// ---------------------------------------------------------------------------------------------

class EventStorm {
public:
    EventStorm(std::uint64_t seed, const Disks& disks) : dice_(seed), disks_(disks) {
        const fs::path card = disks.card.path();
        fs::create_directory(card / "DCIM");
        fs::create_directory(card / "相机");
        fs::create_directory(card / "blocked");
        fs::create_directory(card / "blocked" / "MMS.INI");
        for (const fs::path& folder : {card, card / "DCIM", card / "相机"}) writable_.push_back(fs::weakly_canonical(folder));
        folders_ = {card.string(), (card / "DCIM").string(), (card / "相机").string(), (card / "blocked").string(),
                    (card / "missing").string(), disks.full.path().string(), disks.locked.path().string(),
                    card.string() + "/"};
        typedPaths_ = {"",
                       "NET.CFG",
                       "DCIM/NET.CFG",
                       "missing/NET.CFG",
                       "DCIM",
                       (card / "DCIM" / "NET.CFG").string(),
                       (card / "相机" / "NET.CFG").string(),
                       (card / "blocked" / "NET.CFG").string(),
                       (disks.full.path() / "NET.CFG").string(),
                       (disks.locked.path() / "NET.CFG").string()};
        startProgram();
    }

    void run(long events) {
        for (event_ = 0; event_ < events; ++event_) {
            try {
                step();
            } catch (const std::exception& error) {
                ADD_FAILURE() << "an exception escaped: " << error.what();
            } catch (...) {
                ADD_FAILURE() << "an exception of unknown type escaped";
            }
            if (!::testing::Test::HasFailure()) check();
            if (::testing::Test::HasFailure()) {
                ADD_FAILURE() << "storm stopped at event " << event_ << "; the last events were:\n" << journal();
                return;
            }
        }
    }

    long events() const { return event_; }
    long generates() const { return generates_; }
    long written() const { return written_; }
    long programRuns() const { return runs_; }

private:
    void startProgram() {
        app_.reset();
        platform_ = std::make_unique<HeadlessPlatform>();
        app_ = std::make_unique<Application>(*platform_);
        app_->start();
        start_ = loadedStartWindow();
        settings_.reset();
        ++runs_;
        note("start the program");
    }

    void step() {
        if (settings_) {
            settingsWindowEvent();
        } else {
            startWindowEvent();
        }
    }

    // --- the start window: the link, clicks on the rest, drags and keys ---

    void startWindowEvent() {
        Form1& window = app_->startWindow();
        const std::size_t roll = dice_.below(100);
        if (roll < 25) {
            note("Form1: click Label5");
            window.clicked("Label5");
            openSettings();
        } else if (roll < 40) {
            const std::string name = clickable(window.model());
            note("Form1: click " + name);
            window.clicked(name);
            if (name == "Label5") openSettings();
        } else if (roll < 85) {
            pointer(window, start_);
        } else {
            key(window);
        }
    }

    void openSettings() {
        if (!settings_) {
            settings_ = loadedSettingsWindow();
            mode_ = Mode::Auto;
        }
    }

    // --- the settings window ---

    void settingsWindowEvent() {
        Form5& window = *app_->settingsWindow();
        const std::size_t roll = dice_.below(1000);
        if (roll < 300) {
            type(window);
        } else if (roll < 500) {
            choose(window);
        } else if (roll < 600) {
            click(window, "Command2");
        } else if (roll < 660) {
            click(window, "Command4");
        } else if (roll < 710) {
            click(window, clickable(window.model()));
        } else if (roll < 900) {
            pointer(window, *settings_);
        } else if (roll < 985) {
            key(window);
        } else {
            click(window, "Command3");
        }
    }

    void click(Form5& window, const std::string& name) {
        if (name == "Command2") {
            generate(window);
        } else if (name == "Command4") {
            browse(window);
        } else {
            note("Form5: click " + name);
            window.clicked(name);
            if (name == "Command3") settings_.reset();
        }
    }

    std::string randomText() {
        static const std::vector<std::string> words{
            "",      "0",   "+39 333 1234567", "me@example.it", "smtp.example.it", "25",     "Auto",  "Manual",
            "auto",  "Italy", "China",         "TIM",           "Müller",          "Ærø €",  "相机",  "中文 路径",
            "😀",    " ",   "a b\tc",          "Canada",        "Vodafone",        "O'Neil", "\"q\"", "x=y",
        };
        if (dice_.chance(80)) return dice_.oneOf(words);
        static constexpr std::string_view kAlphabet =
            "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 .,:;@+-_=#";
        std::string text;
        const std::size_t length = dice_.chance(5) ? 200 + dice_.below(400) : dice_.below(30);
        for (std::size_t i = 0; i < length; ++i) text += kAlphabet[dice_.below(kAlphabet.size())];
        return text;
    }

    // The user types into a field or a selector's edit part that takes input.
    void type(Form5& window) {
        std::vector<std::string> editable;
        for (const Control& control : window.model().controls()) {
            const bool takesText = control.kind() == ControlKind::TextField || control.kind() == ControlKind::Selector;
            if (takesText && control.enabled && control.visible) editable.emplace_back(control.name());
        }
        const std::string& name = dice_.oneOf(editable);
        std::string text;
        if (name == "Text17") {
            text = dice_.chance(70) ? dice_.oneOf(typedPaths_) : randomText();
        } else if (name == "Combo3" && dice_.chance(50)) {
            text = std::string(dice_.oneOf(std::vector<std::string_view>(
                OperatorCatalogue::countrySelectorItems().begin(), OperatorCatalogue::countrySelectorItems().end())));
        } else {
            text = randomText();
        }
        note("Form5: type \"" + text + "\" into " + name);
        window.textEdited(name, text);
        (*settings_)[name].text = text;
    }

    // The user picks an entry from an open selector's list.
    void choose(Form5& window) {
        std::vector<std::string> selectors;
        for (const Control& control : window.model().controls()) {
            if (control.kind() == ControlKind::Selector && control.enabled && control.visible && !control.items.empty()) {
                selectors.emplace_back(control.name());
            }
        }
        const std::string& name = dice_.oneOf(selectors);
        ControlState& shadow = (*settings_)[name];
        const std::size_t index = dice_.below(shadow.items.size());
        note("Form5: pick " + name + " item " + std::to_string(index) + " \"" + shadow.items[index] + "\"");
        window.itemChosen(name, index);
        shadow.text = shadow.items[index];
        if (name == "Combo2") {
            if (shadow.text == "Auto") mode_ = Mode::Auto;
            if (shadow.text == "Manual") mode_ = Mode::Manual;
            applyMode(*settings_, mode_);
        } else if (name == "Combo3") {
            chooseCountry(*settings_);
        } else if (name == "Combo4") {
            applyPreset(*settings_);
        }
    }

    void browse(Form5& window) {
        std::optional<std::string> answer;
        if (dice_.chance(75)) answer = dice_.oneOf(folders_);
        note("Form5: click Command4, the browser answers " + (answer ? "\"" + *answer + "\"" : "cancel"));
        platform_->answerFolderBrowser(answer);
        const std::size_t requests = platform_->folderRequests.size();
        window.clicked("Command4");
        ASSERT_EQ(platform_->folderRequests.size(), requests + 1) << "the folder browser was not asked";
        EXPECT_EQ(platform_->folderRequests.back().owner, "Form5");
        EXPECT_EQ(platform_->folderRequests.back().title, kFolderBrowserTitle);
        if (answer) (*settings_)["Text17"].text = pathTextForFolder(*answer, kNativeSeparator);
    }

    void generate(Form5& window) {
        WindowState& shadow = *settings_;
        const SettingsRecord record = recordOf(shadow);
        const fs::path target = fs::absolute(configurationFilePath(shadow["Text17"].text));
        const std::optional<std::string> before = contentOf(target);
        const Result<std::string> bytes = encodeConfigurationFile(record, activeCodePage());
        const bool folderTakesIt =
            std::find(writable_.begin(), writable_.end(), fs::weakly_canonical(target.parent_path())) != writable_.end();

        note("Form5: click Command2 (Generate) into \"" + target.string() + "\"");
        const std::size_t shown = platform_->messages.size();
        window.clicked("Command2");
        ++generates_;

        std::vector<std::string> expectedWarnings;
        if (shadow["Text7"].text.empty()) expectedWarnings.emplace_back("Need Phone Number Input");
        if (shadow["Text12"].text.empty()) expectedWarnings.emplace_back("Need Email Input");
        const std::vector<std::string> messages(platform_->messages.begin() + static_cast<std::ptrdiff_t>(shown),
                                                platform_->messages.end());
        ASSERT_EQ(messages.size(), expectedWarnings.size() + 1) << "one message box for the outcome";
        EXPECT_EQ(std::vector<std::string>(messages.begin(), messages.end() - 1), expectedWarnings);

        const std::optional<std::string> after = contentOf(target);
        EXPECT_FALSE(hasTemporaryFile(target.parent_path())) << "a temporary file was left beside " << target;
        if (messages.back() == kSuccess) {
            ++written_;
            EXPECT_TRUE(folderTakesIt && bytes.ok()) << "\"Generate\" reported success where it cannot";
            ASSERT_TRUE(after.has_value()) << target << " is missing after a success";
            ASSERT_TRUE(bytes.ok()) << bytes.error().message;
            EXPECT_EQ(*after, bytes.value()) << "the file on disk is not the whole new file";
            const Result<std::string> text = fromCodePage(*after, activeCodePage());
            ASSERT_TRUE(text.ok()) << text.error().message;
            EXPECT_EQ(text.value(), formatConfigurationFile(record));
        } else {
            EXPECT_FALSE(messages.back().empty());
            EXPECT_FALSE(folderTakesIt && bytes.ok()) << "\"Generate\" failed where it should not: " << messages.back();
            EXPECT_EQ(after, before) << "a failed \"Generate\" changed " << target;
        }
    }

    // --- what both windows share ---

    std::string clickable(const WindowModel& model) {
        std::vector<std::string> names;
        for (const Control& control : model.controls()) {
            const bool clickKind = control.kind() == ControlKind::Label || control.kind() == ControlKind::Button ||
                                   control.kind() == ControlKind::Frame || control.kind() == ControlKind::PictureBox;
            if (clickKind && control.enabled && control.visible) names.emplace_back(control.name());
        }
        return dice_.oneOf(names);
    }

    void pointer(WindowController& window, WindowState& shadow) {
        static const std::vector<int> buttons{0, 1, 1, 1, 2, 3, 4, 5, 7};
        const int button = dice_.oneOf(buttons);
        const int shift = static_cast<int>(dice_.below(8));
        const float x = dice_.chance(90) ? std::round(dice_.between(-500, 12000)) : dice_.between(-1e6F, 1e6F);
        const float y = dice_.chance(90) ? std::round(dice_.between(-500, 11000)) : dice_.between(-1e6F, 1e6F);
        std::ostringstream what;
        what << window.model().name() << ": mouse-";
        if (dice_.chance(30)) {
            what << "down " << button << " " << shift << " " << x << " " << y;
            note(what.str());
            window.mouseDown(button, shift, x, y);
            shadow.dragStartX = x;
            shadow.dragStartY = y;
        } else {
            what << "move " << button << " " << shift << " " << x << " " << y;
            note(what.str());
            window.mouseMove(button, shift, x, y);
            drag(shadow, button, x, y);
        }
    }

    void key(WindowController& window) {
        if (dice_.chance(4)) {
            note(std::string(window.model().name()) + ": Escape");
            const auto files = snapshot(disks_.card.path());
            window.keyPress(kEscapeKey);
            EXPECT_TRUE(platform_->ended);
            EXPECT_FALSE(platform_->isVisible("Form1"));
            EXPECT_FALSE(platform_->isVisible("Form5"));
            EXPECT_EQ(snapshot(disks_.card.path()), files) << "Escape wrote something";
            // The program is over: the next event belongs to a new run of it.
            if (!::testing::Test::HasFailure()) startProgram();
            return;
        }
        static const std::vector<int> codes{8, 9, 13, 26, 28, 32, 48, 65, 97, 126, 127, 255, 0x4E2D};
        const int code = dice_.oneOf(codes);
        note(std::string(window.model().name()) + ": key " + std::to_string(code));
        window.keyPress(code);
    }

    // --- the comparison after each event ---

    void check() {
        ASSERT_FALSE(platform_->ended) << "the program ended without Escape";
        compare(app_->startWindow().model(), start_, "Form1");
        EXPECT_EQ(app_->startWindow().languageCode(), "2");
        EXPECT_EQ(app_->startWindow().model().caption(), "Camera Setting Tool");
        EXPECT_TRUE(app_->startWindow().model().keyPreview());
        EXPECT_EQ(platform_->isVisible("Form1"), !settings_.has_value());
        Form5* window = app_->settingsWindow();
        ASSERT_EQ(window != nullptr, settings_.has_value()) << "the settings window is loaded when it should not be";
        EXPECT_EQ(platform_->isVisible("Form5"), settings_.has_value());
        if (window == nullptr) return;
        compare(window->model(), *settings_, "Form5");
        checkStateTables(window->model());
        EXPECT_EQ(window->model().caption(), "GPRS SETTINGS");
        EXPECT_TRUE(window->model().keyPreview());
    }

    void compare(const WindowModel& model, WindowState& shadow, std::string_view windowName) {
        for (const Control& control : model.controls()) {
            const ControlState& expected = shadow[control.name()];
            EXPECT_EQ(control.text, expected.text) << windowName << "." << control.name() << " text";
            EXPECT_EQ(control.enabled, expected.enabled) << windowName << "." << control.name() << " enabled";
            EXPECT_EQ(control.visible, expected.visible) << windowName << "." << control.name() << " visible";
            EXPECT_EQ(control.items, expected.items) << windowName << "." << control.name() << " items";
        }
        EXPECT_EQ(platform_->position(windowName), shadow.position) << windowName << " position";
    }

    // The rules that hold whatever came before, read straight off the window.
    void checkStateTables(const WindowModel& window) {
        for (std::string_view name : kAccountFields) {
            EXPECT_FALSE(window.control(name).visible) << name;
            EXPECT_FALSE(window.control(name).enabled) << name;
        }
        for (std::string_view name : {"Label6", "Label7", "Command1", "Label22", "Combo5"}) {
            EXPECT_FALSE(window.control(name).visible) << name;
        }
        EXPECT_FALSE(window.control("Combo1").enabled);
        const bool manual = mode_ == Mode::Manual;
        for (std::string_view name : kMmsFields) {
            EXPECT_EQ(window.control(name).enabled, manual) << name;
            EXPECT_EQ(window.control(name).visible, manual) << name;
        }
        EXPECT_EQ(window.control("Combo3").enabled, !manual);
        EXPECT_EQ(window.control("Combo4").enabled, !manual);
        if (manual) {
            EXPECT_EQ(window.text("Combo3"), "");
            EXPECT_EQ(window.text("Combo4"), "");
        }
    }

    void note(std::string what) {
        journal_.push_back("#" + std::to_string(event_) + " " + std::move(what));
        if (journal_.size() > 25) journal_.pop_front();
    }

    std::string journal() const {
        std::string text;
        for (const std::string& line : journal_) text += "  " + line + "\n";
        return text;
    }

    Dice dice_;
    const Disks& disks_;
    std::vector<fs::path> writable_;
    std::vector<std::string> folders_;
    std::vector<std::string> typedPaths_;

    std::unique_ptr<HeadlessPlatform> platform_;
    std::unique_ptr<Application> app_;
    WindowState start_;
    std::optional<WindowState> settings_;
    Mode mode_ = Mode::Auto;

    long event_ = 0;
    long generates_ = 0;
    long written_ = 0;
    long runs_ = 0;
    std::deque<std::string> journal_;
};

TEST(EventStorm, TheWindowsKeepTheirStateTablesAndGenerateNeverLeavesAHalfFile) {
    Disks disks;
    if (!disks.why().empty()) GTEST_SKIP() << "the storm writes to its own tmpfs disks: " << disks.why();
    test::writeBytes(disks.full.file("MMS.INI"), "[MMS]\r\nan older file\r\n");
    disks.full.fill();
    test::writeBytes(disks.locked.file("MMS.INI"), "[MMS]\r\na protected file\r\n");
    ASSERT_TRUE(disks.locked.makeReadOnly());
    // "Generate" with a Path without a folder writes into the working directory.
    test::ScopedWorkingDirectory inCard(disks.card.path());

    const std::uint64_t seed = seedFromEnvironment();
    const long events = eventsFromEnvironment();
    EventStorm storm(seed, disks);
    storm.run(events);
    RecordProperty("seed", std::to_string(seed));
    std::cout << "storm of seed " << seed << ": " << storm.events() << " events, " << storm.programRuns() << " runs, "
              << storm.generates() << " \"Generate\", " << storm.written() << " files written\n";
    if (!HasFailure() && events >= kDefaultEvents) {
        EXPECT_GT(storm.written(), 0) << "the storm never wrote a file, so it checked no new file";
        EXPECT_LT(storm.written(), storm.generates()) << "the storm never met a failing \"Generate\"";
        EXPECT_GT(storm.programRuns(), 1) << "the storm never ended the program with Escape";
    }
}

}  // namespace
}  // namespace qx

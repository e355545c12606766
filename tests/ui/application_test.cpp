#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "catalogue/operator_catalogue.h"
#include "model/config_file_writer.h"
#include "support/temp_dir.h"
#include "support/typical_run.h"
#include "ui/headless_run.h"
#include "ui/start/start_layout.h"

namespace qx {
namespace {

using test::HeadlessRun;
using test::pick;

TEST(Application, TheRoadOfATypicalRun) {
    test::TempDir dir;
    HeadlessRun run;
    EXPECT_TRUE(run.platform.isVisible("Form1"));
    EXPECT_EQ(run.platform.position("Form1"), (WindowPosition{5000, 2000}));

    Form5& window = run.openSettings();
    pick(window, "Combo3", test::kTypicalRunCountry);
    EXPECT_EQ(window.model().text("Combo4"), "TIM");
    for (const test::TypedValue& typed : test::kTypicalRunTyping) window.textEdited(typed.control, typed.text);
    run.platform.answerFolderBrowser(dir.path().string());
    window.clicked("Command4");
    window.clicked("Command2");
    EXPECT_EQ(run.platform.messages, std::vector<std::string>{"Create configure file success."});

    const SettingsRecord expected = test::typicalRunRecord();
    EXPECT_EQ(test::readBytes(dir.file("MMS.INI")), formatConfigurationFile(expected));

    run.app.settingsWindow()->keyPress(kEscapeKey);
    EXPECT_TRUE(run.platform.ended);
}

TEST(Application, EscapeEndsTheProgramFromEitherWindowAndWritesNothing) {
    for (const bool fromSettings : {false, true}) {
        test::TempDir dir;
        HeadlessRun run;
        WindowController* window = &run.app.startWindow();
        if (fromSettings) {
            Form5& settings = run.openSettings();
            settings.textEdited("Text17", dir.path().string() + kNativeSeparator + "NET.CFG");
            settings.textEdited("Text7", "0123");
            window = &settings;
        }
        window->keyPress('a');
        EXPECT_FALSE(run.platform.ended);
        window->keyPress(kEscapeKey);
        EXPECT_TRUE(run.platform.ended);
        EXPECT_FALSE(run.platform.isVisible("Form1")) << "the start window does not come back";
        EXPECT_TRUE(run.platform.messages.empty());
        EXPECT_EQ(test::listFolder(dir.path()), "");
    }
}

TEST(StartWindow, LoadState) {
    HeadlessRun run;
    const Form1& window = run.app.startWindow();
    EXPECT_EQ(window.languageCode(), "2");
    EXPECT_EQ(window.model().caption(), "Camera Setting Tool");
    EXPECT_EQ(window.model().text("Label5"), kLinkCaption);
    EXPECT_FALSE(window.model().control("Combo1").enabled);
    EXPECT_FALSE(window.model().control("Combo2").enabled);
    EXPECT_EQ(window.model().text("Combo1"), "English");
    EXPECT_EQ(window.model().text("Combo2"), "QX41x");
    EXPECT_TRUE(window.model().keyPreview());
}

TEST(StartWindow, ComesBackWhereItWasAfterExit) {
    HeadlessRun run;
    Form1& start = run.app.startWindow();
    start.mouseDown(1, 0, 100, 100);
    start.mouseMove(1, 0, 400, 250);
    const WindowPosition dragged = run.platform.position("Form1");
    run.openSettings().clicked("Command3");
    EXPECT_TRUE(run.platform.isVisible("Form1"));
    EXPECT_EQ(run.platform.position("Form1"), dragged);
    EXPECT_EQ(start.model().text("Label5"), kLinkCaption);
}

TEST(StartWindow, ModelSelectorChangeAlwaysLeavesQX730) {
    HeadlessRun run;
    Form1& window = run.app.startWindow();
    window.textEdited("Combo2", "QX4");
    EXPECT_EQ(window.model().text("Combo2"), "QX730");
    window.textEdited("Combo2", "QX730");
    EXPECT_EQ(window.model().text("Combo2"), "QX730");
}

struct LanguageCase {
    const char* picked;
    const char* code;
    const char* caption;
    const char* label;
};

TEST(StartWindow, LanguageSelection) {
    const LanguageCase cases[] = {
        {"中文", "1", "相机设置工具", "语言"},
        {"English", "2", "Camera Setting Tool", "Language"},
        {"Deutsch", "2", "Camera Setting Tool", "Language"},
    };
    for (const LanguageCase& c : cases) {
        HeadlessRun run;
        Form1& window = run.app.startWindow();
        pick(window, "Combo1", c.picked);
        EXPECT_EQ(window.languageCode(), c.code) << c.picked;
        EXPECT_EQ(window.model().caption(), c.caption) << c.picked;
        EXPECT_EQ(window.model().text("Label2"), c.label) << c.picked;
    }
    // A code keeps what it had for texts that match neither name, letter case included.
    HeadlessRun run;
    Form1& window = run.app.startWindow();
    pick(window, "Combo1", "中文");
    window.model().setText("Combo1", "english");
    window.languageChosen();
    EXPECT_EQ(window.languageCode(), "1");
    EXPECT_EQ(window.model().caption(), "相机设置工具");
}

struct DragStep {
    bool down;
    int button;
    float x, y;
    float left, top;  // the window's corner afterwards
};

void runDrag(WindowController& window, HeadlessPlatform& platform, std::initializer_list<DragStep> steps) {
    int index = 0;
    for (const DragStep& step : steps) {
        if (step.down) {
            window.mouseDown(step.button, 0, step.x, step.y);
        } else {
            window.mouseMove(step.button, 0, step.x, step.y);
        }
        const WindowPosition at = platform.position(window.model().name());
        EXPECT_EQ(at, (WindowPosition{step.left, step.top})) << "after step " << index;
        ++index;
    }
}

TEST(WindowDrag, FollowsTheLeftButtonAloneAndMeasuresFromTheLastPress) {
    HeadlessRun run;
    Form1& window = run.app.startWindow();
    runDrag(window, run.platform,
            {
                {true, 1, 1000, 500, 5000, 2000},
                {false, 1, 1300, 650, 5300, 2150},  // 300 × 150 twips right and down
                {false, 1, 1000, 500, 5300, 2150},  // the pressed point stays under the pointer
                {false, 2, 1500, 900, 5300, 2150},  // right button: stays
                {false, 4, 1500, 900, 5300, 2150},  // middle
                {false, 3, 1500, 900, 5300, 2150},  // left and right together
                {false, 0, 1500, 900, 5300, 2150},  // no button
                {true, 2, 10, 10, 5300, 2150},      // a right press stores its point too ...
                {true, 1, 200, 100, 5300, 2150},    // ... and the left press after it its own
                {false, 1, 210, 130, 5310, 2180},
            });
}

TEST(WindowDrag, ShiftStateDoesNotMatter) {
    HeadlessRun run;
    Form1& window = run.app.startWindow();
    window.mouseDown(1, 0, 0, 0);
    window.mouseMove(1, 1 | 2 | 4, 30, 45);
    EXPECT_EQ(run.platform.position("Form1"), (WindowPosition{5030, 2045}));
}

TEST(WindowDrag, WithoutAPressTheStartPointIsZero) {
    HeadlessRun run;
    Form5& window = run.openSettings();
    run.platform.moveWindow(window, {100, 100});
    window.mouseMove(1, 0, 20, 30);
    EXPECT_EQ(run.platform.position("Form5"), (WindowPosition{120, 130}));
}

TEST(WindowDrag, APositionThatOverflowsLeavesTheWindowWhereItIs) {
    HeadlessRun run;
    Form1& window = run.app.startWindow();
    const float huge = std::numeric_limits<float>::max();
    run.platform.moveWindow(window, {huge, 0});
    window.mouseDown(1, 0, -huge, 0);
    window.mouseMove(1, 0, huge, 0);
    EXPECT_EQ(run.platform.position("Form1"), (WindowPosition{huge, 0}));
    window.mouseMove(1, 0, std::nanf(""), 0);
    EXPECT_EQ(run.platform.position("Form1"), (WindowPosition{huge, 0}));
    EXPECT_FALSE(run.platform.ended);
}

}  // namespace
}  // namespace qx

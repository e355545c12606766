#include <gtest/gtest.h>

#include <optional>

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTest>

#include "model/config_file_writer.h"
#include "platform/qt/key_preview.h"
#include "platform/qt/picture_box.h"
#include "qt_run.h"
#include "support/temp_dir.h"
#include "ui/start/start_layout.h"

namespace qx::qt {
namespace {

using test::kPatienceMs;
using test::QtRun;

// The layouts' pixels below are twips / 15: the offscreen screen has 96 dots per inch.
void expectScreenOf96Dpi(const QWidget& window) {
    ASSERT_DOUBLE_EQ(window.screen()->logicalDotsPerInchX(), 96.0);
    ASSERT_DOUBLE_EQ(window.screen()->logicalDotsPerInchY(), 96.0);
}

TEST(QtStartWindow, OpensWithItsTitleIconAndPlace) {
    QtRun run;
    QtWindow& window = run.startWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window, kPatienceMs));
    expectScreenOf96Dpi(window);
    EXPECT_EQ(window.windowTitle(), "Camera Setting Tool");
    EXPECT_EQ(window.pos(), QPoint(333, 133)) << "5000 and 2000 twips from the screen's top-left";
    EXPECT_EQ(run.platform.windowPosition(run.app.startWindow()), (WindowPosition{5000, 2000}));
    EXPECT_EQ(window.size(), QSize(774, 570));

    const QList<QSize> iconSizes = window.windowIcon().availableSizes();
    EXPECT_TRUE(iconSizes.contains(QSize(32, 32)));
    EXPECT_TRUE(iconSizes.contains(QSize(16, 16)));

    for (const auto& [name, text] : {std::pair{"Combo1", "English"}, std::pair{"Combo2", "QX41x"}}) {
        QComboBox& selector = QtRun::widget<QComboBox>(window, name);
        EXPECT_FALSE(selector.isEnabled()) << name;
        EXPECT_EQ(selector.currentText(), text) << name;
    }
    EXPECT_EQ(QtRun::widget<QComboBox>(window, "Combo1").count(), 12);
    EXPECT_EQ(QtRun::widget<QLabel>(window, "Label5").text().toStdString(), kLinkCaption);
    EXPECT_EQ(QtRun::widget<PictureBox>(window, "Picture1").picture().size(), QSize(54, 52));
}

struct DragCase {
    const char* pressOn;  // a control, or nullptr for the bare surface
    Qt::MouseButton button;
    Qt::KeyboardModifiers modifiers;
    bool moves;
    QPoint by = {20, 10};  // pixels: 300 twips right and 150 down
};

// Where to press: the middle of a control, or a spot of the surface that no control covers.
QPoint pressPoint(QtWindow& window, const char* control) {
    if (control == nullptr) return {30, 400};
    QWidget& widget = *window.control(control);
    return widget.mapTo(&window, widget.rect().center());
}

TEST(QtStartWindow, OnlyADragOnTheBareSurfaceWithTheLeftButtonMovesTheWindow) {
    const DragCase cases[] = {
        {nullptr, Qt::LeftButton, Qt::NoModifier, true},
        {nullptr, Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier, true},
        {nullptr, Qt::RightButton, Qt::NoModifier, false},
        {nullptr, Qt::MiddleButton, Qt::NoModifier, false},
        {"Label1", Qt::LeftButton, Qt::NoModifier, false},
        {"Label2", Qt::LeftButton, Qt::NoModifier, false},
        {"Label7", Qt::LeftButton, Qt::NoModifier, false},
        // Out of the label and on over the bare surface: the press still belongs to the label.
        {"Label2", Qt::LeftButton, Qt::NoModifier, false, {70, 40}},
        {"Picture1", Qt::LeftButton, Qt::NoModifier, false},
        // A disabled control takes no input: the press goes to the window under it.
        {"Combo1", Qt::LeftButton, Qt::NoModifier, true},
    };
    for (const DragCase& c : cases) {
        SCOPED_TRACE(c.pressOn != nullptr ? c.pressOn : "bare surface");
        QtRun run;
        QtWindow& window = run.startWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window, kPatienceMs));
        expectScreenOf96Dpi(window);
        QWindow* handle = window.windowHandle();
        const WindowPosition before = run.platform.windowPosition(run.app.startWindow());
        const QPoint from = pressPoint(window, c.pressOn);
        QTest::mousePress(handle, c.button, c.modifiers, from);
        // A window that follows the pointer has it back over the point that was pressed when the
        // button comes up.
        QTest::mouseMove(handle, from + c.by);
        QTest::mouseRelease(handle, c.button, c.modifiers, c.moves ? from : from + c.by);
        const WindowPosition expected =
            c.moves ? WindowPosition{before.left + 15.0f * static_cast<float>(c.by.x()),
                                     before.top + 15.0f * static_cast<float>(c.by.y())}
                    : before;
        EXPECT_EQ(run.platform.windowPosition(run.app.startWindow()), expected);
        EXPECT_EQ(window.pos(), QPoint(333, 133) + (c.moves ? c.by : QPoint()));
        EXPECT_EQ(run.app.settingsWindow(), nullptr);
    }
}

TEST(QtStartWindow, ADragOnTheBareSurfaceOfTheSettingsWindowMovesItToo) {
    QtRun run;
    QtWindow& window = run.openSettings();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window, kPatienceMs));
    run.platform.moveWindow(*run.app.settingsWindow(), {1500, 1500});
    const QPoint from(5, 5);
    QTest::mousePress(window.windowHandle(), Qt::LeftButton, {}, from);
    QTest::mouseMove(window.windowHandle(), from + QPoint(20, 10));
    QTest::mouseRelease(window.windowHandle(), Qt::LeftButton, {}, from);
    EXPECT_EQ(run.platform.windowPosition(*run.app.settingsWindow()), (WindowPosition{1800, 1650}));
}

TEST(QtStartWindow, TheLinkOpensTheSettingsWindowAndExitBringsTheStartWindowBackWhereItWas) {
    QtRun run;
    QtWindow& start = run.startWindow();
    run.platform.moveWindow(run.app.startWindow(), {3000, 1200});
    QtWindow& settings = run.openSettings();
    EXPECT_FALSE(start.isVisible());
    EXPECT_EQ(settings.windowTitle(), "GPRS SETTINGS");
    QTest::mouseClick(settings.control("Command3"), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return start.isVisible(); }, kPatienceMs));
    EXPECT_EQ(run.app.settingsWindow(), nullptr);
    EXPECT_EQ(run.platform.windowPosition(run.app.startWindow()), (WindowPosition{3000, 1200}));
}

struct EscapeCase {
    const char* window;   // "Form1" or "Form5"
    const char* focused;  // the control with the focus, or nullptr
    bool listOpen;        // the focused selector's list is open
};

TEST(QtStartWindow, EscapeEndsTheProgramWhateverHasTheFocusAndWritesNothing) {
    const EscapeCase cases[] = {
        {"Form1", nullptr, false},
        {"Form5", "Text7", false},
        {"Form5", "Text17", false},
        {"Form5", "Combo3", false},
        {"Form5", "Combo3", true},
        {"Form5", "Command2", false},
    };
    for (const EscapeCase& c : cases) {
        SCOPED_TRACE(std::string(c.window) + " " + (c.focused != nullptr ? c.focused : "") + (c.listOpen ? " open" : ""));
        qx::test::TempDir dir;
        QtRun run;
        QtWindow* window = &run.startWindow();
        QWidget* target = window;
        if (std::string_view(c.window) == "Form5") {
            window = &run.openSettings();
            QLineEdit& path = QtRun::widget<QLineEdit>(*window, "Text17");
            ASSERT_TRUE(test::focus(path));
            QTest::keyClicks(&path, QString::fromStdString(dir.file("NET.CFG")));
            QLineEdit& phone = QtRun::widget<QLineEdit>(*window, "Text7");
            ASSERT_TRUE(test::focus(phone));
            QTest::keyClicks(&phone, "0123");
            target = window->control(c.focused);
        }
        ASSERT_TRUE(test::focus(*target));
        QWindow* keyWindow = window->windowHandle();
        if (c.listOpen) {
            auto& selector = QtRun::widget<QComboBox>(*window, c.focused);
            QTest::keyClick(&selector, Qt::Key_F4);
            ASSERT_TRUE(QTest::qWaitFor([&] { return selector.view()->isVisible(); }, kPatienceMs));
            keyWindow = selector.view()->window()->windowHandle();
        }
        QTest::keyClick(keyWindow, Qt::Key_A);
        EXPECT_EQ(run.quits, 0) << "other keys reach the control";
        QTest::keyClick(keyWindow, Qt::Key_Escape);
        EXPECT_EQ(run.quits, 1);
        EXPECT_FALSE(run.startWindow().isVisible());
        EXPECT_FALSE(window->isVisible());
        EXPECT_TRUE(run.messages.empty());
        EXPECT_EQ(qx::test::listFolder(dir.path()), "");
    }
}

struct KeyCase {
    int key;
    const char* text;
    std::optional<int> code;
};

TEST(QtKeyPreview, CharacterCodesOfKeyPresses) {
    const KeyCase cases[] = {
        {Qt::Key_Escape, "", 27},       {Qt::Key_Escape, "\x1b", 27}, {Qt::Key_Return, "\r", 13},
        {Qt::Key_Enter, "", 13},        {Qt::Key_Backspace, "", 8},   {Qt::Key_A, "a", 'a'},
        {Qt::Key_A, "A", 'A'},          {Qt::Key_Left, "", std::nullopt}, {Qt::Key_F4, "", std::nullopt},
        {Qt::Key_Shift, "", std::nullopt},
    };
    for (const KeyCase& c : cases) {
        const QKeyEvent event(QEvent::KeyPress, c.key, Qt::NoModifier, QString::fromLatin1(c.text));
        EXPECT_EQ(characterCode(event), c.code) << "key " << c.key << " text '" << c.text << "'";
    }
}

}  // namespace
}  // namespace qx::qt

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "qt_run.h"

namespace qx::qt {
namespace {

using test::QtRun;

constexpr const char* kMmsFields[] = {"Text1", "Text4", "Text5", "Text6"};
constexpr const char* kAccountFields[] = {"Text2", "Text3"};

TEST(QtSettingsWindow, ManualShowsTheFourMmsFieldsEmptyAndDisablesCountryAndOperators) {
    QtRun run;
    QtWindow& window = run.openSettings();
    for (const char* name : kMmsFields) {
        EXPECT_FALSE(window.control(name)->isVisible()) << name << " is hidden in Auto mode";
    }
    ASSERT_TRUE(test::pickWithKeyboard(QtRun::widget<QComboBox>(window, "Combo3"), "Italy"));
    ASSERT_FALSE(QtRun::widget<QLineEdit>(window, "Text1").text().isEmpty()) << "the preset reached the APN";

    ASSERT_TRUE(test::pickWithKeyboard(QtRun::widget<QComboBox>(window, "Combo2"), "Manual"));
    for (const char* name : kMmsFields) {
        QLineEdit& field = QtRun::widget<QLineEdit>(window, name);
        EXPECT_TRUE(field.isVisible()) << name;
        EXPECT_TRUE(field.isEnabled()) << name;
        EXPECT_EQ(field.text(), "") << name;
    }
    for (const char* name : kAccountFields) {
        EXPECT_FALSE(window.control(name)->isVisible()) << name;
        EXPECT_FALSE(window.control(name)->isEnabled()) << name;
    }
    for (const char* name : {"Combo3", "Combo4"}) {
        QComboBox& selector = QtRun::widget<QComboBox>(window, name);
        EXPECT_FALSE(selector.isEnabled()) << name;
        EXPECT_EQ(selector.currentText(), "") << name;
    }
    EXPECT_GT(QtRun::widget<QComboBox>(window, "Combo4").count(), 0) << "the operators list is kept";
}

TEST(QtSettingsWindow, BackToAutoHidesTheTypedMmsValuesAndKeepsThem) {
    QtRun run;
    QtWindow& window = run.openSettings();
    QComboBox& mode = QtRun::widget<QComboBox>(window, "Combo2");
    ASSERT_TRUE(test::pickWithKeyboard(mode, "Manual"));
    QLineEdit& apn = QtRun::widget<QLineEdit>(window, "Text1");
    ASSERT_TRUE(test::focus(apn));
    QTest::keyClicks(&apn, "internet");
    ASSERT_TRUE(test::pickWithKeyboard(mode, "Auto"));
    EXPECT_FALSE(apn.isVisible());
    EXPECT_EQ(apn.text(), "internet");
    EXPECT_EQ(run.app.settingsWindow()->model().text("Text1"), "internet");
    EXPECT_TRUE(QtRun::widget<QComboBox>(window, "Combo3").isEnabled());
}

TEST(QtSettingsWindow, TypingAModeIntoTheSettingModeEditPartChangesNothing) {
    for (const char* typed : {"Manual", "manual", "MANUAL"}) {
        SCOPED_TRACE(typed);
        QtRun run;
        QtWindow& window = run.openSettings();
        QComboBox& mode = QtRun::widget<QComboBox>(window, "Combo2");
        ASSERT_TRUE(test::focus(mode));
        QTest::keyClick(&mode, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(&mode, typed);
        QTest::keyClick(&mode, Qt::Key_Return);
        // Leaving the selector finishes the edit as well.
        QTest::keyClick(&mode, Qt::Key_Tab);
        EXPECT_EQ(mode.currentText(), typed);
        EXPECT_EQ(run.app.settingsWindow()->model().text("Combo2"), typed) << "the text reaches the model";
        EXPECT_EQ(mode.count(), 2) << "nothing is added to the list";
        for (const char* name : kMmsFields) EXPECT_FALSE(window.control(name)->isVisible()) << name;
        EXPECT_TRUE(QtRun::widget<QComboBox>(window, "Combo3").isEnabled());
        EXPECT_TRUE(QtRun::widget<QComboBox>(window, "Combo4").isEnabled());
    }
}

TEST(QtSettingsWindow, EditingInsideAFieldKeepsTheCursorWhereTheUserPutIt) {
    QtRun run;
    QtWindow& window = run.openSettings();
    QLineEdit& phone = QtRun::widget<QLineEdit>(window, "Text7");
    QComboBox& country = QtRun::widget<QComboBox>(window, "Combo3");
    for (QWidget* widget : {static_cast<QWidget*>(&phone), static_cast<QWidget*>(&country)}) {
        ASSERT_TRUE(test::focus(*widget));
        QTest::keyClicks(widget, "abc");
        QTest::keyClick(widget, Qt::Key_Home);
        QTest::keyClicks(widget, "X");
    }
    EXPECT_EQ(phone.text(), "Xabc");
    EXPECT_EQ(country.currentText(), "Xabc");
    EXPECT_EQ(run.app.settingsWindow()->model().text("Text7"), "Xabc");
    EXPECT_EQ(run.app.settingsWindow()->model().text("Combo3"), "Xabc");
}

// The name of the control that has the window's focus, climbing from an inner part such as the
// edit part of a selector.
std::string focusedControl(QtWindow& window) {
    for (QWidget* widget = window.focusWidget(); widget != nullptr; widget = widget->parentWidget()) {
        const std::string name = widget->objectName().toStdString();
        if (window.control(name) == widget) return name;
    }
    return "(none)";
}

struct TabOrderCase {
    const char* mode;
    std::vector<std::string> order;
};

TEST(QtSettingsWindow, TabMovesThroughTheControlsByTabIndex) {
    const std::vector<std::string> start{"Command3", "Command2", "Text12", "Text13", "Text14", "Text15", "Text16",
                                         "Text7",    "Text8",    "Text9",  "Text10", "Text11"};
    const std::vector<std::string> end{"Text17", "Command4", "Text21", "Text20", "Text19", "Text18"};
    auto join = [&](std::vector<std::string> middle) {
        std::vector<std::string> all = start;
        all.insert(all.end(), middle.begin(), middle.end());
        all.insert(all.end(), end.begin(), end.end());
        return all;
    };
    const TabOrderCase cases[] = {
        {"Auto", join({"Combo3", "Combo4", "Combo2"})},
        {"Manual", join({"Text1", "Combo2", "Text6", "Text4", "Text5"})},
    };
    for (const TabOrderCase& c : cases) {
        SCOPED_TRACE(c.mode);
        QtRun run;
        QtWindow& window = run.openSettings();
        EXPECT_EQ(focusedControl(window), "Command3") << "the window opens with the focus on Exit";
        ASSERT_TRUE(test::pickWithKeyboard(QtRun::widget<QComboBox>(window, "Combo2"), c.mode));
        ASSERT_TRUE(test::focus(*window.control("Command3")));
        std::vector<std::string> visited;
        for (std::size_t i = 0; i <= c.order.size(); ++i) {
            visited.push_back(focusedControl(window));
            QTest::keyClick(window.focusWidget(), Qt::Key_Tab);
        }
        std::vector<std::string> expected = c.order;
        expected.push_back(c.order.front());  // and round again
        EXPECT_EQ(visited, expected);
    }
}

}  // namespace
}  // namespace qx::qt

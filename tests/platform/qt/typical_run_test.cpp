#include <gtest/gtest.h>

#include <QComboBox>
#include <QPointer>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "catalogue/operator_catalogue.h"
#include "model/config_file_writer.h"
#include "qt_run.h"
#include "support/temp_dir.h"
#include "support/typical_run.h"

namespace qx::qt {
namespace {

using test::kPatienceMs;
using test::QtRun;

void type(QtWindow& window, const char* field, const QString& text) {
    QLineEdit& edit = QtRun::widget<QLineEdit>(window, field);
    ASSERT_TRUE(test::focus(edit)) << field;
    QTest::keyClicks(&edit, text);
    EXPECT_EQ(edit.text(), text) << field;
}

TEST(QtTypicalRun, FromStartUpToAWrittenFile) {
    qx::test::TempDir dir;
    QtRun run;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&run.startWindow(), kPatienceMs));

    QtWindow& window = run.openSettings();
    EXPECT_FALSE(run.startWindow().isVisible()) << "the link hides the start window";

    QComboBox& country = QtRun::widget<QComboBox>(window, "Combo3");
    ASSERT_TRUE(test::pickWithKeyboard(country, qx::test::kTypicalRunCountry));
    QComboBox& operators = QtRun::widget<QComboBox>(window, "Combo4");
    EXPECT_EQ(operators.currentText(), "TIM") << "the default operator is shown";
    const CountryOperators& italy = *findCountry(qx::test::kTypicalRunCountry);
    ASSERT_EQ(operators.count(), static_cast<int>(italy.operators.size()));
    for (int i = 0; i < operators.count(); ++i) {
        EXPECT_EQ(operators.itemText(i).toStdString(), italy.operators[static_cast<std::size_t>(i)]);
    }

    for (const qx::test::TypedValue& typed : qx::test::kTypicalRunTyping) {
        type(window, typed.control, QString::fromUtf8(typed.text));
    }

    run.folderAnswers.push_back(QString::fromStdString(dir.path().string()));
    QTest::mouseClick(&QtRun::widget<QPushButton>(window, "Command4"), Qt::LeftButton);
    ASSERT_EQ(run.folderDialogs.size(), 1u);
    EXPECT_EQ(run.folderDialogs[0].title, QString::fromUtf8("请选择软件安装路径："));
    EXPECT_TRUE(run.folderDialogs[0].directoriesOnly);
    EXPECT_EQ(run.folderDialogs[0].owner, &window) << "modal to the settings window";
    EXPECT_EQ(QtRun::widget<QLineEdit>(window, "Text17").text().toStdString(), dir.file("NET.CFG"));

    QTest::mouseClick(&QtRun::widget<QPushButton>(window, "Command2"), Qt::LeftButton);
    ASSERT_EQ(run.messageTexts(), std::vector<QString>{"Create configure file success."});
    EXPECT_EQ(run.messages[0].title, "QX730 Setting Tools");
    EXPECT_TRUE(run.messages[0].onlyOk);
    EXPECT_TRUE(run.messages[0].modal);

    const SettingsRecord expected = qx::test::typicalRunRecord();
    EXPECT_EQ(qx::test::readBytes(dir.file("MMS.INI")), formatConfigurationFile(expected));

    QTest::keyClick(&QtRun::widget<QLineEdit>(window, "Text18"), Qt::Key_Escape);
    EXPECT_EQ(run.quits, 1);
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(run.startWindow().isVisible()) << "the start window does not come back";
}

struct WarningCase {
    const char* phone1;
    const char* email1;
    std::vector<QString> messages;
};

TEST(QtTypicalRun, GenerateWarnsForAnEmptyFirstPhoneOrEmailAndWritesAllTheSame) {
    const WarningCase cases[] = {
        {"", "", {"Need Phone Number Input", "Need Email Input", "Create configure file success."}},
        {"", "me@example.it", {"Need Phone Number Input", "Create configure file success."}},
        {"0123", "", {"Need Email Input", "Create configure file success."}},
    };
    for (const WarningCase& c : cases) {
        SCOPED_TRACE(std::string("phone '") + c.phone1 + "', e-mail '" + c.email1 + "'");
        qx::test::TempDir dir;
        QtRun run;
        QtWindow& window = run.openSettings();
        if (*c.phone1 != '\0') type(window, "Text7", c.phone1);
        if (*c.email1 != '\0') type(window, "Text12", c.email1);
        type(window, "Text17", QString::fromStdString(dir.file("NET.CFG")));
        QTest::mouseClick(&QtRun::widget<QPushButton>(window, "Command2"), Qt::LeftButton);
        EXPECT_EQ(run.messageTexts(), c.messages);
        SettingsRecord expected;
        expected.Phone1 = c.phone1;
        expected.Email1 = c.email1;
        EXPECT_EQ(qx::test::readBytes(dir.file("MMS.INI")), formatConfigurationFile(expected));
    }
}

TEST(QtTypicalRun, AFailedWriteShowsTheErrorAndKeepsEveryValue) {
    qx::test::TempDir dir;
    QtRun run;
    QtWindow& window = run.openSettings();
    type(window, "Text7", "0123");
    type(window, "Text12", "me@example.it");
    const QString missing = QString::fromStdString(dir.file("missing") + kNativeSeparator + "NET.CFG");
    type(window, "Text17", missing);
    QTest::mouseClick(&QtRun::widget<QPushButton>(window, "Command2"), Qt::LeftButton);
    SettingsRecord record;
    record.Phone1 = "0123";
    record.Email1 = "me@example.it";
    const Result<void> failure = writeConfigurationFile(record, dir.file("missing") + kNativeSeparator + "MMS.INI");
    ASSERT_FALSE(failure.ok());
    EXPECT_EQ(run.messageTexts(), std::vector<QString>{QString::fromStdString(failure.error().message)});
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(QtRun::widget<QLineEdit>(window, "Text7").text(), "0123");
    EXPECT_EQ(QtRun::widget<QLineEdit>(window, "Text17").text(), missing);
    EXPECT_EQ(run.quits, 0);
}

TEST(QtTypicalRun, ExitShowsTheStartWindowAndTheNextOpeningStartsAfresh) {
    QtRun run;
    QtWindow* first = &run.openSettings();
    QPointer<QtWindow> unloaded(first);
    ASSERT_TRUE(test::pickWithKeyboard(QtRun::widget<QComboBox>(*first, "Combo2"), "Manual"));
    type(*first, "Text7", "0123");
    QTest::mouseClick(&QtRun::widget<QPushButton>(*first, "Command3"), Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return run.startWindow().isVisible(); }, kPatienceMs));
    EXPECT_TRUE(QTest::qWaitFor([&] { return unloaded.isNull(); }, kPatienceMs)) << "the old window is deleted";

    QtWindow& second = run.openSettings();
    EXPECT_EQ(QtRun::widget<QComboBox>(second, "Combo2").currentText(), "Auto");
    EXPECT_EQ(QtRun::widget<QLineEdit>(second, "Text7").text(), "");
    EXPECT_TRUE(QtRun::widget<QLineEdit>(second, "Text1").isHidden());
    EXPECT_TRUE(QtRun::widget<QComboBox>(second, "Combo3").isEnabled());
}

}  // namespace
}  // namespace qx::qt

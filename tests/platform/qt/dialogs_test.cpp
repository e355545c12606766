#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "platform/qt/dialogs.h"
#include "platform/qt/qt_platform.h"
#include "platform/qt/qt_window.h"
#include "support/temp_dir.h"
#include "ui/start/application.h"

namespace qx::qt {
namespace {

constexpr int kPatienceMs = 20000;

// Answers the first visible dialog of type Dialog that the tool opens, from the event loop that
// the dialog's own exec runs. Past the time-out it rejects whatever dialog is open, so a test that
// fails does not hang.
template <class Dialog>
class DialogAnswerer {
public:
    explicit DialogAnswerer(std::function<void(Dialog&)> answer) : answer_(std::move(answer)) {
        deadline_.start();
        QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
        timer_.start(10);
    }

    bool answered() const { return answered_; }

private:
    void poll() {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* dialog = dynamic_cast<Dialog*>(widget);
            if (dialog != nullptr && dialog->isVisible()) {
                timer_.stop();
                answered_ = true;
                answer_(*dialog);
                return;
            }
        }
        if (deadline_.hasExpired(kPatienceMs)) {
            timer_.stop();
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                if (auto* dialog = dynamic_cast<QDialog*>(widget); dialog != nullptr && dialog->isVisible()) dialog->reject();
            }
        }
    }

    std::function<void(Dialog&)> answer_;
    QTimer timer_;
    QElapsedTimer deadline_;
    bool answered_ = false;
};

// The tool with the platform's own dialogs, run by their exec; only the end of the program is
// replaced.
struct RealDialogsRun {
    int quits = 0;
    QtPlatform platform{QtPlatformHooks{{}, {}, [this] { ++quits; }}};
    Application app{platform};

    RealDialogsRun() { app.start(); }
    ~RealDialogsRun() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
};

TEST(QtDialogs, TheMessageBoxIsModalWithOneOkButtonAndTheApplicationTitle) {
    RealDialogsRun run;
    QtWindow& start = *run.platform.window(run.app.startWindow());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&start, kPatienceMs));
    QString title, text;
    QList<QAbstractButton*> buttons;
    QWidget* owner = nullptr;
    bool modal = false;
    DialogAnswerer<QMessageBox> answerer([&](QMessageBox& box) {
        title = box.windowTitle();
        text = box.text();
        buttons = box.buttons();
        owner = box.parentWidget();
        modal = box.isModal();
        QTest::mouseClick(box.button(QMessageBox::Ok), Qt::LeftButton);
    });
    run.platform.showMessage("Need Email Input");
    ASSERT_TRUE(answerer.answered());
    EXPECT_EQ(title, "QX730 Setting Tools");
    EXPECT_EQ(text, "Need Email Input");
    ASSERT_EQ(buttons.size(), 1);
    EXPECT_EQ(buttons[0]->text().remove('&'), "OK");
    EXPECT_EQ(owner, &start);
    EXPECT_TRUE(modal);
}

TEST(QtDialogs, AMessageIsShownAsPlainText) {
    const std::unique_ptr<QMessageBox> box = makeMessageBox(nullptr, "Cannot write \"<b>MMS.INI</b>\"");
    EXPECT_EQ(box->textFormat(), Qt::PlainText);
    EXPECT_EQ(box->text(), "Cannot write \"<b>MMS.INI</b>\"");
    EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
}

TEST(QtDialogs, TheFolderBrowserChoosesAFolderForThePathField) {
    qx::test::TempDir dir;
    RealDialogsRun run;
    run.app.startWindow().clicked("Label5");
    QtWindow& settings = *run.platform.window(*run.app.settingsWindow());
    QString title;
    bool foldersOnly = false;
    QWidget* owner = nullptr;
    DialogAnswerer<QFileDialog> answerer([&](QFileDialog& dialog) {
        title = dialog.windowTitle();
        foldersOnly = dialog.fileMode() == QFileDialog::Directory && dialog.testOption(QFileDialog::ShowDirsOnly);
        owner = dialog.parentWidget();
        dialog.setDirectory(QString::fromStdString(dir.path().string()));
        static_cast<QDialog&>(dialog).accept();
    });
    QTest::mouseClick(settings.control("Command4"), Qt::LeftButton);
    ASSERT_TRUE(answerer.answered());
    EXPECT_EQ(title, QString::fromUtf8("请选择软件安装路径："));
    EXPECT_TRUE(foldersOnly);
    EXPECT_EQ(owner, &settings);
    EXPECT_EQ(static_cast<QLineEdit*>(settings.control("Text17"))->text().toStdString(), dir.file("NET.CFG"));
}

TEST(QtDialogs, CancellingTheFolderBrowserKeepsThePathField) {
    RealDialogsRun run;
    run.app.startWindow().clicked("Label5");
    QtWindow& settings = *run.platform.window(*run.app.settingsWindow());
    auto* path = static_cast<QLineEdit*>(settings.control("Text17"));
    QTest::keyClicks(path, "typed by hand");
    DialogAnswerer<QFileDialog> answerer([](QFileDialog& dialog) { dialog.reject(); });
    QTest::mouseClick(settings.control("Command4"), Qt::LeftButton);
    ASSERT_TRUE(answerer.answered());
    EXPECT_EQ(path->text(), "typed by hand");
    EXPECT_EQ(run.app.settingsWindow()->model().text("Text17"), "typed by hand");
}

TEST(QtDialogs, TheChosenFolderIsAnExistingFolderInTheSystemsSpelling) {
    qx::test::TempDir dir;
    const std::string chinese = dir.file("cam \u76F8\u673A");
    std::filesystem::create_directory(chinese);
    struct Case {
        std::string directory;
        std::optional<std::string> chosen;
    };
    const Case cases[] = {
        {dir.path().string(), dir.path().string()},
        {QDir::rootPath().toStdString(), QDir::toNativeSeparators(QDir::rootPath()).toStdString()},
        {chinese, chinese},
    };
    for (const Case& c : cases) {
        const std::unique_ptr<QFileDialog> dialog = makeFolderDialog(nullptr, "title");
        dialog->setDirectory(QString::fromStdString(c.directory));
        EXPECT_EQ(chosenFolder(*dialog), c.chosen) << c.directory;
    }
}

}  // namespace
}  // namespace qx::qt

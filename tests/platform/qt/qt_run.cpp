#include "qt_run.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QTest>

#include "ui/start/start_layout.h"

namespace qx::qt::test {
namespace {

QtPlatformHooks hooksFor(QtRun& run) {
    QtPlatformHooks hooks;
    hooks.runMessageBox = [&run](QMessageBox& box) {
        run.messages.push_back({box.windowTitle(), box.text(), box.standardButtons() == QMessageBox::Ok,
                                box.windowModality() != Qt::NonModal});
    };
    hooks.runFolderDialog = [&run](QFileDialog& dialog) {
        run.folderDialogs.push_back({dialog.windowTitle(),
                                     dialog.fileMode() == QFileDialog::Directory &&
                                         dialog.testOption(QFileDialog::ShowDirsOnly),
                                     dialog.parentWidget()});
        if (run.folderAnswers.empty()) return false;
        const std::optional<QString> answer = run.folderAnswers.front();
        run.folderAnswers.pop_front();
        if (!answer) return false;
        dialog.setDirectory(*answer);
        return true;
    };
    hooks.quit = [&run] { ++run.quits; };
    return hooks;
}

}  // namespace

QtRun::QtRun() : platform(hooksFor(*this)) { app.start(); }

QtRun::~QtRun() {
    // Windows unloaded by "Exit" wait for the event loop to delete them.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

std::vector<QString> QtRun::messageTexts() const {
    std::vector<QString> texts;
    for (const MessageSeen& message : messages) texts.push_back(message.text);
    return texts;
}

QtWindow& QtRun::windowOf(const WindowController& controller) {
    QtWindow* window = platform.window(controller);
    if (window == nullptr) throw std::runtime_error("the window has no real window");
    return *window;
}

QtWindow& QtRun::settingsWindow() {
    if (app.settingsWindow() == nullptr) throw std::runtime_error("the settings window is not loaded");
    return windowOf(*app.settingsWindow());
}

QtWindow& QtRun::openSettings() {
    QWidget& link = *startWindow().control("Label5");
    QTest::mouseClick(&link, Qt::LeftButton, {}, QPoint(5, 5));
    if (!QTest::qWaitFor([this] { return app.settingsWindow() != nullptr && settingsWindow().isVisible(); },
                         kPatienceMs)) {
        throw std::runtime_error("the settings window did not open");
    }
    return settingsWindow();
}

bool pickWithKeyboard(QComboBox& selector, const QString& item) {
    if (selector.findText(item) < 0 || !focus(selector)) return false;
    QTest::keyClick(&selector, Qt::Key_F4);
    QAbstractItemView* list = selector.view();
    if (!QTest::qWaitFor([list] { return list->isVisible(); }, kPatienceMs)) return false;
    QTest::keyClick(list, Qt::Key_Home);
    for (int step = 0; step < selector.count() && list->currentIndex().data().toString() != item; ++step) {
        QTest::keyClick(list, Qt::Key_Down);
    }
    if (list->currentIndex().data().toString() != item) return false;
    QTest::keyClick(list, Qt::Key_Return);
    return QTest::qWaitFor([list] { return !list->isVisible(); }, kPatienceMs);
}

bool focus(QWidget& widget) {
    QWidget* window = widget.window();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window, kPatienceMs)) return false;
    widget.setFocus(Qt::OtherFocusReason);
    return QTest::qWaitFor([&widget] { return widget.hasFocus(); }, kPatienceMs);
}

}  // namespace qx::qt::test

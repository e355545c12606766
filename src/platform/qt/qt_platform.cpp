#include "platform/qt/qt_platform.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

#include "platform/qt/dialogs.h"
#include "platform/qt/key_preview.h"
#include "platform/qt/qt_window.h"

namespace qx::qt {

QtPlatform::QtPlatform(QtPlatformHooks hooks) : hooks_(std::move(hooks)) {
    if (!hooks_.runMessageBox) hooks_.runMessageBox = [](QMessageBox& box) { box.exec(); };
    if (!hooks_.runFolderDialog) {
        hooks_.runFolderDialog = [](QFileDialog& dialog) { return dialog.exec() == QDialog::Accepted; };
    }
    if (!hooks_.quit) hooks_.quit = [] { QCoreApplication::exit(0); };
    keyPreview_ = std::make_unique<KeyPreview>(
        [this](QtWindow& window, int characterCode) { return previewKey(window, characterCode); });
    QCoreApplication::instance()->installEventFilter(keyPreview_.get());
}

QtPlatform::~QtPlatform() {
    QCoreApplication::instance()->removeEventFilter(keyPreview_.get());
    // The controllers may be gone already; their windows must not reach back to them.
    for (auto& [controller, window] : windows_) {
        window->forget();
        delete window;
    }
}

QtWindow& QtPlatform::windowFor(WindowController& controller) {
    QtWindow*& window = windows_[&controller];
    if (window == nullptr) window = new QtWindow(controller);
    return *window;
}

QtWindow* QtPlatform::window(const WindowController& controller) const {
    const auto found = windows_.find(&controller);
    return found != windows_.end() ? found->second : nullptr;
}

QWidget* QtPlatform::messageOwner() const {
    for (const auto& [controller, window] : windows_) {
        if (window->isVisible() && window->isActiveWindow()) return window;
    }
    for (const auto& [controller, window] : windows_) {
        if (window == lastShown_ && window->isVisible()) return window;
    }
    return nullptr;
}

void QtPlatform::showMessage(std::string_view prompt) {
    const std::unique_ptr<QMessageBox> box = makeMessageBox(messageOwner(), prompt);
    hooks_.runMessageBox(*box);
}

std::optional<std::string> QtPlatform::browseForFolder(WindowController& owner, std::string_view title) {
    const std::unique_ptr<QFileDialog> dialog = makeFolderDialog(window(owner), title);
    if (!hooks_.runFolderDialog(*dialog)) return std::nullopt;
    return chosenFolder(*dialog);
}

void QtPlatform::showWindow(WindowController& controller) {
    QtWindow& window = windowFor(controller);
    lastShown_ = &window;
    window.present();
}

void QtPlatform::hideWindow(WindowController& controller) {
    if (QtWindow* window = this->window(controller)) window->hide();
}

void QtPlatform::unloadWindow(WindowController& controller) {
    const auto found = windows_.find(&controller);
    if (found == windows_.end()) return;
    QtWindow* window = found->second;
    windows_.erase(found);
    if (lastShown_ == window) lastShown_ = nullptr;
    window->detach();
    window->hide();
    // The unload comes from a click on one of the window's own buttons, still being handled.
    window->deleteLater();
}

WindowPosition QtPlatform::windowPosition(const WindowController& controller) {
    const QtWindow* window = this->window(controller);
    return window != nullptr ? window->position() : WindowPosition{};
}

void QtPlatform::moveWindow(WindowController& controller, WindowPosition position) {
    windowFor(controller).moveTo(position);
}

void QtPlatform::endProgram() {
    if (ended_) return;
    ended_ = true;
    for (const auto& [controller, window] : windows_) {
        window->detach();
        window->hide();
    }
    hooks_.quit();
}

bool QtPlatform::previewKey(QtWindow& window, int characterCode) {
    if (ended_) return true;
    window.keyPressed(characterCode);
    // Once the program has ended the key goes nowhere else.
    return ended_;
}

}  // namespace qx::qt

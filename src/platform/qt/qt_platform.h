#pragma once

#include <functional>
#include <map>
#include <memory>

#include "ui/platform.h"

class QFileDialog;
class QMessageBox;
class QWidget;

namespace qx::qt {

class KeyPreview;
class QtWindow;

// The three places where the platform waits for the user or leaves the event loop. Tests replace
// them to answer the dialogs that the real code has built, without blocking.
struct QtPlatformHooks {
    // Shows the ready message box and returns once it is closed. Default: QMessageBox::exec.
    std::function<void(QMessageBox&)> runMessageBox;
    // Runs the ready folder dialog; true when the user accepted. Default: QFileDialog::exec.
    std::function<bool(QFileDialog&)> runFolderDialog;
    // Leaves the event loop; the windows are already gone. Default: QCoreApplication::exit(0).
    std::function<void()> quit;
};

// The platform on Qt 6 Widgets: one real window per window controller, created on first need,
// with keyboard preview for all of them. Needs a QApplication for its whole life.
class QtPlatform : public Platform {
public:
    explicit QtPlatform(QtPlatformHooks hooks = {});
    ~QtPlatform() override;
    QtPlatform(const QtPlatform&) = delete;
    QtPlatform& operator=(const QtPlatform&) = delete;

    void showMessage(std::string_view prompt) override;
    std::optional<std::string> browseForFolder(WindowController& owner, std::string_view title) override;
    void showWindow(WindowController& window) override;
    void hideWindow(WindowController& window) override;
    void unloadWindow(WindowController& window) override;
    WindowPosition windowPosition(const WindowController& window) override;
    void moveWindow(WindowController& window, WindowPosition position) override;
    void endProgram() override;

    // The real window of a loaded controller, or nullptr before its first need and after unload.
    QtWindow* window(const WindowController& controller) const;
    bool ended() const { return ended_; }

private:
    QtWindow& windowFor(WindowController& controller);
    QWidget* messageOwner() const;
    bool previewKey(QtWindow& window, int characterCode);

    QtPlatformHooks hooks_;
    std::map<const WindowController*, QtWindow*> windows_;
    const QtWindow* lastShown_ = nullptr;
    std::unique_ptr<KeyPreview> keyPreview_;
    bool ended_ = false;
};

}  // namespace qx::qt

#pragma once

#include <functional>
#include <optional>

#include <QObject>

class QKeyEvent;
class QWidget;

namespace qx::qt {

class QtWindow;

// The character code that a key press gives the window: the character typed, or for Escape,
// Return and Backspace their control codes. Keys that type nothing (arrows, F keys) give none.
std::optional<int> characterCode(const QKeyEvent& event);

// The tool's window that a widget belongs to, or nullptr. A selector's open list counts as part of
// the window of its selector; a message box or dialog is a window of its own.
QtWindow* owningWindow(QWidget* widget);

// Keyboard preview: installed on the application, it hands every key press to the window of the
// control that has the focus before that control sees it. `deliver` returns true to swallow the
// key (the program has ended).
class KeyPreview : public QObject {
public:
    explicit KeyPreview(std::function<bool(QtWindow&, int)> deliver) : deliver_(std::move(deliver)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<bool(QtWindow&, int)> deliver_;
};

}  // namespace qx::qt

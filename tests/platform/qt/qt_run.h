#pragma once

#include <deque>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include <QString>
#include <QWidget>

#include "platform/qt/qt_platform.h"
#include "platform/qt/qt_window.h"
#include "ui/start/application.h"

class QComboBox;

namespace qx::qt::test {

// Waits for a condition with the event loop running, far longer than a busy machine needs.
inline constexpr int kPatienceMs = 20000;

// What a message box held when the tool showed it.
struct MessageSeen {
    QString title;
    QString text;
    bool onlyOk = false;
    bool modal = false;
};

// What the tool asked of the folder dialog.
struct FolderDialogSeen {
    QString title;
    bool directoriesOnly = false;
    QWidget* owner = nullptr;
};

// The whole tool on real widgets, offscreen. The dialogs are built by the tool as always; only
// their wait for the user is replaced: message boxes are recorded and closed, the folder dialog
// is answered from `folderAnswers` (none: cancel), and the end of the program is recorded.
class QtRun {
public:
    QtRun();
    ~QtRun();

    std::vector<MessageSeen> messages;
    std::vector<FolderDialogSeen> folderDialogs;
    std::deque<std::optional<QString>> folderAnswers;
    int quits = 0;

    QtPlatform platform;
    Application app{platform};

    std::vector<QString> messageTexts() const;

    QtWindow& startWindow() { return windowOf(app.startWindow()); }
    // The settings window's real window; throws when it is not loaded.
    QtWindow& settingsWindow();
    QtWindow& windowOf(const WindowController& controller);

    // Clicks the link label on its blank part, above and left of its words, and waits for the
    // settings window.
    QtWindow& openSettings();

    // The widget of a control, of the expected type; throws when it is missing or of another kind.
    template <class Widget>
    static Widget& widget(QtWindow& window, const char* name) {
        auto* found = dynamic_cast<Widget*>(window.control(name));
        if (found == nullptr) throw std::runtime_error(std::string("no widget of that kind named ") + name);
        return *found;
    }
};

// Picks an item from a selector's list with the keyboard, as a user does: F4 opens the list, Home
// goes to its first item, the down arrow moves on to the item, Return picks it. Returns false when
// the list did not open or lacks the item.
bool pickWithKeyboard(QComboBox& selector, const QString& item);

// Gives the window and then the widget the keyboard focus and waits until they have it.
bool focus(QWidget& widget);

}  // namespace qx::qt::test

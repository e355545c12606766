#include "platform/qt/key_preview.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include "platform/qt/qt_window.h"

namespace qx::qt {

std::optional<int> characterCode(const QKeyEvent& event) {
    switch (event.key()) {
        case Qt::Key_Escape:
            return kEscapeKey;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return 13;
        case Qt::Key_Backspace:
            return 8;
        default:
            break;
    }
    const QString text = event.text();
    if (text.isEmpty()) return std::nullopt;
    return static_cast<int>(text.at(0).unicode());
}

QtWindow* owningWindow(QWidget* widget) {
    while (widget != nullptr) {
        QWidget* window = widget->window();
        if (auto* own = dynamic_cast<QtWindow*>(window)) return own;
        if (window->windowType() != Qt::Popup) return nullptr;
        widget = window->parentWidget();
    }
    return nullptr;
}

bool KeyPreview::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
    auto* receiver = static_cast<QWidget*>(watched);
    // A key that the focused control ignores travels on to its parents; the window has seen it.
    const QWidget* focus = QApplication::focusWidget();
    if (focus != nullptr && focus != receiver && receiver->isAncestorOf(focus)) return false;
    QtWindow* window = owningWindow(receiver);
    if (window == nullptr) return false;
    const std::optional<int> code = characterCode(static_cast<const QKeyEvent&>(*event));
    if (!code) return false;
    return deliver_(*window, *code);
}

}  // namespace qx::qt

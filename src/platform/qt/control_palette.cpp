#include "platform/qt/control_palette.h"

#include <QApplication>
#include <QWidget>

namespace qx::qt {

QColor resolveColour(Colour colour, const QPalette& system, QPalette::ColorRole defaultRole) {
    switch (colour.role) {
        case ColourRole::Highlight:
            return system.color(QPalette::Active, QPalette::Highlight);
        case ColourRole::HighlightText:
            return system.color(QPalette::Active, QPalette::HighlightedText);
        case ColourRole::WindowBackground:
            // The system's window colour is the one behind text fields, not the dialog grey.
            return system.color(QPalette::Active, QPalette::Base);
        case ColourRole::Rgb:
            return QColor::fromRgb(static_cast<QRgb>(colour.rgb));
        case ColourRole::Default:
            break;
    }
    return system.color(QPalette::Active, defaultRole);
}

PaletteRoles paletteRoles(ControlKind kind) {
    switch (kind) {
        case ControlKind::TextField:
        case ControlKind::Selector:
            return {QPalette::Base, QPalette::Text};
        case ControlKind::Button:
            return {QPalette::Button, QPalette::ButtonText};
        case ControlKind::Frame:
        case ControlKind::Label:
        case ControlKind::PictureBox:
            break;
    }
    return {QPalette::Window, QPalette::WindowText};
}

void applyColours(QWidget& widget, ControlKind kind, Colour background, Colour foreground) {
    const QPalette system = QApplication::palette(&widget);
    const PaletteRoles roles = paletteRoles(kind);
    const QColor back = resolveColour(background, system, roles.background);
    const QColor text = resolveColour(foreground, system, roles.foreground);
    QPalette palette = widget.palette();
    palette.setColor(roles.background, back);
    // A disabled control keeps the system's grey text, as the system draws it.
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, roles.foreground, text);
    }
    palette.setColor(QPalette::Disabled, roles.foreground, system.color(QPalette::Disabled, roles.foreground));
    if (kind == ControlKind::Frame) {
        // The frame's caption is drawn in the Text role by some styles and WindowText by others.
        for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
            palette.setColor(group, QPalette::Text, text);
        }
        palette.setColor(QPalette::Disabled, QPalette::Text, system.color(QPalette::Disabled, QPalette::Text));
    }
    widget.setPalette(palette);
    widget.setAutoFillBackground(roles.background == QPalette::Window);
}

void applyWindowBackground(QWidget& window, Colour background) {
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, resolveColour(background, QApplication::palette(&window), QPalette::Window));
    window.setPalette(palette);
    window.setAutoFillBackground(true);
}

}  // namespace qx::qt

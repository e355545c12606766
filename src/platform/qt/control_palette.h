#pragma once

#include <QColor>
#include <QPalette>

#include "ui/layout.h"

class QWidget;

namespace qx::qt {

// The colour a layout names: a system colour role read from `system`, a fixed RGB, or, for the
// toolkit's default, `system`'s colour for `defaultRole`.
QColor resolveColour(Colour colour, const QPalette& system, QPalette::ColorRole defaultRole);

// The palette roles that show a control's background and text, which differ by kind: a text
// field paints its text on Base, a label on Window.
struct PaletteRoles {
    QPalette::ColorRole background;
    QPalette::ColorRole foreground;
};
PaletteRoles paletteRoles(ControlKind kind);

// Gives the widget the layout's colours. Every role is set explicitly, the defaults included,
// so that no control inherits the colours of the frame around it.
void applyColours(QWidget& widget, ControlKind kind, Colour background, Colour foreground);

// The window surface: its background colour behind every bare part of the window.
void applyWindowBackground(QWidget& window, Colour background);

}  // namespace qx::qt

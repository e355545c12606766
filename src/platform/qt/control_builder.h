#pragma once

#include <vector>

#include "platform/qt/twips.h"
#include "ui/layout.h"

class QWidget;

namespace qx::qt {

struct BuiltControl {
    const ControlLayout* layout;
    QWidget* widget;  // owned by its parent widget
};

// Makes one widget for each row of the layout, in the table's order, as a child of `surface` or of
// its frame, with the row's place, size, font and colours and the focus order of its tab index.
// Texts, items and the enabled and visible states are the window model's to give.
std::vector<BuiltControl> buildControls(QWidget& surface, const WindowLayout& layout, const TwipsScale& scale);

// The layout's font on the toolkit; a row without a font family keeps the widget's own.
void applyFont(QWidget& widget, const FontSpec& font);

}  // namespace qx::qt

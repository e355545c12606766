#pragma once

#include "ui/layout.h"

namespace qx {

// The settings window Form5. The controls are in creation order, each frame before the controls it
// holds; Combo3's items are the catalogue's own country list.
const WindowLayout& settingsWindowLayout();

// The coordinate scale that the layout gives the settings window: origin 0, 0, and the whole
// client area measuring this many units across and down. Kept for reference only: nothing converts
// with it. The window's pointer coordinates are twips, as the start window's are: a drag measured in
// these units and applied to a position in twips would move the window by under two twips at most.
inline constexpr double kSettingsScaleWidth = 1.3863050;
inline constexpr double kSettingsScaleHeight = 1.0719287;

}  // namespace qx

#pragma once

#include <string_view>

#include "ui/layout.h"

namespace qx {

// The caption of every message box of the tool, which never passes a caption of its own.
inline constexpr std::string_view kApplicationTitle = "QX730 Setting Tools";

// The link label's caption, set by the layout and again by the load step. The leading blanks are part
// of it: the label wraps its caption at blanks to fit its width, and its whole area is the link.
inline constexpr std::string_view kLinkCaption =
    "                                                                                    MMS/SMTP Settings";
static_assert(kLinkCaption.size() == 101 && kLinkCaption.find_first_not_of(' ') == 84);

// Where the load step puts the start window on every start, in screen twips, whatever the screen size.
inline constexpr int kStartWindowTop = 2000;
inline constexpr int kStartWindowLeft = 5000;

// The start window Form1; its pointer coordinates are twips.
const WindowLayout& startWindowLayout();

}  // namespace qx

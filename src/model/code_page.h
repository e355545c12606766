#pragma once

#include <string>
#include <string_view>

#include "model/result.h"

namespace qx {

// Text inside the program is UTF-8; MMS.INI is in a Windows ANSI code page. These are the
// only two places where text crosses that border.

// The ANSI code page of this system: GetACP() on Windows; elsewhere the one a Windows
// system of the user's locale (LC_ALL, LC_CTYPE, LANG) would use.
unsigned activeCodePage();

// The Windows ANSI code page that goes with a POSIX locale name such as "zh_CN.UTF-8".
unsigned codePageForLocale(std::string_view localeName);

// Converts UTF-8 text to the code page. A character the code page cannot hold is an
// error (never a silent "?"); the message describes the character and the code page.
Result<std::string> toCodePage(std::string_view utf8, unsigned codePage);

// Converts bytes in the code page to UTF-8. Bytes the code page does not define are an error.
Result<std::string> fromCodePage(std::string_view bytes, unsigned codePage);

}  // namespace qx

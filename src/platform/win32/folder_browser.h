#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace qx::win32 {

// The shell's folder browser, modal to `owner`, asked in its ANSI form with the title in the
// system's ANSI code page: the chosen file-system folder in UTF-8, or none on cancel, or when
// the choice is no file-system folder.
std::optional<std::string> browseForFolder(HWND owner, std::string_view title);

}  // namespace qx::win32

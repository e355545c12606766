#pragma once

#ifdef _WIN32

#include <string>
#include <string_view>

namespace qx {

// UTF-8 ⇄ UTF-16 for calls into the Windows API. Invalid input is replaced, never dropped:
// only the code-page layer decides what may be written to a file.
std::wstring widen(std::string_view utf8);
std::string narrow(std::wstring_view utf16);

}  // namespace qx

#endif

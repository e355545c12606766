// The terminal edge on Windows: the wide command line, and the console API for a console.
#include <windows.h>
#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <cstdio>
#include <string>

#include "cli/terminal.h"
#include "model/code_page.h"
#include "model/utf8.h"
#include "model/wide_text.h"

namespace qx::cli {
namespace {

bool isConsole(HANDLE handle) {
    DWORD mode = 0;
    return handle != nullptr && handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode) != 0;
}

void writeTo(DWORD which, std::string_view text) {
    const HANDLE handle = GetStdHandle(which);
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE || text.empty()) return;
    if (isConsole(handle)) {
        const std::wstring wide = widen(text);
        DWORD written = 0;
        WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
        return;
    }
    while (!text.empty()) {
        DWORD written = 0;
        if (!WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) || written == 0) {
            return;  // a closed pipe: the reader has gone, and there is nobody left to tell
        }
        text.remove_prefix(written);
    }
}

}  // namespace

Terminal::Terminal() {
    // A password file read from "-" is taken byte for byte, CR LF included.
    _setmode(_fileno(stdin), _O_BINARY);
}

Result<std::vector<std::string>> Terminal::arguments(int argc, char** argv) const {
    static_cast<void>(argc);
    static_cast<void>(argv);
    // The narrow argv went through the ANSI code page and lost what it cannot hold.
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide == nullptr) return Error{"the command line cannot be read"};
    std::vector<std::string> texts;
    for (int i = 1; i < count; ++i) texts.push_back(narrow(wide[i]));
    LocalFree(wide);
    return texts;
}

Result<std::string> Terminal::decodeInput(std::string_view bytes, bool fromConsole) const {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (bytes.starts_with(kByteOrderMark)) {
        bytes.remove_prefix(kByteOrderMark.size());
        if (!isValidUtf8(bytes)) return Error{"is not UTF-8 text"};
        return std::string(bytes);
    }
    const unsigned codePage = fromConsole ? GetConsoleCP() : activeCodePage();
    Result<std::string> text = fromCodePage(bytes, codePage);
    if (!text) return Error{"is not text of code page " + std::to_string(codePage)};
    return text;
}

void Terminal::out(std::string_view text) const { writeTo(STD_OUTPUT_HANDLE, text); }

void Terminal::err(std::string_view text) const { writeTo(STD_ERROR_HANDLE, text); }

bool Terminal::inputIsConsole() const { return isConsole(GetStdHandle(STD_INPUT_HANDLE)); }

}  // namespace qx::cli

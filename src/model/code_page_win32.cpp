// Code-page conversion on Windows, through the system's own tables, with no best-fit mapping:
// a character that the code page lacks is reported instead of being replaced by a look-alike.
#include <windows.h>

#include <string>

#include "model/code_page.h"
#include "model/utf8.h"
#include "model/wide_text.h"

namespace qx {

unsigned activeCodePage() { return GetACP(); }

std::wstring widen(std::string_view utf8) {
    if (utf8.empty()) return {};
    const int size = static_cast<int>(utf8.size());
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), length);
    return wide;
}

std::string narrow(std::wstring_view utf16) {
    if (utf16.empty()) return {};
    const int size = static_cast<int>(utf16.size());
    const int length = WideCharToMultiByte(CP_UTF8, 0, utf16.data(), size, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, utf16.data(), size, text.data(), length, nullptr, nullptr);
    return text;
}

namespace {

// Encodes UTF-16 into the code page; false when some character has no exact encoding.
bool encodeExactly(std::wstring_view wide, unsigned codePage, std::string& out) {
    out.clear();
    if (wide.empty()) return true;
    const int size = static_cast<int>(wide.size());
    BOOL usedDefault = FALSE;
    const int length = WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, wide.data(), size, nullptr, 0,
                                           nullptr, &usedDefault);
    if (length <= 0 || usedDefault) return false;
    out.resize(static_cast<std::size_t>(length));
    WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, wide.data(), size, out.data(), length, nullptr,
                        &usedDefault);
    return !usedDefault;
}

}  // namespace

Result<std::string> toCodePage(std::string_view utf8, unsigned codePage) {
    if (!isValidUtf8(utf8)) return Error{"the text is not valid UTF-8"};
    if (!IsValidCodePage(codePage)) {
        return Error{"code page " + std::to_string(codePage) + " is not available on this system"};
    }
    std::string bytes;
    if (encodeExactly(widen(utf8), codePage, bytes)) return bytes;
    // Find the first character that fails, to name it.
    std::size_t pos = 0;
    std::string ignored;
    while (pos < utf8.size()) {
        const std::size_t start = pos;
        const char32_t c = decodeUtf8(utf8, pos).value_or(U'\uFFFD');
        if (!encodeExactly(widen(utf8.substr(start, pos - start)), codePage, ignored)) {
            return Error{"the character \"" + std::string(utf8.substr(start, pos - start)) + "\" (" +
                         codePointName(c) + ") is not in code page " + std::to_string(codePage)};
        }
    }
    return Error{"the text cannot be written in code page " + std::to_string(codePage)};
}

Result<std::string> fromCodePage(std::string_view bytes, unsigned codePage) {
    if (bytes.empty()) return std::string{};
    const int size = static_cast<int>(bytes.size());
    const int length = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), size, nullptr, 0);
    if (length <= 0) {
        return Error{"the bytes are not text of code page " + std::to_string(codePage)};
    }
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), size, wide.data(), length);
    return narrow(wide);
}

}  // namespace qx

#include "platform/win32/folder_browser.h"

#include <shlobj.h>

#include "model/code_page.h"
#include "model/wide_text.h"

namespace qx::win32 {
namespace {

// The shell path buffer: 512 blanks, of which the shell overwrites the start with the path and
// its NUL.
constexpr std::size_t kPathBufferSize = 512;

// The title is only shown, so a character that the code page lacks becomes the system's
// replacement character rather than refusing the browser.
std::string ansiText(std::string_view utf8) {
    const std::wstring wide = widen(utf8);
    const int length =
        WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.c_str(), static_cast<int>(wide.size()), nullptr, 0,
                            nullptr, nullptr);
    if (length <= 0) return {};
    std::string text(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.c_str(), static_cast<int>(wide.size()), text.data(),
                        length, nullptr, nullptr);
    return text;
}

}  // namespace

std::optional<std::string> browseForFolder(HWND owner, std::string_view title) {
    const std::string ansiTitle = ansiText(title);
    BROWSEINFOA request{};
    request.hwndOwner = owner;
    request.pidlRoot = nullptr;
    request.pszDisplayName = nullptr;
    request.lpszTitle = ansiTitle.c_str();
    request.ulFlags = BIF_RETURNONLYFSDIRS;
    request.lpfn = nullptr;
    request.lParam = 0;
    request.iImage = 0;
    PIDLIST_ABSOLUTE chosen = SHBrowseForFolderA(&request);
    if (chosen == nullptr) return std::nullopt;

    std::string buffer(kPathBufferSize, ' ');
    const BOOL converted = SHGetPathFromIDListA(chosen, buffer.data());
    CoTaskMemFree(chosen);
    if (!converted) return std::nullopt;
    const std::size_t end = buffer.find('\0');
    if (end != std::string::npos) buffer.resize(end);
    Result<std::string> path = fromCodePage(buffer, activeCodePage());
    if (!path) return std::nullopt;
    return std::move(path).value();
}

}  // namespace qx::win32

#include "tool_session.h"

#include <stdexcept>

#include "model/wide_text.h"
#include "waiting.h"

namespace qx::test::win32 {
namespace {

// The build names the program by its path on the build machine; under Wine that is drive Z:.
std::wstring windowsPath(const std::string& path) {
    if (path.empty() || path.front() != '/') return widen(path);
    std::wstring text = L"Z:" + widen(path);
    for (wchar_t& c : text) {
        if (c == L'/') c = L'\\';
    }
    return text;
}

std::wstring titleOf(HWND window) {
    wchar_t title[256] = {};
    GetWindowTextW(window, title, 256);
    return title;
}

struct Search {
    DWORD processId;
    std::vector<HWND> found;
};

BOOL CALLBACK collect(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<Search*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && IsWindowVisible(window)) search->found.push_back(window);
    return TRUE;
}

}  // namespace

std::wstring toolProgram() { return windowsPath(QX_SETTING_TOOLS_PROGRAM); }

ToolSession::ToolSession(const std::filesystem::path& workingFolder) {
    const std::wstring program = toolProgram();
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        workingFolder.wstring().c_str(), &startup, &process_)) {
        throw std::runtime_error("could not start " + narrow(program) + ": error " + std::to_string(GetLastError()));
    }
}

ToolSession::~ToolSession() {
    if (!hasEnded()) {
        TerminateProcess(process_.hProcess, 1);
        WaitForSingleObject(process_.hProcess, static_cast<DWORD>(kPatience.count()));
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

std::vector<HWND> ToolSession::visibleWindows() const {
    Search search{process_.dwProcessId, {}};
    EnumWindows(collect, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND ToolSession::findWindow(const std::wstring& title) const {
    for (HWND window : visibleWindows()) {
        if (titleOf(window) == title) return window;
    }
    return nullptr;
}

HWND ToolSession::waitForWindow(const std::wstring& title) const {
    return waitFor("the window \"" + narrow(title) + "\"", [&]() -> std::optional<HWND> {
        if (HWND window = findWindow(title); window != nullptr) return window;
        if (hasEnded()) throw std::runtime_error("the program ended before showing \"" + narrow(title) + "\"");
        return std::nullopt;
    });
}

bool ToolSession::hasEnded() const { return WaitForSingleObject(process_.hProcess, 0) == WAIT_OBJECT_0; }

DWORD ToolSession::waitForExit() const {
    if (WaitForSingleObject(process_.hProcess, static_cast<DWORD>(kPatience.count())) != WAIT_OBJECT_0) {
        throw WaitExpired("timed out after " + std::to_string(kPatience.count() / 1000) +
                          " s waiting for the program to end");
    }
    DWORD code = 0;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
}

}  // namespace qx::test::win32

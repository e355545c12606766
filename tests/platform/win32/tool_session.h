#pragma once

#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

namespace qx::test::win32 {

// One run of the real QX410_SETTING_TOOLS_version01.01.04.EXE, started in a working folder of
// its own. The session ends the process it started, by its handle, if the test has not seen it
// end.
class ToolSession {
public:
    explicit ToolSession(const std::filesystem::path& workingFolder);
    ~ToolSession();
    ToolSession(const ToolSession&) = delete;
    ToolSession& operator=(const ToolSession&) = delete;

    DWORD processId() const { return process_.dwProcessId; }
    DWORD threadId() const { return process_.dwThreadId; }

    // A visible top-level window of the program with exactly this title; waits for it.
    HWND waitForWindow(const std::wstring& title) const;
    // The visible top-level window of the program with this title, if there is one now.
    HWND findWindow(const std::wstring& title) const;
    // Every visible top-level window of the program.
    std::vector<HWND> visibleWindows() const;

    // Waits for the process to end (the handle becomes signalled) and gives its exit code.
    DWORD waitForExit() const;
    bool hasEnded() const;

private:
    PROCESS_INFORMATION process_{};
};

// The program under test, as the build names it.
std::wstring toolProgram();

}  // namespace qx::test::win32

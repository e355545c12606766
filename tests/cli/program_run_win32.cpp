#include <windows.h>

#include <stdexcept>
#include <thread>

#include "model/wide_text.h"
#include "program_run.h"

namespace qx::test {
namespace {

// One argument as the C runtime's command-line parser reads it back: quoted, with the
// backslashes before a quote doubled.
std::wstring quotedArgument(const std::wstring& argument) {
    if (!argument.empty() && argument.find_first_of(L" \t\"") == std::wstring::npos) return argument;
    std::wstring text = L"\"";
    std::size_t backslashes = 0;
    for (wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
        } else {
            if (c == L'"') text.append(backslashes + 1, L'\\');
            backslashes = 0;
        }
        text += c;
    }
    text.append(backslashes, L'\\');
    return text + L"\"";
}

std::wstring environmentBlock(const std::vector<EnvironmentSetting>& settings) {
    std::wstring block;
    LPWCH current = GetEnvironmentStringsW();
    for (LPWCH entry = current; *entry != L'\0'; entry += wcslen(entry) + 1) {
        const std::wstring text = entry;
        const std::wstring name = text.substr(0, text.find(L'=', 1));
        bool replaced = false;
        for (const EnvironmentSetting& setting : settings) {
            replaced = replaced || _wcsicmp(widen(setting.name).c_str(), name.c_str()) == 0;
        }
        if (!replaced) block += text + L'\0';
    }
    FreeEnvironmentStringsW(current);
    for (const EnvironmentSetting& setting : settings) {
        if (setting.value) block += widen(setting.name + "=" + *setting.value) + L'\0';
    }
    return block + L'\0';
}

struct Pipe {
    HANDLE read = nullptr;
    HANDLE write = nullptr;
    // The child's end is inherited, this process's end is not.
    explicit Pipe(bool childReads) {
        SECURITY_ATTRIBUTES attributes{sizeof attributes, nullptr, TRUE};
        if (!CreatePipe(&read, &write, &attributes, 0)) throw std::runtime_error("CreatePipe failed");
        SetHandleInformation(childReads ? write : read, HANDLE_FLAG_INHERIT, 0);
    }
};

void readAll(HANDLE handle, std::string& sink) {
    char buffer[4096];
    DWORD n = 0;
    while (ReadFile(handle, buffer, sizeof buffer, &n, nullptr) && n > 0) sink.append(buffer, n);
}

// The tests name programs by their path on the build machine; in a cross build that is a POSIX
// path, which Wine shows as drive Z:.
std::wstring windowsPath(const std::string& path) {
    if (path.empty() || path.front() != '/') return widen(path);
    std::wstring text = L"Z:" + widen(path);
    for (wchar_t& c : text) {
        if (c == L'/') c = L'\\';
    }
    return text;
}

}  // namespace

ProgramRun runProgram(const std::string& program, const std::vector<std::string>& arguments,
                      const std::vector<EnvironmentSetting>& environment, const std::string& input) {
    const std::wstring application = windowsPath(program);
    std::wstring commandLine = quotedArgument(application);
    for (const std::string& argument : arguments) commandLine += L" " + quotedArgument(widen(argument));
    std::wstring block = environmentBlock(environment);

    Pipe in(true), out(false), err(false);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = in.read;
    startup.hStdOutput = out.write;
    startup.hStdError = err.write;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(application.c_str(), commandLine.data(), nullptr, nullptr, TRUE, CREATE_UNICODE_ENVIRONMENT,
                        block.data(), nullptr, &startup, &process)) {
        throw std::runtime_error("CreateProcessW failed for " + program + ": error " + std::to_string(GetLastError()));
    }
    CloseHandle(in.read);
    CloseHandle(out.write);
    CloseHandle(err.write);

    ProgramRun run;
    std::thread errorReader([&] { readAll(err.read, run.err); });
    DWORD written = 0;
    if (!input.empty()) WriteFile(in.write, input.data(), static_cast<DWORD>(input.size()), &written, nullptr);
    CloseHandle(in.write);
    readAll(out.read, run.out);
    errorReader.join();
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD exitCode = 0;
    GetExitCodeProcess(process.hProcess, &exitCode);
    run.exitCode = static_cast<int>(exitCode);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    CloseHandle(out.read);
    CloseHandle(err.read);
    return run;
}

std::string cliProgram() { return QX_INI_PROGRAM; }

}  // namespace qx::test

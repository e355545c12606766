#include <windows.h>

#include <string>

#include "model/file_system.h"
#include "model/wide_text.h"

namespace qx {
namespace {

std::string folderOf(const std::string& fileName) {
    const std::size_t separator = fileName.find_last_of("\\/");
    if (separator == std::string::npos) {
        wchar_t buffer[MAX_PATH];
        const DWORD length = GetCurrentDirectoryW(MAX_PATH, buffer);
        return length > 0 && length < MAX_PATH ? narrow(std::wstring_view(buffer, length)) : std::string(".");
    }
    // A drive's root ("D:\", "\") keeps its separator; any other folder is named without one, as
    // the user sees it in Explorer's address bar.
    const bool root = separator == 0 || (separator == 2 && fileName[1] == ':');
    return fileName.substr(0, root ? separator + 1 : separator);
}

std::string systemMessage(DWORD error) {
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                            FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::string text = length > 0 ? narrow(std::wstring_view(buffer, length)) : "error " + std::to_string(error);
    LocalFree(buffer);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ' || text.back() == '.')) {
        text.pop_back();
    }
    return text;
}

Error writeError(const std::string& fileName, DWORD error) {
    const std::string head = "Cannot write \"" + fileName + "\": ";
    switch (error) {
    case ERROR_PATH_NOT_FOUND:
    case ERROR_FILE_NOT_FOUND:
    case ERROR_NOT_READY:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
    case ERROR_INVALID_DRIVE:
        return Error{head + "the folder \"" + folderOf(fileName) +
                     "\" does not exist or its drive is not ready. Check the Path and that the card is inserted."};
    case ERROR_ACCESS_DENIED:
        return Error{head + "there is no permission to write in the folder \"" + folderOf(fileName) +
                     "\". Choose another folder."};
    case ERROR_WRITE_PROTECT:
        return Error{head + "the folder \"" + folderOf(fileName) +
                     "\" is on a read-only disk or card. Remove the write protection or choose another folder."};
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return Error{head + "another program holds the file open. Close it and try again."};
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return Error{head + "the disk is full. Free some space on it and try again."};
    case ERROR_INVALID_NAME:
    case ERROR_FILENAME_EXCED_RANGE:
    case ERROR_DIRECTORY:
        return Error{head + "this is not a valid file name. Check the Path."};
    default:
        return Error{head + systemMessage(error) + "."};
    }
}

std::wstring temporaryNameFor(const std::wstring& target, unsigned attempt) {
    return target + L".tmp-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(GetTickCount()) +
           L"-" + std::to_wstring(attempt);
}

}  // namespace

Result<void> replaceFileAtomically(const std::string& fileName, std::string_view bytes) {
    const std::wstring target = widen(fileName);
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
            return Error{"Cannot write \"" + fileName + "\": a folder of that name is in the way. Choose another folder."};
        }
        if (attributes & FILE_ATTRIBUTE_READONLY) {
            return Error{"Cannot write \"" + fileName +
                         "\": the file is read-only. Clear its read-only setting or choose another folder."};
        }
    }

    std::wstring temporary;
    HANDLE file = INVALID_HANDLE_VALUE;
    for (unsigned attempt = 0; attempt < 16 && file == INVALID_HANDLE_VALUE; ++attempt) {
        temporary = temporaryNameFor(target, attempt);
        file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS) {
            return writeError(fileName, GetLastError());
        }
    }
    if (file == INVALID_HANDLE_VALUE) return writeError(fileName, ERROR_FILE_EXISTS);

    DWORD error = 0;
    std::string_view rest = bytes;
    while (error == 0 && !rest.empty()) {
        DWORD written = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(rest.size(), 1u << 20));
        if (!WriteFile(file, rest.data(), chunk, &written, nullptr)) {
            error = GetLastError();
        } else {
            rest.remove_prefix(written);
        }
    }
    if (error == 0 && !FlushFileBuffers(file)) error = GetLastError();
    if (!CloseHandle(file) && error == 0) error = GetLastError();
    if (error == 0 &&
        !MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        error = GetLastError();
        // The temporary file beside the target was just written, so the folder is writable: a
        // refused replacement means that another program has MMS.INI open.
        if (error == ERROR_ACCESS_DENIED) error = ERROR_SHARING_VIOLATION;
    }
    if (error != 0) {
        DeleteFileW(temporary.c_str());
        return writeError(fileName, error);
    }
    return {};
}

Result<std::string> readWholeFile(const std::string& fileName) {
    const std::string head = "Cannot read \"" + fileName + "\": ";
    HANDLE file = CreateFileW(widen(fileName).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) {
            return Error{head + "the file does not exist in the folder \"" + folderOf(fileName) + "\"."};
        }
        if (error == ERROR_ACCESS_DENIED) return Error{head + "there is no permission to read it."};
        if (error == ERROR_SHARING_VIOLATION) {
            return Error{head + "another program holds the file open. Close it and try again."};
        }
        return Error{head + systemMessage(error) + "."};
    }
    std::string content;
    char buffer[16384];
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(file, buffer, sizeof buffer, &got, nullptr)) {
            const DWORD error = GetLastError();
            CloseHandle(file);
            return Error{head + systemMessage(error) + "."};
        }
        if (got == 0) break;
        content.append(buffer, got);
    }
    CloseHandle(file);
    return content;
}

}  // namespace qx

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <random>
#include <string>

#include "model/file_system.h"

namespace qx {
namespace {

std::string folderOf(const std::string& fileName) {
    const std::size_t slash = fileName.rfind('/');
    if (slash == std::string::npos) {
        char buffer[4096];
        return getcwd(buffer, sizeof buffer) != nullptr ? std::string(buffer) : std::string(".");
    }
    return slash == 0 ? std::string("/") : fileName.substr(0, slash);
}

std::string quoted(const std::string& text) { return "\"" + text + "\""; }

Error writeError(const std::string& fileName, int error) {
    const std::string head = "Cannot write " + quoted(fileName) + ": ";
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return Error{head + "the folder " + quoted(folderOf(fileName)) +
                     " does not exist or its drive is not ready. Check the Path and that the card is inserted."};
    case EACCES:
    case EPERM:
        return Error{head + "there is no permission to write in the folder " + quoted(folderOf(fileName)) +
                     ". Choose another folder."};
    case EROFS:
        return Error{head + "the folder " + quoted(folderOf(fileName)) +
                     " is on a read-only disk or card. Remove the write protection or choose another folder."};
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return Error{head + "the disk is full. Free some space on it and try again."};
    case ENAMETOOLONG:
    case EINVAL:
    case EILSEQ:
        return Error{head + "this is not a valid file name. Check the Path."};
    case EISDIR:
        return Error{head + "a folder of that name is in the way. Choose another folder."};
    default:
        return Error{head + std::strerror(error) + "."};
    }
}

std::string temporaryNameFor(const std::string& fileName) {
    static std::mt19937_64 generator{std::random_device{}()};
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string name = fileName + ".tmp-";
    std::uint64_t bits = generator();
    for (int i = 0; i < 12; ++i, bits >>= 4) name += kDigits[bits & 15];
    return name;
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// A target that exists must be a regular file that could be written in place: the mode
// bits are checked as well because root passes every permission check.
Result<void> checkTarget(const std::string& fileName) {
    struct stat info {};
    if (::stat(fileName.c_str(), &info) != 0) {
        if (errno == ENOENT) return {};
        return writeError(fileName, errno);
    }
    if (S_ISDIR(info.st_mode)) return writeError(fileName, EISDIR);
    if (!S_ISREG(info.st_mode)) {
        return Error{"Cannot write \"" + fileName + "\": it is not an ordinary file. Choose another folder."};
    }
    const int fd = ::open(fileName.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    const int openError = errno;
    if (fd >= 0) ::close(fd);
    if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || (fd < 0 && openError == EPERM) ||
        (fd < 0 && openError == EACCES)) {
        return Error{"Cannot write \"" + fileName +
                     "\": the file is read-only. Clear its read-only setting or choose another folder."};
    }
    if (fd < 0) return writeError(fileName, openError);
    return {};
}

}  // namespace

Result<void> replaceFileAtomically(const std::string& fileName, std::string_view bytes) {
    if (fileName.find('\0') != std::string::npos) return writeError(fileName, EINVAL);
    if (Result<void> target = checkTarget(fileName); !target) return target;

    std::string temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
        temporary = temporaryNameFor(fileName);
        // 0666 so that umask gives the file the permissions of any newly created file.
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) return writeError(fileName, errno);
    }
    if (fd < 0) return writeError(fileName, EEXIST);

    int error = 0;
    if (!writeAll(fd, bytes) || ::fsync(fd) != 0) error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error == 0 && ::rename(temporary.c_str(), fileName.c_str()) != 0) error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        return writeError(fileName, error);
    }
    // Make the rename itself durable; the file is already complete whatever happens here.
    const int folder = ::open(folderOf(fileName).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return {};
}

Result<std::string> readWholeFile(const std::string& fileName) {
    const std::string head = "Cannot read \"" + fileName + "\": ";
    const int fd = ::open(fileName.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        if (error == ENOENT || error == ENOTDIR) {
            return Error{head + "the file does not exist in the folder \"" + folderOf(fileName) + "\"."};
        }
        if (error == EACCES || error == EPERM) return Error{head + "there is no permission to read it."};
        return Error{head + std::strerror(error) + "."};
    }
    std::string content;
    char buffer[16384];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR) continue;
            const int error = errno;
            ::close(fd);
            if (error == EISDIR) return Error{head + "it is a folder, not a file."};
            return Error{head + std::strerror(error) + "."};
        }
        if (got == 0) break;
        content.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(fd);
    return content;
}

}  // namespace qx

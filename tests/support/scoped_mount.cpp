#ifndef _WIN32

#include "support/scoped_mount.h"

#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace qx::test {

ScopedTmpfs::ScopedTmpfs(std::size_t bytes) {
    const std::string options = "size=" + std::to_string(bytes) + ",mode=0755";
    if (::mount("tmpfs", dir_.path().c_str(), "tmpfs", 0, options.c_str()) == 0) {
        mounted_ = true;
    } else {
        why_ = std::string("cannot mount a tmpfs: ") + std::strerror(errno);
    }
}

ScopedTmpfs::~ScopedTmpfs() {
    if (mounted_) ::umount2(dir_.path().c_str(), MNT_DETACH);
}

bool ScopedTmpfs::makeReadOnly() {
    return ::mount(nullptr, dir_.path().c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
}

void ScopedTmpfs::fill() {
    const int fd = ::open(file("filler").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) return;
    std::vector<char> block(4096, 'x');
    while (::write(fd, block.data(), block.size()) > 0) {
    }
    // The last partial page too.
    while (::write(fd, block.data(), 1) > 0) {
    }
    ::close(fd);
}

}  // namespace qx::test

#endif

#pragma once

#ifndef _WIN32

#include <string>

#include "support/temp_dir.h"

namespace qx::test {

// A small tmpfs mounted on a fresh folder for one test: a real disk that can be filled up or
// made read-only, which holds even for root. Needs the right to mount (CAP_SYS_ADMIN).
class ScopedTmpfs {
public:
    explicit ScopedTmpfs(std::size_t bytes);
    ~ScopedTmpfs();
    ScopedTmpfs(const ScopedTmpfs&) = delete;
    ScopedTmpfs& operator=(const ScopedTmpfs&) = delete;

    bool mounted() const { return mounted_; }
    const std::string& why() const { return why_; }
    const std::filesystem::path& path() const { return dir_.path(); }
    std::string file(const std::string& name) const { return dir_.file(name); }

    bool makeReadOnly();
    // Writes a filler file until the disk is full.
    void fill();

private:
    TempDir dir_;
    bool mounted_ = false;
    std::string why_;
};

}  // namespace qx::test

#endif

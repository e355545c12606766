#pragma once

#include <string>

namespace qx::bench {

// The folder that the file benchmarks write into: a tmpfs of their own when it can be mounted,
// so that the figures measure the program rather than a disk; otherwise the temporary folder.
struct BenchDisk {
    std::string folder;
    std::string kind;  // "tmpfs", or why it is not one
};

const BenchDisk& benchDisk();

}  // namespace qx::bench

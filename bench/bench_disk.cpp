#include "bench_disk.h"

#include <memory>

#include "support/scoped_mount.h"
#include "support/temp_dir.h"

namespace qx::bench {

const BenchDisk& benchDisk() {
    // Lives until the process ends: every file benchmark of the run shares it.
    static const std::unique_ptr<test::ScopedTmpfs> tmpfs = std::make_unique<test::ScopedTmpfs>(4u << 20);
    static const std::unique_ptr<test::TempDir> fallback =
        tmpfs->mounted() ? nullptr : std::make_unique<test::TempDir>();
    static const BenchDisk disk = tmpfs->mounted()
                                      ? BenchDisk{tmpfs->path().string(), "tmpfs"}
                                      : BenchDisk{fallback->path().string(), "no tmpfs (" + tmpfs->why() + ")"};
    return disk;
}

}  // namespace qx::bench

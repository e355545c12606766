#pragma once

#include <string>
#include <string_view>

#include "model/result.h"

namespace qx {

// Puts `bytes` in place of the file `fileName` (UTF-8, relative names against the working
// directory) without ever leaving it half-written: the bytes go to a new temporary file in
// the same folder, which is flushed to the disk and then renamed over the target in one
// step. After a failure the old file is as it was and no temporary file remains. A target
// that is read-only is refused rather than replaced.
Result<void> replaceFileAtomically(const std::string& fileName, std::string_view bytes);

// The whole content of a file.
Result<std::string> readWholeFile(const std::string& fileName);

}  // namespace qx

#pragma once

#include <span>

namespace qx::win32 {

// resources/registered.jpg as the build compiled it into the program.
std::span<const unsigned char> registeredMarkJpeg();

}  // namespace qx::win32

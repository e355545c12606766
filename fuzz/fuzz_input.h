#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace qx::fuzz {

// The ANSI code pages of the Windows locales that the tool may meet; the first byte of an
// input picks one, so the corpus carries its code page with it.
inline constexpr std::array<unsigned, 14> kCodePages{1252, 936, 1251, 932, 949, 950, 1250,
                                                     1253, 1254, 1255, 1256, 1257, 1258, 874};

struct Input {
    std::uint8_t selector = 0;
    std::string_view bytes;
};

inline Input splitInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return {};
    return {data[0], std::string_view(reinterpret_cast<const char*>(data + 1), size - 1)};
}

inline unsigned codePageOf(std::uint8_t selector) { return kCodePages[selector % kCodePages.size()]; }

[[noreturn]] inline void fail(const char* condition, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: property broken: %s\n", file, line, condition);
    std::abort();
}

}  // namespace qx::fuzz

// A broken property must stop the fuzzer with the input saved, in every build type.
#define QX_FUZZ_CHECK(condition) \
    ((condition) ? static_cast<void>(0) : ::qx::fuzz::fail(#condition, __FILE__, __LINE__))

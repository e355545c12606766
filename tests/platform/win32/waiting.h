#pragma once

#include <windows.h>

#include <chrono>
#include <optional>
#include <stdexcept>
#include <string>

namespace qx::test::win32 {

// Generous: a Wine process on a busy machine can take many seconds to show its first window.
inline constexpr std::chrono::milliseconds kPatience{60'000};

class WaitExpired : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Asks `probe` again and again until it gives a value, and returns that value; after `patience`
// throws WaitExpired with "timed out waiting for <what>". The pause between two questions only
// spares the processor; the wait itself ends on the condition.
template <class Probe>
auto waitFor(const std::string& what, Probe probe, std::chrono::milliseconds patience = kPatience) {
    const auto deadline = std::chrono::steady_clock::now() + patience;
    for (;;) {
        if (auto value = probe()) return *value;
        if (std::chrono::steady_clock::now() > deadline) {
            throw WaitExpired("timed out after " + std::to_string(patience.count() / 1000) + " s waiting for " + what);
        }
        Sleep(20);
    }
}

// For a condition without a value.
template <class Condition>
void waitUntil(const std::string& what, Condition condition, std::chrono::milliseconds patience = kPatience) {
    waitFor(what, [&]() -> std::optional<bool> { return condition() ? std::optional<bool>(true) : std::nullopt; },
            patience);
}

}  // namespace qx::test::win32

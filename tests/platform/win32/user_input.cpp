#include "user_input.h"

#include <stdexcept>
#include <vector>

#include "waiting.h"

namespace qx::test::win32 {
namespace {

void send(std::vector<INPUT> inputs) {
    const UINT sent = SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    if (sent != inputs.size()) throw std::runtime_error("SendInput refused the input: error " + std::to_string(GetLastError()));
}

INPUT mouse(DWORD flags, LONG x = 0, LONG y = 0) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = x;
    input.mi.dy = y;
    input.mi.dwFlags = flags;
    return input;
}

INPUT key(WORD virtualKey, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = flags;
    return input;
}

INPUT character(wchar_t c, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wScan = c;
    input.ki.dwFlags = KEYEVENTF_UNICODE | flags;
    return input;
}

DWORD downFlag(int button) {
    switch (button) {
        case MK_RBUTTON: return MOUSEEVENTF_RIGHTDOWN;
        case MK_MBUTTON: return MOUSEEVENTF_MIDDLEDOWN;
        default: return MOUSEEVENTF_LEFTDOWN;
    }
}

DWORD upFlag(int button) {
    switch (button) {
        case MK_RBUTTON: return MOUSEEVENTF_RIGHTUP;
        case MK_MBUTTON: return MOUSEEVENTF_MIDDLEUP;
        default: return MOUSEEVENTF_LEFTUP;
    }
}

}  // namespace

void bringToFront(HWND window) {
    waitUntil("the program's window to come to the front", [&] {
        if (GetForegroundWindow() == window) return true;
        SetForegroundWindow(window);
        return false;
    });
}

void movePointer(POINT screen) {
    // Absolute positions count 65536 steps across the primary screen, and the system takes
    // the pixel that a step falls in: aim at the first step of the wanted pixel.
    const auto steps = [](LONG pixel, int size) {
        return static_cast<LONG>((static_cast<long long>(pixel) * 65536 + size - 1) / size);
    };
    const LONG x = steps(screen.x, GetSystemMetrics(SM_CXSCREEN));
    const LONG y = steps(screen.y, GetSystemMetrics(SM_CYSCREEN));
    const auto arrived = [&] {
        POINT now{};
        GetCursorPos(&now);
        return now.x == screen.x && now.y == screen.y;
    };
    // On a busy machine Wine now and then drops a move; the same absolute move again is harmless
    // (a drag keeps the pressed point under the pointer), so it is sent again until it lands.
    const auto deadline = std::chrono::steady_clock::now() + kPatience;
    for (;;) {
        send({mouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, x, y)});
        try {
            waitUntil("the pointer to arrive", arrived, std::chrono::milliseconds(1000));
            return;
        } catch (const WaitExpired&) {
            if (std::chrono::steady_clock::now() > deadline) {
                throw WaitExpired("timed out after " + std::to_string(kPatience.count() / 1000) +
                                  " s waiting for the pointer to arrive at " + std::to_string(screen.x) + ", " +
                                  std::to_string(screen.y));
            }
        }
    }
}

void pressButton(int button) { send({mouse(downFlag(button))}); }

void releaseButton(int button) { send({mouse(upFlag(button))}); }

void clickAt(POINT screen, int button) {
    movePointer(screen);
    send({mouse(downFlag(button)), mouse(upFlag(button))});
}

void holdKey(WORD virtualKey) { send({key(virtualKey, 0)}); }

void releaseKey(WORD virtualKey) { send({key(virtualKey, KEYEVENTF_KEYUP)}); }

void pressKey(WORD virtualKey, std::initializer_list<WORD> modifiers) {
    std::vector<INPUT> inputs;
    for (WORD modifier : modifiers) inputs.push_back(key(modifier, 0));
    inputs.push_back(key(virtualKey, 0));
    inputs.push_back(key(virtualKey, KEYEVENTF_KEYUP));
    for (auto modifier = std::rbegin(modifiers); modifier != std::rend(modifiers); ++modifier) {
        inputs.push_back(key(*modifier, KEYEVENTF_KEYUP));
    }
    send(inputs);
}

void typeText(const std::wstring& text) {
    std::vector<INPUT> inputs;
    for (wchar_t c : text) {
        inputs.push_back(character(c, 0));
        inputs.push_back(character(c, KEYEVENTF_KEYUP));
    }
    send(inputs);
}

}  // namespace qx::test::win32

#pragma once

#include <windows.h>

#include <string>

namespace qx::test::win32 {

// Real keyboard and mouse input through SendInput, as a user's devices would give it. The input
// goes to the window that is in front, so the tests bring the program's window there first.

// Makes `window` the foreground window and waits until the system says it is.
void bringToFront(HWND window);

// Moves the pointer to a point of the screen.
void movePointer(POINT screen);
// Presses and releases a mouse button at a point of the screen: MK_LBUTTON, MK_RBUTTON or
// MK_MBUTTON.
void clickAt(POINT screen, int button = MK_LBUTTON);
void pressButton(int button);
void releaseButton(int button);

// A key down and up, with the virtual keys in `modifiers` (VK_SHIFT, VK_MENU, ...) held around it.
void pressKey(WORD virtualKey, std::initializer_list<WORD> modifiers = {});
void holdKey(WORD virtualKey);
void releaseKey(WORD virtualKey);
// Types text character by character, as a keyboard that sends Unicode characters does.
void typeText(const std::wstring& text);

}  // namespace qx::test::win32

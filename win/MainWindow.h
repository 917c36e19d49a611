#pragma once
// The program's window with the Win32 API: the controls of
// form::WindowControls() as the system's own controls, the commands of
// form::kCommands, and the message loop.

#include <windows.h>

#include <cstddef>

namespace win {

// The most bytes of UTF-8 a paste may make a field hold: what the system's
// edit control lays out well within a second. Under Wine it analyses a
// one-line text whole on every change, a cost that grows with the square of
// the length: a paste of 16 KiB answers in 0.3 to 0.4 s, 24 KiB in 0.9 s,
// 32 KiB in 1.3 to 1.6 s (bench/win32_paste.sh). A longer paste is refused
// with the shared box; typing is never limited.
inline constexpr std::size_t kLongestPaste = 16'384;

// Registers the window classes and creates the window, hidden, with its
// controls in their start state. nullptr if Windows refuses.
HWND CreateMainWindow(HINSTANCE instance);

// Shows the window with the focus on the selected option button.
void ShowMainWindow(HWND window, int show);

// Runs the message loop until the window is gone; the exit status.
int RunMessageLoop(HWND window);

}  // namespace win

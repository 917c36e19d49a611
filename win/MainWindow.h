#pragma once
// The program's window with the Win32 API: the controls of
// form::WindowControls() as the system's own controls, the commands of
// form::kCommands, and the message loop.

#include <windows.h>

#include <cstddef>

namespace win {

// The most bytes of UTF-8 a paste may make a field hold: what the system's
// edit control lays out without a stall (measured under Wine). A longer
// paste is refused with the shared box; typing is never limited.
inline constexpr std::size_t kLongestPaste = 32'768;

// Registers the window classes and creates the window, hidden, with its
// controls in their start state. nullptr if Windows refuses.
HWND CreateMainWindow(HINSTANCE instance);

// Shows the window with the focus on the selected option button.
void ShowMainWindow(HWND window, int show);

// Runs the message loop until the window is gone; the exit status.
int RunMessageLoop(HWND window);

}  // namespace win

#pragma once
// The program's window with the Win32 API: the controls of
// form::WindowControls() as the system's own controls (win/Controls.h), what
// the user does told to form::WindowModel and its answers shown, and the
// message loop.

#include <windows.h>

namespace win {

// Registers the window classes and creates the window, hidden, with its
// controls in their start state. nullptr if Windows refuses.
HWND CreateMainWindow(HINSTANCE instance);

// Shows the window with the focus on the selected option button.
void ShowMainWindow(HWND window, int show);

// Runs the message loop until the window is gone; the exit status.
int RunMessageLoop(HWND window);

}  // namespace win

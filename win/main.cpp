// The Windows program: the window of the fertiliser calculation.
#include <windows.h>

#include "win/MainWindow.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    HWND window = win::CreateMainWindow(instance);
    if (!window) return 1;
    win::ShowMainWindow(window, show);
    return win::RunMessageLoop(window);
}

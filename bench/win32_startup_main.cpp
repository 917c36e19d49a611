// Start-up to the first painted window under Windows (or Wine), for
// bench/win32_startup.sh: prints the wall-clock time (ns since 1970) once
// the window and all its controls have been painted, then quits. Built
// twice: as the program's window, and (BARE_WINDOW) as a bare window with
// one label, the yardstick, both linked the same way.
#include <windows.h>

#include <cstdio>

#include "bench/win32_clock.h"

#ifndef BARE_WINDOW
#include "win/MainWindow.h"
#endif

namespace {

#ifdef BARE_WINDOW
LRESULT CALLBACK BareProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

HWND CreateBareWindow(HINSTANCE instance) {
    WNDCLASSEXW cls{};
    cls.cbSize = sizeof(cls);
    cls.lpfnWndProc = BareProc;
    cls.hInstance = instance;
    cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    cls.lpszClassName = L"Bare";
    RegisterClassExW(&cls);
    HWND window = CreateWindowExW(0, L"Bare", L"Bare", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 300, 100,
                                  nullptr, nullptr, instance, nullptr);
    CreateWindowExW(0, L"STATIC", L"Hola", WS_CHILD | WS_VISIBLE, 10, 10, 100, 20, window, nullptr, instance, nullptr);
    return window;
}
#endif

}  // namespace

int main() {
    HINSTANCE instance = GetModuleHandleW(nullptr);
#ifdef BARE_WINDOW
    HWND window = CreateBareWindow(instance);
    ShowWindow(window, SW_SHOWNORMAL);
#else
    HWND window = win::CreateMainWindow(instance);
    win::ShowMainWindow(window, SW_SHOWNORMAL);
#endif
    if (!window) return 1;
    // Whatever is still to paint, painted now (not everything a second time:
    // the program's window has painted itself already, the bare one not).
    RedrawWindow(window, nullptr, nullptr, RDW_ALLCHILDREN | RDW_UPDATENOW);
    GdiFlush();
    std::printf("%lld\n", NowNanoseconds());
    std::fflush(stdout);
    DestroyWindow(window);
    return 0;
}

// The yardstick of bench/win32_typing.sh: a bare Win32 window with one
// system edit control (one line, ES_AUTOHSCROLL, nothing subclassed), the
// size of the program's "Número de Hectáreas" at 96 dpi, built and linked
// the same way as the program. Whatever a key costs here is the edit
// control's own (Wine's, under Wine).
#include <windows.h>

#include "form/controls.h"
#include "win/Layout.h"
#include "win/Utf.h"

namespace {

HWND edit = nullptr;

LRESULT CALLBACK BareProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SETFOCUS: SetFocus(edit); return 0;
        case WM_DESTROY: PostQuitMessage(0); return 0;
        default: return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    WNDCLASSEXW cls{};
    cls.cbSize = sizeof(cls);
    cls.lpfnWndProc = BareProc;
    cls.hInstance = instance;
    cls.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    cls.lpszClassName = L"BareEdit";
    if (!RegisterClassExW(&cls)) return 1;
    HWND window = CreateWindowExW(0, L"BareEdit", L"Bare edit", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 300,
                                  120, nullptr, nullptr, instance, nullptr);
    if (!window) return 1;
    // 735 x 285 twips at 15 twips a pixel, as the program's field.
    edit = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, 20, 20,
                           49, 19, window, nullptr, instance, nullptr);
    if (!edit) return 1;
    // The program's font for its fields.
    HFONT font = CreateFontW(win::FontHeight(form::Type::Regular, USER_DEFAULT_SCREEN_DPI), 0, 0, 0, FW_NORMAL, FALSE,
                             FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             DEFAULT_PITCH | FF_SWISS, win::Utf16(form::kClassicFace).c_str());
    SendMessageW(edit, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    ShowWindow(window, show);
    SetFocus(edit);
    MSG message;
    BOOL got;
    while ((got = GetMessageW(&message, nullptr, 0, 0)) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return got < 0 ? 1 : static_cast<int>(message.wParam);
}

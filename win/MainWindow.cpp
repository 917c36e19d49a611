#include "win/MainWindow.h"

#include <utility>

#include "form/texts.h"
#include "form/window.h"
#include "win/Controls.h"
#include "win/Field.h"
#include "win/Layout.h"
#include "win/Utf.h"

namespace win {

namespace {

constexpr wchar_t kWindowClass[] = L"RuroviroraWindow";
// The program's icon, a resource written at build time from form/pictures.h.
constexpr wchar_t kIconName[] = L"IDI_ICON1";

using form::ControlRow;
using form::Kind;

// The program has one window: its controls, the model of what it does, and
// the control that had the focus when it was last active.
struct WindowState {
    Controls controls;
    form::WindowModel model;
    HWND focus = nullptr;
};

WindowState& State() {
    static WindowState state;
    return state;
}

// The decimal separator of the user's regional settings.
std::string DecimalSeparator() {
    wchar_t separator[8] = {};
    if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8) <= 1) return ".";
    return Utf8(separator);
}

// ---- the model: what the user did goes in, what it answers is shown ----

void Show(HWND window, const form::Answer& answer) {
    WindowState& state = State();
    for (const auto& [row, text] : answer.writes) state.controls.Write(*row, text);
    if (answer.select) state.controls.SelectOption(*answer.select);
    if (answer.focus) {
        state.focus = state.controls.Handle(*answer.focus);
        if (IsWindowVisible(window)) SetFocus(state.focus);
        if (answer.selectText) state.controls.SelectText(*answer.focus);
    }
    // The system's own message box, with its own OK button.
    if (answer.box) MessageBoxW(window, Utf16(answer.box->message).c_str(), Utf16(answer.box->title).c_str(), MB_OK);
    if (answer.quit) DestroyWindow(window);
}

void Press(HWND window, const ControlRow& button) {
    WindowState& state = State();
    Show(window, state.model.Press(&button, state.controls, DecimalSeparator()));
}

// A paste into a field: the model counts it as a Windows one-line edit
// control inserts it, up to the first line break.
form::Answer AnswerPaste(const ControlRow& field, std::u16string_view replaced, std::u16string_view inserted) {
    const WindowState& state = State();
    return state.model.Paste(&field, state.controls, replaced, inserted, form::LineBreaks::CutAtFirst);
}

// ---- the window's messages ----

// Gives the window its large and small icons at the sizes of `dpi`.
void SetIcons(HWND window, int dpi) {
    auto* instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE));
    for (auto [which, metric] : {std::pair{ICON_BIG, SM_CXICON}, std::pair{ICON_SMALL, SM_CXSMICON}}) {
        const int size = GetSystemMetricsForDpi(metric, static_cast<UINT>(dpi));
        auto* icon = static_cast<HICON>(LoadImageW(instance, kIconName, IMAGE_ICON, size, size, LR_SHARED));
        if (icon) SendMessageW(window, WM_SETICON, static_cast<WPARAM>(which), reinterpret_cast<LPARAM>(icon));
    }
}

void SizeWindow(HWND window, int dpi) {
    const Rect client = ClientRect(dpi);
    RECT r{0, 0, client.width, client.height};
    AdjustWindowRectExForDpi(&r, static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)), FALSE,
                             static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE)), static_cast<UINT>(dpi));
    SetWindowPos(window, nullptr, 0, 0, r.right - r.left, r.bottom - r.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT OnCreate(HWND hwnd) {
    WindowState& state = State();
    const int dpi = static_cast<int>(GetDpiForWindow(hwnd));
    if (!state.controls.Create(hwnd, dpi)) return -1;
    for (const auto& [edit, field] : state.controls.TextHolders()) SubclassField(edit, *field, AnswerPaste, Show);
    SizeWindow(hwnd, dpi);
    SetIcons(hwnd, dpi);
    Show(hwnd, state.model.Start());
    return 0;
}

void OnDpiChanged(HWND hwnd, int dpi, const RECT& suggested) {
    State().controls.LayOut(dpi);
    SetIcons(hwnd, dpi);
    SetWindowPos(hwnd, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(hwnd, nullptr, TRUE);
}

LRESULT OnCtlColor(HDC dc, HWND control) {
    const ControlRow* row = State().controls.RowOf(control);
    if (row && row->textColour != form::kSystemColour) {
        const form::Colour colour = row->textColour;
        SetTextColor(dc, RGB((colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF));
    } else {
        SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    }
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

void OnCommand(HWND hwnd, int id, int code, HWND control) {
    WindowState& state = State();
    if (id == IDOK) {
        // Enter: clicks the focused command button, as Space does.
        const ControlRow* focused = state.controls.RowOf(GetFocus());
        if (focused && focused->kind == Kind::Command) Press(hwnd, *focused);
        return;
    }
    const ControlRow* row = state.controls.RowOf(control);
    if (!row || code != BN_CLICKED) return;
    if (row->kind == Kind::Command) Press(hwnd, *row);
    if (state.model.Select(row)) state.controls.SelectOption(*row);
}

// IsDialogMessage moves the focus itself for Tab (selecting a field's text)
// and sends this for the arrow keys: the next control of the group. The
// arrows go round the option group, as everywhere in Windows; the selection
// moves with the focus. Without a control (lParam 0) it asks for the next or
// previous tab stop: the model's.
void OnNextControl(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    WindowState& state = State();
    if (!lParam) {
        Show(hwnd, state.model.Tab(state.controls.RowOf(GetFocus()), wParam == 0));
        return;
    }
    auto* target = reinterpret_cast<HWND>(wParam);
    SetFocus(target);
    const ControlRow* row = state.controls.RowOf(target);
    if (state.model.Select(row)) state.controls.SelectOption(*row);
}

void OnActivate(HWND hwnd, bool active) {
    WindowState& state = State();
    if (!active) {
        if (HWND focus = GetFocus(); focus && IsChild(hwnd, focus)) state.focus = focus;
    } else if (state.focus) {
        SetFocus(state.focus);
    }
}

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE: return OnCreate(hwnd);
        case WM_DPICHANGED: OnDpiChanged(hwnd, HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam)); return 0;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN: return OnCtlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        case WM_COMMAND: OnCommand(hwnd, LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)); return 0;
        case WM_NEXTDLGCTL: OnNextControl(hwnd, wParam, lParam); return 0;
        case WM_ACTIVATE: OnActivate(hwnd, LOWORD(wParam) != WA_INACTIVE); return 0;
        case WM_SETFOCUS:
            if (State().focus) SetFocus(State().focus);
            return 0;
        case WM_DESTROY: PostQuitMessage(0); return 0;
        default: return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

// A window class of the program's, on the face colour; false if Windows refuses.
bool RegisterWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC proc, HICON icon) {
    WNDCLASSEXW cls{};
    cls.cbSize = sizeof(cls);
    cls.lpfnWndProc = proc;
    cls.hInstance = instance;
    cls.hIcon = icon;
    cls.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    cls.lpszClassName = name;
    return RegisterClassExW(&cls) != 0;
}

bool IsEditField(HWND hwnd) {
    wchar_t cls[16] = {};
    return hwnd && GetClassNameW(hwnd, cls, 16) && lstrcmpiW(cls, L"Edit") == 0;
}

}  // namespace

HWND CreateMainWindow(HINSTANCE instance) {
    if (!RegisterWindowClass(instance, kWindowClass, WindowProc, LoadIconW(instance, kIconName)) ||
        !RegisterWindowClass(instance, kPictureClass, PictureProc, nullptr))
        return nullptr;

    // An ordinary window: resizing border, minimise, maximise, close. The
    // controls keep their places from the top left; a larger window shows
    // more face, a smaller one cuts them off. No WS_CLIPCHILDREN: the frames
    // draw only their lines and caption, the window paints the face beneath.
    return CreateWindowExW(0, kWindowClass, Utf16(form::kWindowTitle).c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                           CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, nullptr);
}

void ShowMainWindow(HWND window, int show) {
    ShowWindow(window, show);
    SetFocus(State().focus);
    UpdateWindow(window);
}

int RunMessageLoop(HWND window) {
    MSG message;
    BOOL got;
    while ((got = GetMessageW(&message, nullptr, 0, 0)) > 0) {
        // Ctrl+A selects the whole text of a field (the classic edit control
        // has no key for it).
        if (message.message == WM_KEYDOWN && message.wParam == 'A' && (GetKeyState(VK_CONTROL) & 0x8000) &&
            IsEditField(message.hwnd)) {
            SendMessageW(message.hwnd, EM_SETSEL, 0, -1);
            continue;
        }
        if (IsWindow(window) && IsDialogMessageW(window, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return got < 0 ? 1 : static_cast<int>(message.wParam);
}

}  // namespace win

#include "win/MainWindow.h"

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "calc/fertiliser.h"
#include "calc/numbers.h"
#include "form/pictures.h"
#include "form/texts.h"
#include "win/Layout.h"
#include "win/Utf.h"

namespace win {

namespace {

constexpr wchar_t kWindowClass[] = L"RuroviroraWindow";
constexpr wchar_t kPictureClass[] = L"RuroviroraPicture";
constexpr wchar_t kIconName[] = L"IDI_ICON1";
constexpr int kFirstId = 100;  // control ids: kFirstId + row index in WindowControls()
// The drop-down list of the diameters opens below the field this far.
constexpr int kListTwips = 2040;

using form::ControlRow;
using form::Kind;

struct Control {
    const ControlRow* row;
    HWND hwnd;
};

struct WindowState {
    std::vector<Control> controls;  // in creation order
    std::array<HFONT, 4> fonts{};   // by form::Type
    HWND focus = nullptr;           // the control to give the focus back to
};

WindowState& State() {
    static WindowState state;
    return state;
}

int RowId(const ControlRow& row) {
    return kFirstId + static_cast<int>(&row - form::WindowControls().data());
}

const Control* FindByName(std::string_view name) {
    for (const Control& c : State().controls)
        if (name == c.row->name) return &c;
    return nullptr;
}

const Control* FindByHandle(HWND hwnd) {
    for (const Control& c : State().controls)
        if (c.hwnd == hwnd) return &c;
    return nullptr;
}

HWND Field(int number) { return FindByName("Text" + std::to_string(number))->hwnd; }

std::string TextOf(HWND hwnd) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return Utf8(text);
}

void SetText(HWND hwnd, std::string_view utf8) { SetWindowTextW(hwnd, Utf16(utf8).c_str()); }

// The decimal separator of the user's regional settings.
std::string DecimalSeparator() {
    wchar_t separator[8] = {};
    if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8) <= 1) return ".";
    return Utf8(separator);
}

void Inform(HWND owner, const form::Box& box) {
    MessageBoxW(owner, Utf16(box.message).c_str(), Utf16(box.title).c_str(), MB_OK);
}

// ---- the arrow picture: the decoded design, repeated pixel by pixel ----

LRESULT CALLBACK PictureProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            static const form::Pixels design = form::DecodeXpm(form::ArrowPicture());
            // Transparent pixels take the face colour; the DIB holds 0x00RRGGBB.
            const COLORREF face = GetSysColor(COLOR_BTNFACE);
            const std::uint32_t faceRgb = (GetRValue(face) << 16) | (GetGValue(face) << 8) | GetBValue(face);
            std::vector<std::uint32_t> bits(design.argb.size());
            for (std::size_t i = 0; i < bits.size(); ++i)
                bits[i] = (design.argb[i] >> 24) ? (design.argb[i] & 0xFFFFFF) : faceRgb;

            BITMAPINFO info{};
            info.bmiHeader.biSize = sizeof(info.bmiHeader);
            info.bmiHeader.biWidth = design.width;
            info.bmiHeader.biHeight = -design.height;  // top row first
            info.bmiHeader.biPlanes = 1;
            info.bmiHeader.biBitCount = 32;
            info.bmiHeader.biCompression = BI_RGB;

            const int dpi = static_cast<int>(GetDpiForWindow(hwnd));
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(hwnd, &paint);
            RECT client;
            GetClientRect(hwnd, &client);
            FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
            SetStretchBltMode(dc, COLORONCOLOR);  // whole pixels, no blending
            StretchDIBits(dc, 0, 0, MulDiv(design.width, dpi, kDefaultDpi), MulDiv(design.height, dpi, kDefaultDpi),
                          0, 0, design.width, design.height, bits.data(), &info, DIB_RGB_COLORS, SRCCOPY);
            EndPaint(hwnd, &paint);
            return 0;
        }
        case WM_LBUTTONDOWN:
            SetFocus(hwnd);  // takes the focus, shows no mark
            return 0;
        default:
            return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

// ---- controls ----

HWND CreateControl(HWND parent, const ControlRow& row, bool startsGroup) {
    const std::wstring caption = Utf16(row.caption ? row.caption : "");
    const wchar_t* cls = L"STATIC";
    DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | (startsGroup ? WS_GROUP : 0);
    DWORD exStyle = 0;
    switch (row.kind) {
        case Kind::Frame: cls = L"BUTTON"; style |= BS_GROUPBOX; break;
        case Kind::Command: cls = L"BUTTON"; style |= BS_PUSHBUTTON | WS_TABSTOP; break;
        case Kind::Option: cls = L"BUTTON"; style |= BS_AUTORADIOBUTTON; break;
        case Kind::Text:
            cls = L"EDIT";
            style |= ES_AUTOHSCROLL | WS_TABSTOP;
            exStyle |= WS_EX_CLIENTEDGE;
            break;
        case Kind::Combo: cls = L"COMBOBOX"; style |= CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP; break;
        case Kind::Label:
            style |= SS_NOPREFIX |
                     (row.align == form::Align::Centre ? SS_CENTER : row.align == form::Align::Right ? SS_RIGHT : SS_LEFT);
            break;
        case Kind::Picture: cls = kPictureClass; style |= WS_TABSTOP; break;
    }
    HWND hwnd = CreateWindowExW(exStyle, cls, caption.c_str(), style, 0, 0, 0, 0, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(RowId(row))),
                                reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), nullptr);
    if (!hwnd) return nullptr;
    if (row.kind == Kind::Text) SendMessageW(hwnd, EM_SETLIMITTEXT, 0, 0);  // 0: as long as Windows allows
    if (row.kind == Kind::Combo) {
        // Plain items; what is typed stays as typed: no completion, nothing added.
        for (int inches = form::kFirstDiameter; inches <= form::kLastDiameter; ++inches)
            SendMessageW(hwnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(std::to_wstring(inches).c_str()));
        SendMessageW(hwnd, CB_LIMITTEXT, 0, 0);
        SetWindowTextW(hwnd, caption.c_str());
    }
    return hwnd;
}

void CreateFonts(int dpi) {
    WindowState& state = State();
    const std::wstring face = Utf16(form::kClassicFace);
    for (form::Type type : {form::Type::Regular, form::Type::Bold, form::Type::LargeBold}) {
        HFONT& font = state.fonts[static_cast<std::size_t>(type)];
        if (font) DeleteObject(font);
        font = CreateFontW(FontHeight(type, dpi), 0, 0, 0, form::IsBold(type) ? FW_BOLD : FW_NORMAL, FALSE, FALSE,
                           FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                           DEFAULT_PITCH | FF_SWISS, face.c_str());
    }
}

// Places every control and sets its font for the window's density.
void LayOut(int dpi) {
    WindowState& state = State();
    CreateFonts(dpi);
    for (const Control& c : state.controls) {
        const Rect r = ControlRect(*c.row, dpi);
        const int height = c.row->kind == Kind::Combo ? r.height + TwipsToPixels(kListTwips, dpi) : r.height;
        SetWindowPos(c.hwnd, nullptr, r.left, r.top, r.width, height, SWP_NOZORDER | SWP_NOACTIVATE);
        if (c.row->type != form::Type::None)
            SendMessageW(c.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(state.fonts[static_cast<std::size_t>(c.row->type)]),
                         TRUE);
    }
}

void SetIcons(HWND hwnd, int dpi) {
    auto* instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(hwnd, GWLP_HINSTANCE));
    for (auto [which, metric] : {std::pair{ICON_BIG, SM_CXICON}, std::pair{ICON_SMALL, SM_CXSMICON}}) {
        const int size = GetSystemMetricsForDpi(metric, static_cast<UINT>(dpi));
        auto* icon = static_cast<HICON>(LoadImageW(instance, kIconName, IMAGE_ICON, size, size, LR_SHARED));
        if (icon) SendMessageW(hwnd, WM_SETICON, static_cast<WPARAM>(which), reinterpret_cast<LPARAM>(icon));
    }
}

// Only the selected option button is a tab stop: Tab enters the group on it.
void UpdateOptionStops() {
    for (const Control& c : State().controls) {
        if (c.row->kind != Kind::Option) continue;
        const LONG_PTR style = GetWindowLongPtrW(c.hwnd, GWL_STYLE);
        const bool checked = SendMessageW(c.hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED;
        SetWindowLongPtrW(c.hwnd, GWL_STYLE, checked ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP));
    }
}

void SelectOption(HWND option) {
    for (const Control& c : State().controls)
        if (c.row->kind == Kind::Option)
            SendMessageW(c.hwnd, BM_SETCHECK, c.hwnd == option ? BST_CHECKED : BST_UNCHECKED, 0);
    UpdateOptionStops();
}

const Control* SelectedOption() {
    for (const Control& c : State().controls)
        if (c.row->kind == Kind::Option && SendMessageW(c.hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED) return &c;
    return nullptr;
}

// ---- commands ----

void Calculate(HWND window) {
    const Control* option = SelectedOption();
    const calc::FertiliserInputs inputs{form::SystemOfOption(option ? option->row->name : ""),
                                        TextOf(Field(form::kHectaresField)),
                                        TextOf(Field(form::kDistanceField)),
                                        TextOf(Field(form::kLengthField)),
                                        TextOf(Field(form::kWidthField)),
                                        TextOf(FindByName("Combo1")->hwnd)};
    const calc::FertiliserResults results = calc::ComputeFertiliser(inputs, DecimalSeparator());
    // On a refusal the texts are empty: no result of other inputs stays shown.
    for (std::size_t i = 0; i < results.texts.size(); ++i)
        SetText(Field(form::kFirstResultField + static_cast<int>(i)), results.texts[i]);
    if (!results.ok()) Inform(window, form::RefusalBox(results.refusal));
}

void ResetFields() {
    const std::string zero = calc::FormatNumber(0);
    for (int n = 1; n <= form::kFieldCount; ++n) SetText(Field(n), zero);
}

void RunCommand(HWND window, const ControlRow& button) {
    for (const form::CommandRow& command : form::kCommands) {
        if (std::string_view(command.button) != button.name) continue;
        switch (command.command) {
            case form::Command::Calculate: Calculate(window); break;
            case form::Command::Reset: ResetFields(); break;
            case form::Command::Quit: DestroyWindow(window); break;
            case form::Command::About:
            case form::Command::Help:
            case form::Command::Varieties: Inform(window, form::InformationBox(command.command)); break;
        }
    }
}

// ---- the window ----

bool CreateControls(HWND window) {
    WindowState& state = State();
    const auto order = CreationOrder();
    for (std::size_t i = 0; i < order.size(); ++i) {
        HWND hwnd = CreateControl(window, *order[i], StartsGroup(order, i));
        if (!hwnd) return false;
        state.controls.push_back({order[i], hwnd});
    }
    SelectOption(FindByName("Option1")->hwnd);
    state.focus = SelectedOption()->hwnd;
    return true;
}

void SizeWindow(HWND window, int dpi) {
    const Rect client = ClientRect(dpi);
    RECT r{0, 0, client.width, client.height};
    AdjustWindowRectExForDpi(&r, static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)), FALSE,
                             static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE)), static_cast<UINT>(dpi));
    SetWindowPos(window, nullptr, 0, 0, r.right - r.left, r.bottom - r.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    WindowState& state = State();
    switch (message) {
        case WM_CREATE: {
            const int dpi = static_cast<int>(GetDpiForWindow(hwnd));
            if (!CreateControls(hwnd)) return -1;
            LayOut(dpi);
            SizeWindow(hwnd, dpi);
            SetIcons(hwnd, dpi);
            return 0;
        }
        case WM_DPICHANGED: {
            const auto* suggested = reinterpret_cast<const RECT*>(lParam);
            LayOut(HIWORD(wParam));
            SetIcons(hwnd, HIWORD(wParam));
            SetWindowPos(hwnd, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                         suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
            InvalidateRect(hwnd, nullptr, TRUE);
            return 0;
        }
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN: {
            auto* dc = reinterpret_cast<HDC>(wParam);
            const Control* c = FindByHandle(reinterpret_cast<HWND>(lParam));
            if (c && c->row->textColour != form::kSystemColour) {
                const form::Colour colour = c->row->textColour;
                SetTextColor(dc, RGB((colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF));
            } else {
                SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
            }
            SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
        }
        case WM_COMMAND: {
            const int id = LOWORD(wParam);
            if (id == IDOK) {
                // Enter: clicks the focused command button, as Space does.
                const Control* c = FindByHandle(GetFocus());
                if (c && c->row->kind == Kind::Command) RunCommand(hwnd, *c->row);
                return 0;
            }
            const auto rows = form::WindowControls();
            if (id < kFirstId || id >= kFirstId + static_cast<int>(rows.size()) || HIWORD(wParam) != BN_CLICKED) break;
            const ControlRow& row = rows[static_cast<std::size_t>(id - kFirstId)];
            if (row.kind == Kind::Command) RunCommand(hwnd, row);
            if (row.kind == Kind::Option) UpdateOptionStops();
            return 0;
        }
        case WM_NEXTDLGCTL: {
            // Sent by IsDialogMessage for the arrow keys: the next control of
            // the group, or (lParam 0) the next or previous tab stop.
            HWND target = lParam ? reinterpret_cast<HWND>(wParam) : GetNextDlgTabItem(hwnd, GetFocus(), wParam != 0);
            if (!target) return 0;
            SetFocus(target);
            const Control* c = FindByHandle(target);
            if (c && c->row->kind == Kind::Option) SelectOption(target);  // the selection moves with the focus
            return 0;
        }
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) {
                if (HWND focus = GetFocus(); focus && IsChild(hwnd, focus)) state.focus = focus;
            } else if (state.focus) {
                SetFocus(state.focus);
            }
            return 0;
        case WM_SETFOCUS:
            if (state.focus) SetFocus(state.focus);
            return 0;
        case WM_DESTROY:
            for (HFONT& font : state.fonts)
                if (font) DeleteObject(std::exchange(font, nullptr));
            PostQuitMessage(0);
            return 0;
        default: break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

bool IsEditField(HWND hwnd) {
    wchar_t cls[16] = {};
    return hwnd && GetClassNameW(hwnd, cls, 16) && lstrcmpiW(cls, L"Edit") == 0;
}

}  // namespace

HWND CreateMainWindow(HINSTANCE instance) {
    WNDCLASSEXW window{};
    window.cbSize = sizeof(window);
    window.lpfnWndProc = WindowProc;
    window.hInstance = instance;
    window.hIcon = LoadIconW(instance, kIconName);
    window.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    window.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    window.lpszClassName = kWindowClass;
    WNDCLASSEXW picture = window;
    picture.lpfnWndProc = PictureProc;
    picture.hIcon = nullptr;
    picture.lpszClassName = kPictureClass;
    if (!RegisterClassExW(&window) || !RegisterClassExW(&picture)) return nullptr;

    // A fixed size, as the window was drawn: no resizing border, no maximise.
    // No WS_CLIPCHILDREN: the frames draw only their lines and caption, the
    // window paints the face beneath them.
    return CreateWindowExW(0, kWindowClass, Utf16(form::kWindowTitle).c_str(),
                           WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, CW_USEDEFAULT,
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

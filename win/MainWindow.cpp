#include "win/MainWindow.h"

#include <algorithm>
#include <array>
#include <string>
#include <utility>
#include <vector>

#include "form/pictures.h"
#include "form/texts.h"
#include "form/window.h"
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
    std::vector<HWND> byRow;        // by row index in WindowControls()
    std::vector<bool> changed;      // by row index: typed into since the model last read it
    bool writing = false;           // the window itself is writing an answer's texts
    std::array<HFONT, 4> fonts{};   // by form::Type
    HWND focus = nullptr;           // the control to give the focus back to
    form::WindowModel model{kLongestPaste};
};

WindowState& State() {
    static WindowState state;
    return state;
}

std::size_t RowIndex(const ControlRow& row) { return static_cast<std::size_t>(&row - form::WindowControls().data()); }

int RowId(const ControlRow& row) { return kFirstId + static_cast<int>(RowIndex(row)); }

HWND HandleOf(std::string_view name) {
    const ControlRow* row = form::FindControl(name);
    const WindowState& state = State();
    return row && RowIndex(*row) < state.byRow.size() ? state.byRow[RowIndex(*row)] : nullptr;
}

// The row of one of the window's controls, by its id: no search.
const ControlRow* RowOf(HWND hwnd) {
    if (!hwnd) return nullptr;
    const int id = GetDlgCtrlID(hwnd);
    const auto rows = form::WindowControls();
    if (id < kFirstId || id >= kFirstId + static_cast<int>(rows.size())) return nullptr;
    const ControlRow& row = rows[static_cast<std::size_t>(id - kFirstId)];
    return HandleOf(row.name) == hwnd ? &row : nullptr;
}

std::wstring WideTextOf(HWND hwnd) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

// The decimal separator of the user's regional settings.
std::string DecimalSeparator() {
    wchar_t separator[8] = {};
    if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8) <= 1) return ".";
    return Utf8(separator);
}

// The system's own message box, with its own OK button.
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
            StretchDIBits(dc, 0, 0, MulDiv(design.width, dpi, kDefaultDpi), MulDiv(design.height, dpi, kDefaultDpi), 0,
                          0, design.width, design.height, bits.data(), &info, DIB_RGB_COLORS, SRCCOPY);
            EndPaint(hwnd, &paint);
            return 0;
        }
        case WM_LBUTTONDOWN:
            SetFocus(hwnd);  // takes the focus, shows no mark
            return 0;
        default: return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

// ---- controls ----

HWND CreateControl(HWND parent, const ControlRow& row, bool startsGroup) {
    const std::wstring caption = Utf16(row.caption ? row.caption : "");
    const wchar_t* cls = L"STATIC";
    DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | (startsGroup ? WS_GROUP : 0);
    DWORD exStyle = 0;
    switch (row.kind) {
        case Kind::Frame:
            cls = L"BUTTON";
            style |= BS_GROUPBOX;
            break;
        case Kind::Command:
            cls = L"BUTTON";
            style |= BS_PUSHBUTTON | WS_TABSTOP;
            break;
        case Kind::Option:
            cls = L"BUTTON";
            style |= BS_AUTORADIOBUTTON;
            break;
        case Kind::Text:
            cls = L"EDIT";
            style |= ES_AUTOHSCROLL | WS_TABSTOP;
            exStyle |= WS_EX_CLIENTEDGE;
            break;
        case Kind::Combo:
            cls = L"COMBOBOX";
            style |= CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP;
            break;
        case Kind::Label:
            style |= SS_NOPREFIX | (row.align == form::Align::Centre  ? SS_CENTER
                                    : row.align == form::Align::Right ? SS_RIGHT
                                                                      : SS_LEFT);
            break;
        case Kind::Picture:
            cls = kPictureClass;
            style |= WS_TABSTOP;
            break;
    }
    HWND hwnd = CreateWindowExW(exStyle, cls, caption.c_str(), style, 0, 0, 0, 0, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(RowId(row))),
                                reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), nullptr);
    if (!hwnd) return nullptr;
    if (row.kind == Kind::Text) SendMessageW(hwnd, EM_SETLIMITTEXT, 0, 0);  // 0: as long as Windows allows
    if (row.kind == Kind::Combo) {
        // Plain items; what is typed stays as typed: no completion, nothing added.
        for (const std::string& entry : form::DiameterEntries())
            SendMessageW(hwnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Utf16(entry).c_str()));
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
            SendMessageW(c.hwnd, WM_SETFONT,
                         reinterpret_cast<WPARAM>(state.fonts[static_cast<std::size_t>(c.row->type)]), TRUE);
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
void SelectOption(std::string_view selected) {
    for (const Control& c : State().controls) {
        if (c.row->kind != Kind::Option) continue;
        const bool checked = selected == c.row->name;
        SendMessageW(c.hwnd, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
        const LONG_PTR style = GetWindowLongPtrW(c.hwnd, GWL_STYLE);
        SetWindowLongPtrW(c.hwnd, GWL_STYLE, checked ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP));
    }
}

// ---- the model: what the user did goes in, what it answers is shown ----

// The model reads a field's text when it needs it (before a command or a
// paste), not on every key: a key in a long text costs no copy of it.
void HandChangedTexts() {
    WindowState& state = State();
    for (std::size_t i = 0; i < state.changed.size(); ++i) {
        if (!state.changed[i]) continue;
        state.changed[i] = false;
        state.model.Edit(form::WindowControls()[i].name, Utf8(WideTextOf(state.byRow[i])));
    }
}

void Show(HWND window, const form::Answer& answer) {
    WindowState& state = State();
    state.writing = true;
    for (const auto& [name, text] : answer.writes) {
        HWND hwnd = HandleOf(name);
        if (!hwnd) continue;
        SetWindowTextW(hwnd, Utf16(text).c_str());
        // Shown from its first character.
        if (form::FindControl(name)->kind == Kind::Text) SendMessageW(hwnd, EM_SETSEL, 0, 0);
    }
    state.writing = false;
    if (!answer.select.empty()) SelectOption(answer.select);
    if (HWND focus = HandleOf(answer.focus)) {
        state.focus = focus;
        if (IsWindowVisible(window)) SetFocus(focus);
    }
    if (answer.box) Inform(window, *answer.box);
    if (answer.quit) DestroyWindow(window);
}

void Press(HWND window, const ControlRow& button) {
    HandChangedTexts();
    Show(window, State().model.Press(button.name, DecimalSeparator()));
}

// ---- the fields: pastes over the limit refused, long texts drawn ----

// UTF-8 bytes of UTF-16 text, without converting it.
std::size_t Utf8Bytes(std::wstring_view text) {
    std::size_t bytes = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const wchar_t c = text[i];
        if (c < 0x80)
            bytes += 1;
        else if (c < 0x800)
            bytes += 2;
        else if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000) {
            bytes += 4;
            ++i;
        } else
            bytes += 3;
    }
    return bytes;
}

// The bytes a paste would put into a one-line field: the clipboard's text up
// to its first line break (a one-line field takes no more of it). 0 when the
// clipboard holds no text.
std::size_t PastedBytes(HWND field) {
    if (!IsClipboardFormatAvailable(CF_UNICODETEXT) || !OpenClipboard(field)) return 0;
    std::size_t bytes = 0;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* text = static_cast<const wchar_t*>(GlobalLock(data))) {
            const std::size_t size = GlobalSize(data) / sizeof(wchar_t);
            const std::wstring_view all(text, size);
            bytes = Utf8Bytes(all.substr(0, std::min(all.find_first_of(L"\r\n", 0), all.find(L'\0'))));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return bytes;
}

struct Subclass {
    WNDPROC original;
    const ControlRow* row;   // the field, or the diameter list for its edit
    std::size_t first = 0;   // a long text: its first character shown
    std::size_t anchor = 0;  // a long text: where a drag with the mouse began
};

// A paste, however it arrives (Ctrl+V, Shift+Insert, the menu's "Pegar"):
// the model decides; a refused paste leaves the field exactly as it was.
bool RefusePaste(HWND edit, const ControlRow& row) {
    WindowState& state = State();
    const std::size_t pasted = PastedBytes(edit);
    const std::wstring text = WideTextOf(edit);
    DWORD start = 0, end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    start = std::min<DWORD>(start, static_cast<DWORD>(text.size()));
    end = std::clamp<DWORD>(end, start, static_cast<DWORD>(text.size()));
    state.changed[RowIndex(row)] = false;
    state.model.Edit(row.name, Utf8(text));
    const form::Answer answer =
        state.model.Paste(row.name, Utf8Bytes(std::wstring_view(text).substr(start, end - start)), pasted);
    if (!answer.box) return false;
    Show(GetAncestor(edit, GA_ROOT), answer);
    return true;
}

// ---- long texts under Wine ----
//
// Wine's edit control keeps a one-line text's places in 16 bits (as
// EM_POSFROMCHAR gives them): once a text is wider than 32 767 pixels (about
// 6000 characters) it draws it off the field, which looks empty, and puts the
// caret and the clicks in the wrong places. There, from kViewedHereFrom
// characters on, the field keeps its own view of the text: the first
// character shown, the caret after the edit control moved it, the character a
// click lands on; and it draws only what shows, so a repaint costs the same
// at any length. Windows' own edit control has no such limit and is left alone.

constexpr std::size_t kViewedHereFrom = 2000;

bool UnderWine() {
    static const bool wine = GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
    return wine;
}

bool ViewedHere(HWND edit) {
    return UnderWine() && static_cast<std::size_t>(GetWindowTextLengthW(edit)) >= kViewedHereFrom;
}

// What a long field shows: its text, format rectangle and font in a DC.
class View {
public:
    explicit View(HWND field, HDC into = nullptr)
        : edit_(field), dc_(into ? into : GetDC(field)), owned_(!into), text(WideTextOf(field)) {
        GetClientRect(edit_, &format);
        SendMessageW(edit_, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
        oldFont_ = SelectObject(dc_, reinterpret_cast<HFONT>(SendMessageW(edit_, WM_GETFONT, 0, 0)));
    }
    ~View() {
        SelectObject(dc_, oldFont_);
        if (owned_) ReleaseDC(edit_, dc_);
    }
    View(const View&) = delete;
    View& operator=(const View&) = delete;

    int Width(std::size_t from, std::size_t to) const {
        SIZE size{};
        GetTextExtentPoint32W(dc_, text.data() + from, static_cast<int>(to - from), &size);
        return size.cx;
    }
    // The most characters from `from` that fit in `pixels`.
    std::size_t Fitting(std::size_t from, int pixels) const {
        pixels = std::max(pixels, 0);
        const std::size_t most = std::min<std::size_t>(text.size() - from, static_cast<std::size_t>(pixels) + 1);
        int fit = 0;
        SIZE size{};
        GetTextExtentExPointW(dc_, text.data() + from, static_cast<int>(most), pixels, &fit, nullptr, &size);
        return static_cast<std::size_t>(fit);
    }
    int Room() const { return std::max<int>(format.right - format.left - 1, 1); }

private:
    HWND edit_;
    HDC dc_;
    bool owned_;
    HGDIOBJ oldFont_;

public:
    const std::wstring text;
    RECT format;
};

std::pair<std::size_t, std::size_t> SelectionOf(HWND edit) {
    DWORD start = 0, end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {start, end};
}

// Keeps the caret in view (a third of the field in sight beyond it, as the
// edit control scrolls) and puts the caret where this view shows it.
void FollowCaret(HWND edit, Subclass& subclass) {
    const View view(edit);
    const std::size_t caret = std::min<std::size_t>(SelectionOf(edit).second, view.text.size());
    std::size_t first = std::min(subclass.first, view.text.size());
    if (caret < first) {
        std::size_t back = caret;  // a third of the field before the caret
        while (back > 0 && view.Width(back - 1, caret) < view.Room() / 3) --back;
        first = back;
    } else if (view.Width(first, caret) > view.Room()) {
        std::size_t back = caret;  // the caret two thirds across
        while (back > 0 && view.Width(back - 1, caret) <= view.Room() * 2 / 3) --back;
        first = back;
    }
    subclass.first = first;
    if (GetFocus() == edit) SetCaretPos(view.format.left + view.Width(first, caret), view.format.top);
}

// The character a point in the field stands nearest to.
std::size_t CharAt(HWND edit, const Subclass& subclass, int x) {
    const View view(edit);
    const std::size_t first = std::min(subclass.first, view.text.size());
    const std::size_t at = first + view.Fitting(first, x - view.format.left);
    if (at < view.text.size() && x - view.format.left - view.Width(first, at) > view.Width(at, at + 1) / 2)
        return at + 1;
    return at;
}

void PaintLongText(HWND edit, const Subclass& subclass) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(edit, &paint);
    RECT client;
    GetClientRect(edit, &client);
    auto* brush = reinterpret_cast<HBRUSH>(
        SendMessageW(GetParent(edit), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(edit)));
    FillRect(dc, &client, brush ? brush : GetSysColorBrush(COLOR_WINDOW));
    {
        const View view(edit, dc);
        const std::size_t first = std::min(subclass.first, view.text.size());
        const std::size_t last = std::min(view.text.size(), first + view.Fitting(first, view.Room()) + 1);
        const auto [start, end] = SelectionOf(edit);
        const bool showSelection = GetFocus() == edit || (GetWindowLongPtrW(edit, GWL_STYLE) & ES_NOHIDESEL);
        const std::size_t selStart = showSelection ? std::clamp<std::size_t>(start, first, last) : first;
        const std::size_t selEnd = showSelection ? std::clamp<std::size_t>(end, selStart, last) : first;
        const COLORREF textColour = GetTextColor(dc), backColour = GetBkColor(dc);
        RECT clip = view.format;
        const std::size_t cuts[] = {first, selStart, selEnd, last};
        int x = view.format.left;
        for (int part = 0; part < 3 && x < view.format.right; ++part) {
            if (cuts[part + 1] <= cuts[part]) continue;
            const bool selected = part == 1;
            SetTextColor(dc, selected ? GetSysColor(COLOR_HIGHLIGHTTEXT) : textColour);
            SetBkColor(dc, selected ? GetSysColor(COLOR_HIGHLIGHT) : backColour);
            clip.left = std::max<LONG>(x, view.format.left);
            ExtTextOutW(dc, x, view.format.top, ETO_CLIPPED | ETO_OPAQUE, &clip, view.text.data() + cuts[part],
                        static_cast<UINT>(cuts[part + 1] - cuts[part]), nullptr);
            x += view.Width(cuts[part], cuts[part + 1]);
        }
    }
    EndPaint(edit, &paint);
}

// After the edit control handled a message that may move the caret, the
// selection or the text of a long field: this view's caret and a new drawing.
bool MovesTheView(UINT message) {
    switch (message) {
        case WM_KEYDOWN:
        case WM_CHAR:
        case WM_PASTE:
        case WM_CUT:
        case WM_CLEAR:
        case WM_UNDO:
        case EM_UNDO:
        case EM_SETSEL:
        case EM_REPLACESEL:
        case WM_SETTEXT:
        case WM_SETFOCUS:
        case WM_KILLFOCUS: return true;
        default: return false;
    }
}

LRESULT CALLBACK FieldProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* subclass = reinterpret_cast<Subclass*>(GetWindowLongPtrW(edit, GWLP_USERDATA));
    if (!subclass) return DefWindowProcW(edit, message, wParam, lParam);
    switch (message) {
        case WM_PASTE:
            if (RefusePaste(edit, *subclass->row)) return 0;
            break;
        case WM_PAINT:
            if (ViewedHere(edit)) {
                PaintLongText(edit, *subclass);
                return 0;
            }
            break;
        case WM_NCDESTROY: {
            const WNDPROC original = subclass->original;
            SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
            SetWindowLongPtrW(edit, GWLP_USERDATA, 0);
            delete subclass;
            return CallWindowProcW(original, edit, message, wParam, lParam);
        }
        default: break;
    }
    const LRESULT result = CallWindowProcW(subclass->original, edit, message, wParam, lParam);
    if (!ViewedHere(edit)) {
        subclass->first = 0;
        return result;
    }
    const bool drag = message == WM_MOUSEMOVE && (wParam & MK_LBUTTON) && GetCapture() == edit;
    if (message == WM_LBUTTONDOWN || drag) {
        // The character clicked by this view, not by the edit control's.
        const std::size_t at = CharAt(edit, *subclass, static_cast<short>(LOWORD(lParam)));
        if (message == WM_LBUTTONDOWN && !(wParam & MK_SHIFT)) subclass->anchor = at;
        SendMessageW(edit, EM_SETSEL, subclass->anchor, at);
    } else if (MovesTheView(message)) {
        // The edit control redraws only what it believes changed.
        FollowCaret(edit, *subclass);
        InvalidateRect(edit, nullptr, TRUE);
    }
    return result;
}

void SubclassField(HWND edit, const ControlRow& row) {
    if (!edit) return;
    auto* subclass = new Subclass{nullptr, &row};
    SetWindowLongPtrW(edit, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(subclass));
    subclass->original =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FieldProc)));
}

// ---- the window ----

bool CreateControls(HWND window) {
    WindowState& state = State();
    state.byRow.assign(form::WindowControls().size(), nullptr);
    state.changed.assign(form::WindowControls().size(), false);
    for (const Creation& c : CreationOrder()) {
        HWND hwnd = CreateControl(window, *c.row, c.startsGroup);
        if (!hwnd) return false;
        state.controls.push_back({c.row, hwnd});
        state.byRow[RowIndex(*c.row)] = hwnd;
        if (c.row->kind == Kind::Text) SubclassField(hwnd, *c.row);
        if (c.row->kind == Kind::Combo) {
            COMBOBOXINFO info{};
            info.cbSize = sizeof(info);
            if (GetComboBoxInfo(hwnd, &info)) SubclassField(info.hwndItem, *c.row);
        }
    }
    return true;
}

void SizeWindow(HWND window, int dpi) {
    const Rect client = ClientRect(dpi);
    RECT r{0, 0, client.width, client.height};
    AdjustWindowRectExForDpi(&r, static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)), FALSE,
                             static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE)), static_cast<UINT>(dpi));
    SetWindowPos(window, nullptr, 0, 0, r.right - r.left, r.bottom - r.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT OnCreate(HWND hwnd) {
    const int dpi = static_cast<int>(GetDpiForWindow(hwnd));
    if (!CreateControls(hwnd)) return -1;
    LayOut(dpi);
    SizeWindow(hwnd, dpi);
    SetIcons(hwnd, dpi);
    Show(hwnd, State().model.Start());
    return 0;
}

void OnDpiChanged(HWND hwnd, int dpi, const RECT& suggested) {
    LayOut(dpi);
    SetIcons(hwnd, dpi);
    SetWindowPos(hwnd, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(hwnd, nullptr, TRUE);
}

LRESULT OnCtlColor(HDC dc, HWND control) {
    const ControlRow* row = RowOf(control);
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
        const ControlRow* focused = RowOf(GetFocus());
        if (focused && focused->kind == Kind::Command) Press(hwnd, *focused);
        return;
    }
    const ControlRow* row = RowOf(control);
    if (!row) return;
    switch (row->kind) {
        case Kind::Command:
            if (code == BN_CLICKED) Press(hwnd, *row);
            break;
        case Kind::Option:
            if (code == BN_CLICKED) {
                state.model.Select(row->name);
                SelectOption(row->name);
            }
            break;
        case Kind::Text:
            if (code == EN_CHANGE && !state.writing) state.changed[RowIndex(*row)] = true;
            break;
        case Kind::Combo:
            if ((code == CBN_EDITCHANGE || code == CBN_SELCHANGE) && !state.writing)
                state.changed[RowIndex(*row)] = true;
            break;
        default: break;
    }
}

// Sent by IsDialogMessage for the arrow keys: the next control of the group,
// or (lParam 0) the next or previous tab stop. The arrows go round the
// option group, as everywhere in Windows; the selection moves with the focus.
void OnNextControl(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    HWND target = lParam ? reinterpret_cast<HWND>(wParam) : GetNextDlgTabItem(hwnd, GetFocus(), wParam != 0);
    if (!target) return;
    SetFocus(target);
    const ControlRow* row = RowOf(target);
    if (row && row->kind == Kind::Option && State().model.Select(row->name)) SelectOption(row->name);
}

void OnActivate(HWND hwnd, bool active) {
    WindowState& state = State();
    if (!active) {
        if (HWND focus = GetFocus(); focus && IsChild(hwnd, focus)) state.focus = focus;
    } else if (state.focus) {
        SetFocus(state.focus);
    }
}

void OnDestroy() {
    for (HFONT& font : State().fonts)
        if (font) DeleteObject(std::exchange(font, nullptr));
    PostQuitMessage(0);
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
        case WM_DESTROY: OnDestroy(); return 0;
        default: return DefWindowProcW(hwnd, message, wParam, lParam);
    }
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

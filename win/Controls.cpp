#include "win/Controls.h"

#include <utility>
#include <vector>

#include "form/texts.h"
#include "win/Layout.h"
#include "win/Utf.h"

namespace win {

namespace {

using form::ControlRow;
using form::Kind;

constexpr int kFirstId = 100;  // control ids: kFirstId + row index in WindowControls()
// The drop-down list of the diameters opens below the field this far.
constexpr int kListTwips = 2040;

// A control's place at `dpi`; the list's reaches down over its drop-down part.
Rect PlaceOf(const ControlRow& row, int dpi) {
    Rect r = ControlRect(row, dpi);
    if (row.kind == Kind::Combo) r.height += TwipsToPixels(kListTwips, dpi);
    return r;
}

// The system's window class of a control and the styles of its kind.
struct SystemClass {
    const wchar_t* name;
    DWORD style;
    DWORD exStyle = 0;
};

SystemClass ClassOf(const ControlRow& row) {
    switch (row.kind) {
        case Kind::Frame: return {L"BUTTON", BS_GROUPBOX};
        case Kind::Command: return {L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP};
        case Kind::Option: return {L"BUTTON", BS_AUTORADIOBUTTON};
        case Kind::Text: return {L"EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
        case Kind::Combo: return {L"COMBOBOX", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP};
        case Kind::Picture: return {kPictureClass, WS_TABSTOP};
        case Kind::Label: break;
    }
    const DWORD align = row.align == form::Align::Centre  ? SS_CENTER
                        : row.align == form::Align::Right ? SS_RIGHT
                                                          : SS_LEFT;
    return {L"STATIC", SS_NOPREFIX | align};
}

HWND CreateControl(HWND parent, const ControlRow& row, bool startsGroup, const Rect& place) {
    const std::wstring caption = Utf16(row.caption ? row.caption : "");
    const SystemClass cls = ClassOf(row);
    const DWORD style = cls.style | WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | (startsGroup ? WS_GROUP : 0);
    HWND hwnd =
        CreateWindowExW(cls.exStyle, cls.name, caption.c_str(), style, place.left, place.top, place.width, place.height,
                        parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstId + form::RowIndex(row))),
                        reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), nullptr);
    if (!hwnd) return nullptr;
    if (row.kind == Kind::Text) SendMessageW(hwnd, EM_SETLIMITTEXT, 0, 0);  // 0: as long as Windows allows
    if (row.kind == Kind::Combo) {
        // Plain items; what is typed stays as typed: no completion, nothing added.
        for (const std::string& entry : form::DiameterEntries())
            SendMessageW(hwnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Utf16(entry).c_str()));
        SendMessageW(hwnd, CB_LIMITTEXT, 0, 0);
    }
    return hwnd;
}

HWND EditBoxOf(HWND combo) {
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    return GetComboBoxInfo(combo, &info) ? info.hwndItem : nullptr;
}

}  // namespace

Controls::~Controls() {
    for (HFONT& font : fonts_)
        if (font) DeleteObject(std::exchange(font, nullptr));
}

// Each control made in its place with its font: nothing to move or redraw
// afterwards, which the system would do once more for each of the 41.
bool Controls::Create(HWND window, int dpi) {
    MakeFonts(dpi);
    byRow_.assign(form::WindowControls().size(), nullptr);
    for (const Creation& c : CreationOrder()) {
        HWND hwnd = CreateControl(window, *c.row, c.startsGroup, PlaceOf(*c.row, dpi));
        if (!hwnd) return false;
        if (c.row->type != form::Type::None) SendMessageW(hwnd, WM_SETFONT, FontOf(*c.row), FALSE);
        made_.push_back({c.row, hwnd});
        byRow_[form::RowIndex(*c.row)] = hwnd;
    }
    return true;
}

// By its id: no search.
const ControlRow* Controls::OwnRow(HWND hwnd) const {
    const ControlRow* row = hwnd ? form::RowAt(GetDlgCtrlID(hwnd) - kFirstId) : nullptr;
    return row && Handle(*row) == hwnd ? row : nullptr;
}

const ControlRow* Controls::RowOf(HWND hwnd) const {
    if (const ControlRow* row = OwnRow(hwnd)) return row;
    const ControlRow* list = hwnd ? OwnRow(GetParent(hwnd)) : nullptr;
    return list && list->kind == Kind::Combo ? list : nullptr;
}

std::vector<std::pair<HWND, const ControlRow*>> Controls::TextHolders() const {
    std::vector<std::pair<HWND, const ControlRow*>> holders;
    for (const Made& c : made_) {
        if (c.row->kind == Kind::Text) holders.emplace_back(c.hwnd, c.row);
        if (c.row->kind == Kind::Combo)
            if (HWND edit = EditBoxOf(c.hwnd)) holders.emplace_back(edit, c.row);
    }
    return holders;
}

void Controls::MakeFonts(int dpi) {
    const std::wstring face = Utf16(form::kClassicFace);
    for (form::Type type : {form::Type::Regular, form::Type::Bold, form::Type::LargeBold}) {
        HFONT& font = fonts_[static_cast<std::size_t>(type)];
        if (font) DeleteObject(font);
        font = CreateFontW(FontHeight(type, dpi), 0, 0, 0, form::IsBold(type) ? FW_BOLD : FW_NORMAL, FALSE, FALSE,
                           FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                           DEFAULT_PITCH | FF_SWISS, face.c_str());
    }
}

WPARAM Controls::FontOf(const ControlRow& row) const {
    return reinterpret_cast<WPARAM>(fonts_[static_cast<std::size_t>(row.type)]);
}

void Controls::LayOut(int dpi) {
    MakeFonts(dpi);
    for (const Made& c : made_) {
        const Rect r = PlaceOf(*c.row, dpi);
        SetWindowPos(c.hwnd, nullptr, r.left, r.top, r.width, r.height, SWP_NOZORDER | SWP_NOACTIVATE);
        if (c.row->type != form::Type::None) SendMessageW(c.hwnd, WM_SETFONT, FontOf(*c.row), TRUE);
    }
}

void Controls::Write(const ControlRow& row, std::string_view text) const {
    SetWindowTextW(Handle(row), Utf16(text).c_str());
    if (row.kind == Kind::Text) SendMessageW(Handle(row), EM_SETSEL, 0, 0);
}

void Controls::SelectText(const ControlRow& row) const {
    if (row.kind == Kind::Text) SendMessageW(Handle(row), EM_SETSEL, 0, -1);
    if (row.kind == Kind::Combo) SendMessageW(Handle(row), CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
}

void Controls::SelectOption(const ControlRow& selected) const {
    for (const Made& c : made_) {
        if (c.row->kind != Kind::Option) continue;
        const bool checked = c.row == &selected;
        SendMessageW(c.hwnd, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
        const LONG_PTR style = GetWindowLongPtrW(c.hwnd, GWL_STYLE);
        SetWindowLongPtrW(c.hwnd, GWL_STYLE, checked ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP));
    }
}

std::string Controls::Text(const ControlRow& control) const {
    return form::HoldsText(control.kind) ? Utf8(WindowText(Handle(control))) : std::string();
}

}  // namespace win

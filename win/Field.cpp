#include "win/Field.h"

#include <algorithm>
#include <string>

#include "win/Utf.h"

namespace win {

namespace {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows' text is UTF-16");

struct Subclass {
    WNDPROC original;
    const form::ControlRow* field;
    PasteAnswer answer;
    ShowAnswer show;
};

// The text on the clipboard, read in place (a paste of many megabytes is
// neither copied nor converted): empty when it holds no text or another
// program keeps it open.
class ClipboardText {
public:
    explicit ClipboardText(HWND owner) {
        if (!IsClipboardFormatAvailable(CF_UNICODETEXT) || !OpenClipboard(owner)) return;
        open_ = true;
        data_ = GetClipboardData(CF_UNICODETEXT);
        if (const auto* text = data_ ? static_cast<const char16_t*>(GlobalLock(data_)) : nullptr) {
            text_ = std::u16string_view(text, GlobalSize(data_) / sizeof(char16_t));
            text_ = text_.substr(0, text_.find(u'\0'));
        } else {
            data_ = nullptr;
        }
    }
    ~ClipboardText() {
        if (data_) GlobalUnlock(data_);
        if (open_) CloseClipboard();
    }
    ClipboardText(const ClipboardText&) = delete;
    ClipboardText& operator=(const ClipboardText&) = delete;

    std::u16string_view Text() const { return text_; }

private:
    bool open_ = false;
    HANDLE data_ = nullptr;
    std::u16string_view text_;
};

// The selected text of an edit control.
std::u16string SelectedText(HWND edit) {
    const std::wstring text = WindowText(edit);
    DWORD start = 0, end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    start = std::min<DWORD>(start, static_cast<DWORD>(text.size()));
    end = std::clamp<DWORD>(end, start, static_cast<DWORD>(text.size()));
    return {reinterpret_cast<const char16_t*>(text.data()) + start, end - start};
}

// True: the window refused the paste and has said so.
bool Refused(HWND edit, const Subclass& subclass) {
    const std::u16string replaced = SelectedText(edit);
    form::Answer answer;
    {
        const ClipboardText clipboard(edit);
        answer = subclass.answer(*subclass.field, replaced, clipboard.Text());
    }
    if (!answer.box) return false;
    subclass.show(GetAncestor(edit, GA_ROOT), answer);
    return true;
}

LRESULT CALLBACK FieldProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* subclass = reinterpret_cast<Subclass*>(GetWindowLongPtrW(edit, GWLP_USERDATA));
    if (!subclass) return DefWindowProcW(edit, message, wParam, lParam);
    switch (message) {
        case WM_PASTE:
            if (Refused(edit, *subclass)) return 0;
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
    return CallWindowProcW(subclass->original, edit, message, wParam, lParam);
}

}  // namespace

void SubclassField(HWND edit, const form::ControlRow& field, PasteAnswer answer, ShowAnswer show) {
    auto* subclass = new Subclass{nullptr, &field, answer, show};
    SetWindowLongPtrW(edit, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(subclass));
    subclass->original =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FieldProc)));
}

}  // namespace win

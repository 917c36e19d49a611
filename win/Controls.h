#pragma once
// The window's 41 controls as the system's own: made from the rows of
// form::WindowControls(), found by row or handle, placed and given their
// fonts for a screen density. They are also what the model reads the field
// texts from (form::FieldTexts): their texts as they are now, never a copy.

#include <windows.h>

#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "form/controls.h"
#include "form/window.h"
#include "win/Picture.h"

namespace win {

class Controls final : public form::FieldTexts {
public:
    Controls() = default;
    ~Controls();
    Controls(const Controls&) = delete;
    Controls& operator=(const Controls&) = delete;

    // Makes the controls in the window, in win::CreationOrder(), placed and
    // with their fonts for the density `dpi` (kPictureClass registered);
    // false if Windows refuses one.
    bool Create(HWND window, int dpi);

    // A control by its row.
    HWND Handle(const form::ControlRow& row) const { return byRow_[form::RowIndex(row)]; }
    // The row of a control, or of the list whose edit box `hwnd` is; nullptr
    // for any other window.
    const form::ControlRow* RowOf(HWND hwnd) const;
    // The edit controls that hold a field's text: each field, and the
    // diameter list's edit box.
    std::vector<std::pair<HWND, const form::ControlRow*>> TextHolders() const;

    // Places every control again and sets its font for a new density `dpi`.
    void LayOut(int dpi);

    // Replaces a control's whole text, shown from its first character.
    void Write(const form::ControlRow& row, std::string_view text) const;
    // Selects the whole text of a field or of the list's edit box.
    void SelectText(const form::ControlRow& row) const;
    // Checks the option button `selected` and unchecks the others; only the
    // checked one is a tab stop, so that Tab enters the group on it.
    void SelectOption(const form::ControlRow& selected) const;

    // form::FieldTexts: the text a field or the list holds now, in UTF-8.
    std::string Text(const form::ControlRow& control) const override;

private:
    const form::ControlRow* OwnRow(HWND hwnd) const;
    void MakeFonts(int dpi);
    WPARAM FontOf(const form::ControlRow& row) const;

    struct Made {
        const form::ControlRow* row;
        HWND hwnd;
    };
    std::vector<Made> made_;        // in creation order
    std::vector<HWND> byRow_;       // by row index in form::WindowControls()
    std::array<HFONT, 4> fonts_{};  // by form::Type
};

}  // namespace win

#pragma once
// Where the Windows program puts each control of form::WindowControls(), at
// a given screen density, and in which order it creates them. No Windows
// headers: plain arithmetic on the window's rows.

#include <vector>

#include "form/controls.h"

namespace win {

struct Rect {
    int left, top, width, height;
    bool operator==(const Rect&) const = default;
};

// Twips (1/1440 inch) to pixels at `dpi`, rounded to the nearest pixel.
int TwipsToPixels(int twips, int dpi);

// A control's rectangle in the window's client area, in pixels at `dpi`:
// the places of its containers added to its own.
Rect ControlRect(const form::ControlRow& row, int dpi);

// The client area of the window, in pixels at `dpi`.
Rect ClientRect(int dpi);

// The character height (in pixels, the negative LOGFONT height) of a type
// size at `dpi`.
int FontHeight(form::Type type, int dpi);

// A control as the window creates it: its row, and whether it starts a new
// group for the arrow keys (IsDialogMessage moves within a group).
struct Creation {
    const form::ControlRow* row;
    bool startsGroup;
};

// The 41 rows in the order the window creates them, which is also the order
// of the keyboard and of drawing (the first created lies on top): the
// controls that take the focus in form::FocusOrder(), each field's label just
// before it (Windows names a field after the label before it); then the other
// labels; then the frames, an inner frame above the one around it. The option
// buttons, which stand together in the focus order, are one group, created
// down their column, so that the arrow keys go up and down it as they look.
std::vector<Creation> CreationOrder();

}  // namespace win

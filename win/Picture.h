#pragma once
// The window's pictures, in whole pixels at any density: the arrow that
// "Picture1" shows (a window class of its own, drawing the decoded design of
// form/pictures.h) and the window's icon (the program's resource, written at
// build time from the same kind of design).

#include <windows.h>

namespace win {

// The class of the arrow picture's window.
inline constexpr wchar_t kPictureClass[] = L"RuroviroraPicture";

// Registers the arrow picture's window class; false if Windows refuses.
bool RegisterPictureClass(HINSTANCE instance);

// The program's icon at its default size (for the window class).
HICON ProgramIcon(HINSTANCE instance);

// Gives the window its large and small icons at the sizes of `dpi`.
void SetIcons(HWND window, int dpi);

}  // namespace win

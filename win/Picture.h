#pragma once
// The arrow picture: a window class of its own that draws the decoded design
// of form/pictures.h in whole pixels at any density, and takes the focus
// without showing a mark.

#include <windows.h>

namespace win {

// Registered by the window with its own class.
inline constexpr wchar_t kPictureClass[] = L"RuroviroraPicture";
LRESULT CALLBACK PictureProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace win

#pragma once
// The program keeps its texts in UTF-8; Windows takes and gives UTF-16.

#include <windows.h>

#include <string>
#include <string_view>

namespace win {

std::wstring Utf16(std::string_view utf8);
std::string Utf8(std::wstring_view utf16);

// A window's text, whole, in UTF-16.
std::wstring WindowText(HWND hwnd);

}  // namespace win

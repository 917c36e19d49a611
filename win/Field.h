#pragma once
// A field of the window (an edit control, or the diameter list's edit box)
// with the window's say over pastes: however a paste arrives (Ctrl+V,
// Shift+Insert, the context menu's "Pegar", a WM_PASTE sent by another
// program), the window is asked first, with the text the field would lose
// (its selection) and the clipboard's text, whole; a refused paste leaves
// the field exactly as it was.

#include <windows.h>

#include <string_view>

#include "form/controls.h"
#include "form/window.h"

namespace win {

// The window's answer to a paste into `field`: an answer with a box refuses
// it, any other lets it go ahead.
using PasteAnswer = form::Answer (*)(const form::ControlRow& field, std::u16string_view replaced,
                                     std::u16string_view inserted);
// Shows a refusal, once the clipboard is closed again.
using ShowAnswer = void (*)(HWND window, const form::Answer& answer);

// Subclasses the edit control `edit` that holds the text of `field`.
void SubclassField(HWND edit, const form::ControlRow& field, PasteAnswer answer, ShowAnswer show);

}  // namespace win

#pragma once

namespace ui {

// How the window is told to screen readers beyond what each control says by
// itself: every flat frame is a grouping named by its caption, and a control
// drawn inside a frame is announced as a member of that frame, even where it
// belongs to the frame around both (the option buttons stand over "Sistema de
// Plantación" but belong to "Datos de entrada"). Nothing moves, looks or
// takes the focus differently. Installed once, by the first window.
void InstallAccessibility();

}  // namespace ui

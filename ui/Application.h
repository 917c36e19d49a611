#pragma once

class QApplication;

namespace ui {

// Starts reading the system's font configuration on a second thread, where
// it overlaps the connection to the display; SetUpApplication waits for it
// before choosing the first font. Call it before the application object.
void StartReadingFonts();

// What the program sets up before its window: the Fusion style (the same
// look on every desktop), Qt's own Spanish texts for standard buttons and
// menus, the face that stands in for "MS Sans Serif", and the version.
void SetUpApplication(QApplication& app);

}  // namespace ui

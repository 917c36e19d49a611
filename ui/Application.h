#pragma once

#include <QFont>

#include "Layout.h"

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

// "MS Sans Serif" where it is installed; otherwise Liberation Sans, whose
// metrics are close, and failing that the platform's sans-serif face.
QString ClassicFamily();

// The window's font at one of its three type sizes.
QFont ClassicFont(Type type);

}  // namespace ui

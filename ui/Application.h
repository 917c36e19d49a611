#pragma once

class QApplication;

namespace ui {

// What the program sets up before its window: the Fusion style (the same
// look on every desktop), Qt's own Spanish texts for standard buttons and
// menus, the face that stands in for "MS Sans Serif", and the version.
void SetUpApplication(QApplication& app);

}  // namespace ui

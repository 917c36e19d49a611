#pragma once

#include <QFont>

#include "Layout.h"

namespace ui {

// "MS Sans Serif" where it is installed; otherwise Liberation Sans, whose
// metrics are close, and failing that the platform's sans-serif face.
QString ClassicFamily();

// The window's font at one of its three type sizes.
QFont ClassicFont(Type type);

}  // namespace ui

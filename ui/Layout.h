#pragma once
// The window's controls as the shared description declares them, with the
// conversions the Qt window needs.

#include <QRect>
#include <Qt>

#include "form/controls.h"

namespace ui {

using form::ControlRow;
using form::kClientHeightTwips;
using form::kClientWidthTwips;
using form::Kind;
using form::kTwipsPerPixel;
using form::Type;
using form::WindowControls;

inline QRect TwipsToPixels(int left, int top, int width, int height) {
    return {left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel, height / kTwipsPerPixel};
}

inline Qt::Alignment ToQt(form::Align align) {
    switch (align) {
        case form::Align::Centre: return Qt::AlignHCenter | Qt::AlignTop;
        case form::Align::Right: return Qt::AlignRight | Qt::AlignTop;
        case form::Align::Left: break;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

}  // namespace ui

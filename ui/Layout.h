#pragma once
// The main window's controls, declared as data: one row a control, places
// and sizes in twips as the window was first drawn (15 twips to a
// device-independent pixel).

#include <QRect>
#include <QRgb>
#include <Qt>
#include <span>

namespace ui {

enum class Kind { Frame, Command, Option, Text, Combo, Label, Picture };

// The three type sizes of the window: 8.25 pt, 8.25 pt bold, 9.75 pt bold.
enum class Type { None, Regular, Bold, LargeBold };

struct ControlRow {
    const char* name;       // objectName, e.g. "Text8"
    Kind kind;
    const char* container;  // name of the frame it stands in; nullptr: the window
    int left, top, width, height;  // twips, from the container's top-left
    const char* caption;    // caption or first text (UTF-8)
    Type type;
    QRgb textColour;        // 0: the system colour
    Qt::Alignment align;    // labels only
    int tabIndex;
    const char* labels;     // labels only: the field this label names
};

inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kClientWidthTwips = 11025;
inline constexpr int kClientHeightTwips = 6840;

inline QRect TwipsToPixels(int left, int top, int width, int height) {
    return {left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel, height / kTwipsPerPixel};
}

// All 41 controls, every container before what it holds.
std::span<const ControlRow> WindowControls();

}  // namespace ui

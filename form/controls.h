#pragma once
// The main window "Form1", declared as data for every front end: one row a
// control, places and sizes in twips as the window was first drawn (1/1440
// inch; 15 twips to a pixel at 96 pixels per inch). No toolkit: each front
// end builds its own controls from these rows.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace form {

enum class Kind { Frame, Command, Option, Text, Combo, Label, Picture };

// The three type sizes of the window: 8.25 pt, 8.25 pt bold, 9.75 pt bold.
enum class Type { None, Regular, Bold, LargeBold };

enum class Align { Left, Centre, Right };

// A text colour as 0xAARRGGBB; kSystemColour: the system's own colour.
using Colour = std::uint32_t;
inline constexpr Colour kSystemColour = 0;
inline constexpr Colour kBlue = 0xFF0000FF;
inline constexpr Colour kDarkBlue = 0xFF0000C0;

struct ControlRow {
    const char* name;  // e.g. "Text8"
    Kind kind;
    const char* container;         // name of the frame it stands in; nullptr: the window
    int left, top, width, height;  // twips, from the container's top-left
    const char* caption;           // caption or first text (UTF-8); nullptr for the picture
    Type type;
    Colour textColour;  // kSystemColour or a caption colour
    Align align;        // labels only
    int tabIndex;
    const char* labels;  // labels only: the field this label names
};

inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kClientWidthTwips = 11025;
inline constexpr int kClientHeightTwips = 6840;

// The 8.25 and 9.75 point sizes of the window's fonts.
inline constexpr double PointSize(Type type) { return type == Type::LargeBold ? 9.75 : 8.25; }
inline constexpr bool IsBold(Type type) { return type == Type::Bold || type == Type::LargeBold; }

// The face the window was drawn with; front ends map it to the nearest one.
inline constexpr std::string_view kClassicFace = "MS Sans Serif";

// All 41 controls, every container before what it holds, siblings in the
// order of creation (a later sibling is drawn above an earlier one).
std::span<const ControlRow> WindowControls();

// The row of the control called `name`; nullptr if there is none.
const ControlRow* FindControl(std::string_view name);
// A row's place in WindowControls(), and the row at a place (nullptr outside
// the table): how a front end keeps its controls and names them to the model.
std::size_t RowIndex(const ControlRow& row);
const ControlRow* RowAt(int index);

// The entries of the diameter list "Combo1", in inches.
inline constexpr int kFirstDiameter = 3;
inline constexpr int kLastDiameter = 19;

// The input fields of a calculation and the six result fields, by number
// (Text1 is the hectares, Text8 the distance, Text9 and Text10 the length and
// width; Text2 to Text7 show the results in calc::ResultIndex order).
inline constexpr int kHectaresField = 1;
inline constexpr int kDistanceField = 8;
inline constexpr int kLengthField = 9;
inline constexpr int kWidthField = 10;
inline constexpr int kFirstResultField = 2;
inline constexpr int kFieldCount = 10;

// ---- what follows from the table

// The row of "Text8" for 8; nullptr for a number that names no field.
const ControlRow* FieldRow(int number);

// A control's place in the window's client area, in twips: the sum of the
// places along its chain of containers.
struct TwipsRect {
    int left, top, width, height;
    bool Holds(const TwipsRect& other) const {
        return other.left >= left && other.top >= top && other.left + other.width <= left + width &&
               other.top + other.height <= top + height;
    }
};
TwipsRect InWindow(const ControlRow& row);

// The frame drawn round a control: the smallest frame whose area holds the
// control's, whatever container the control was created in (the option
// buttons belong to "Datos de entrada" but stand in "Sistema de Plantación",
// and are seen and announced there). nullptr: none, the control stands on
// the window.
const ControlRow* FrameDrawnRound(const ControlRow& row);

// Frames and labels take no focus; every other control does.
inline bool TakesFocus(Kind kind) { return kind != Kind::Frame && kind != Kind::Label; }
// Text fields and the list's text hold a text the user types.
inline bool HoldsText(Kind kind) { return kind == Kind::Text || kind == Kind::Combo; }

// The controls that take the focus, by tab index; the option buttons among
// them stand together (they are one group, one stop in the tab chain).
std::vector<const ControlRow*> FocusOrder();

// The texts of the diameter list, in their order: "3" to "19".
std::vector<std::string> DiameterEntries();

}  // namespace form

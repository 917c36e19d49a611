#include "controls.h"

#include <algorithm>
#include <array>
#include <limits>

namespace form {

namespace {

constexpr Colour kSystem = kSystemColour;
constexpr Align kLeft = Align::Left;
constexpr Align kCentre = Align::Centre;
constexpr Align kRight = Align::Right;

constexpr std::string_view kFieldPrefix = "Text";

using K = Kind;
using T = Type;

// Rows follow the order of creation: a later sibling is drawn above an
// earlier one, which puts the option buttons over "Sistema de Plantación".
// clang-format off: one row a control, in columns
constexpr std::array<ControlRow, 41> kControls{{
    // name       kind        container  left  top   width height caption                         type          colour
    // align    tab labels
    {"Frame1", K::Frame, nullptr, 480, 480, 4695, 4695, "Datos de entrada", T::LargeBold, kBlue, kLeft, 0, nullptr},
    {"Frame4", K::Frame, nullptr, 6000, 480, 4455, 4335, "Resultados", T::LargeBold, kBlue, kLeft, 11, nullptr},
    {"Command2", K::Command, nullptr, 3240, 5280, 1575, 495, "Calcular", T::LargeBold, kSystem, kLeft, 28, nullptr},
    {"Command5", K::Command, nullptr, 480, 6000, 1095, 375, "Ayuda", T::Regular, kSystem, kLeft, 31, nullptr},
    {"Command4", K::Command, nullptr, 1560, 6000, 1095, 375, "Acerca de ...", T::Regular, kSystem, kLeft, 30, nullptr},
    {"Command3", K::Command, nullptr, 2640, 6000, 1095, 375, "Reset", T::Regular, kSystem, kLeft, 29, nullptr},
    {"Command1", K::Command, nullptr, 3720, 6000, 1095, 375, "Salir", T::Regular, kSystem, kLeft, 4, nullptr},
    {"Command6", K::Command, nullptr, 7200, 5040, 1455, 375, "Variedades", T::Regular, kSystem, kLeft, 37, nullptr},
    {"Label16", K::Label, nullptr, 6000, 5760, 3975, 255, "Programa por:  Aurelia Quelvas Ordaz", T::Bold, kSystem,
     kCentre, 40, nullptr},
    {"Label14", K::Label, nullptr, 6960, 6000, 2775, 255, "  y Tadeo Birnal Escárcega", T::Bold, kSystem, kRight, 38,
     nullptr},
    {"Label15", K::Label, nullptr, 8400, 6360, 1455, 255, "Versión 3.1", T::Bold, kDarkBlue, kCentre, 39, nullptr},

    {"Frame2", K::Frame, "Frame1", 240, 360, 3975, 2175, "Sistema de Plantación", T::Bold, kBlue, kLeft, 5, nullptr},
    {"Frame3", K::Frame, "Frame1", 240, 2880, 3975, 1455, "Otros datos", T::Bold, kBlue, kLeft, 6, nullptr},
    {"Option1", K::Option, "Frame1", 360, 840, 1215, 255, "Marco Real", T::Regular, kSystem, kLeft, 1, nullptr},
    {"Option3", K::Option, "Frame1", 360, 1200, 1215, 255, "Tresbolillo", T::Regular, kSystem, kLeft, 3, nullptr},
    {"Option2", K::Option, "Frame1", 360, 2040, 1215, 255, "Rectangular ", T::Regular, kSystem, kLeft, 2, nullptr},

    {"Label11", K::Label, "Frame2", 2400, 360, 1095, 255, "Distancia (m)", T::Regular, kSystem, kLeft, 26, "Text8"},
    {"Text8", K::Text, "Frame2", 2400, 720, 1095, 285, "0", T::Regular, kSystem, kLeft, 27, nullptr},
    {"Picture1", K::Picture, "Frame2", 1560, 600, 615, 495, nullptr, T::None, kSystem, kLeft, 36, nullptr},
    {"Label13", K::Label, "Frame2", 1560, 1440, 855, 255, "Largo (m)", T::Bold, kBlue, kLeft, 35, "Text9"},
    {"Text9", K::Text, "Frame2", 1560, 1680, 855, 285, "0", T::Regular, kSystem, kLeft, 32, nullptr},
    {"Label12", K::Label, "Frame2", 2880, 1440, 975, 255, "Ancho (m)", T::Bold, kBlue, kCentre, 34, "Text10"},
    {"Text10", K::Text, "Frame2", 2880, 1680, 855, 285, "0", T::Regular, kSystem, kLeft, 33, nullptr},

    {"Label1", K::Label, "Frame3", 120, 360, 1935, 255, "Diámetro de tronco (pulg)", T::Regular, kSystem, kLeft, 8,
     "Combo1"},
    {"Combo1", K::Combo, "Frame3", 2400, 360, 735, 315, "3", T::Regular, kSystem, kLeft, 7, nullptr},
    {"Label2", K::Label, "Frame3", 120, 840, 2175, 255, "Número de Hectáreas (Has)", T::Regular, kSystem, kLeft, 9,
     "Text1"},
    {"Text1", K::Text, "Frame3", 2400, 840, 735, 285, "0", T::Regular, kSystem, kLeft, 10, nullptr},

    {"Label3", K::Label, "Frame4", 240, 720, 1695, 255, "No de árboles / Ha", T::Bold, kSystem, kLeft, 12, "Text2"},
    {"Text2", K::Text, "Frame4", 2760, 720, 975, 285, "0", T::Regular, kSystem, kLeft, 13, nullptr},
    {"Label4", K::Label, "Frame4", 240, 1320, 2055, 255, "No. de Árboles Totales", T::Bold, kSystem, kLeft, 14,
     "Text3"},
    {"Text3", K::Text, "Frame4", 2760, 1320, 975, 285, "0", T::Regular, kSystem, kLeft, 15, nullptr},
    {"Label5", K::Label, "Frame4", 240, 1920, 2295, 255, "Nitrógeno a aplicar / árbol", T::Bold, kSystem, kLeft, 16,
     "Text4"},
    {"Text4", K::Text, "Frame4", 2760, 1920, 975, 285, "0", T::Regular, kSystem, kLeft, 17, nullptr},
    {"Label6", K::Label, "Frame4", 3840, 1920, 375, 255, "Kg", T::Bold, kSystem, kLeft, 18, nullptr},
    {"Label7", K::Label, "Frame4", 240, 2520, 2295, 255, "Nitrógeno total a aplicar", T::Bold, kSystem, kLeft, 19,
     "Text5"},
    {"Text5", K::Text, "Frame4", 2760, 2520, 975, 285, "0", T::Regular, kSystem, kLeft, 20, nullptr},
    // The unit of the total nitrogen stands in its twin's column: at Left
    // 3480 the field in front of it would hide it.
    {"Label8", K::Label, "Frame4", 3840, 2520, 495, 255, "Kg", T::Regular, kSystem, kLeft, 21, nullptr},
    {"Label9", K::Label, "Frame4", 240, 3120, 2415, 255, "Kg de Sulfato de Amonio", T::Bold, kSystem, kLeft, 22,
     "Text6"},
    {"Text6", K::Text, "Frame4", 2760, 3120, 975, 285, "0", T::Regular, kSystem, kLeft, 23, nullptr},
    {"Label10", K::Label, "Frame4", 240, 3720, 2415, 255, "No. de Bultos a comprar", T::Bold, kSystem, kLeft, 24,
     "Text7"},
    {"Text7", K::Text, "Frame4", 2760, 3720, 975, 285, "0", T::Regular, kSystem, kLeft, 25, nullptr},
}};
// clang-format on

}  // namespace

std::span<const ControlRow> WindowControls() { return kControls; }

const ControlRow* FindControl(std::string_view name) {
    for (const ControlRow& row : kControls)
        if (name == row.name) return &row;
    return nullptr;
}

std::size_t RowIndex(const ControlRow& row) { return static_cast<std::size_t>(&row - kControls.data()); }

const ControlRow* RowAt(int index) {
    return index >= 0 && static_cast<std::size_t>(index) < kControls.size()
               ? &kControls[static_cast<std::size_t>(index)]
               : nullptr;
}

const ControlRow* FieldRow(int number) {
    if (number < 1 || number > kFieldCount) return nullptr;
    return FindControl(std::string(kFieldPrefix) + std::to_string(number));
}

TwipsRect InWindow(const ControlRow& row) {
    TwipsRect rect{row.left, row.top, row.width, row.height};
    for (const ControlRow* c = FindControl(row.container ? row.container : ""); c;
         c = c->container ? FindControl(c->container) : nullptr) {
        rect.left += c->left;
        rect.top += c->top;
    }
    return rect;
}

const ControlRow* FrameDrawnRound(const ControlRow& row) {
    const TwipsRect place = InWindow(row);
    const ControlRow* smallest = nullptr;
    long long smallestArea = std::numeric_limits<long long>::max();
    for (const ControlRow& frame : kControls) {
        if (frame.kind != Kind::Frame || &frame == &row) continue;
        const TwipsRect area = InWindow(frame);
        const long long size = static_cast<long long>(area.width) * area.height;
        if (area.Holds(place) && size < smallestArea) {
            smallest = &frame;
            smallestArea = size;
        }
    }
    return smallest;
}

std::vector<const ControlRow*> FocusOrder() {
    std::vector<const ControlRow*> order;
    for (const ControlRow& row : kControls)
        if (TakesFocus(row.kind)) order.push_back(&row);
    std::stable_sort(order.begin(), order.end(),
                     [](const ControlRow* a, const ControlRow* b) { return a->tabIndex < b->tabIndex; });
    return order;
}

std::vector<std::string> DiameterEntries() {
    std::vector<std::string> entries;
    for (int inches = kFirstDiameter; inches <= kLastDiameter; ++inches) entries.push_back(std::to_string(inches));
    return entries;
}

}  // namespace form

#pragma once
// The nitrogen fertilisation of a nut-tree plantation.
//
// From the plantation's area, planting system and spacing and the trunk
// diameter of its trees, ComputeFertiliser works out trees per hectare, total
// trees, nitrogen per tree and in total, kilograms of ammonium sulphate
// (20.5 % nitrogen) and the 50 kg bags to buy, at a dose of 0.16 kg of
// nitrogen per inch of trunk diameter. Pure: it reads nothing but its
// arguments and keeps nothing between calls.

#include <array>
#include <string>
#include <string_view>

namespace calc {

// The selected planting system.
enum class PlantingSystem {
    Square,       // "Marco Real": trees at the corners of squares; uses distance
    Rectangular,  // "Rectangular ": rectangles; uses length and width
    Triangular,   // "Tresbolillo": equilateral triangles; uses distance
};

// The field texts of one calculation, as typed (UTF-8). Each is read with
// ReadNumber; the spacing texts of the systems not selected are not read.
struct FertiliserInputs {
    PlantingSystem system = PlantingSystem::Square;
    std::string hectares;  // area, in hectares
    std::string distance;  // spacing in metres, square and triangular systems
    std::string length;    // spacing in metres, rectangular system
    std::string width;     // spacing in metres, rectangular system
    std::string diameter;  // trunk diameter, in inches
};

// Why a calculation gave no result.
enum class Refusal {
    None,               // the results are valid
    ZeroDistance,       // the distance reads as 0
    ZeroLengthOrWidth,  // the length or the width reads as 0
    TinyDistance,       // the distance is not 0, but too small: its ground per tree
                        // is 0 or the trees per hectare beyond a double's range
    TinyLengthOrWidth,  // the same for the length and width
    OutOfRange,         // an input or a result lies beyond the range of a double
};

// Index of each result in FertiliserResults::texts, in the order of the
// window's result fields.
enum ResultIndex : std::size_t {
    kDensity,
    kTotalTrees,
    kNitrogenPerTree,
    kTotalNitrogen,
    kSulphate,
    kBags,
    kResultCount
};

// What each display text is rounded to with RoundTo, indexed by ResultIndex:
// the density to 1/1000, bags to whole bags, the others to 1/100.
inline constexpr std::array<double, kResultCount> kRoundingFactors = {1000, 100, 100, 100, 100, 1};

struct FertiliserResults {
    // Refusal::None when the numbers and texts below are valid; otherwise all
    // numbers are 0 and all texts empty, and nothing should be shown.
    Refusal refusal = Refusal::None;

    double density = 0;          // trees per hectare
    double totalTrees = 0;       // trees on the whole area
    double nitrogenPerTree = 0;  // kg of nitrogen per tree
    double totalNitrogen = 0;    // kg of nitrogen for the plantation
    double sulphate = 0;         // kg of ammonium sulphate
    double bags = 0;             // 50 kg bags of sulphate

    // The display texts, indexed by ResultIndex: each value rounded by its
    // kRoundingFactors entry and formatted with FormatNumber. The numbers
    // above stay unrounded.
    std::array<std::string, kResultCount> texts;

    bool ok() const { return refusal == Refusal::None; }
};

// Computes the six results. The field texts are read, and the display texts
// written, with decimalSeparator (the user's locale separator; the full stop
// by default): see ReadNumber. Never yields an
// infinite or NaN result: a zero divisor or a value out of range gives a
// refusal instead.
FertiliserResults ComputeFertiliser(const FertiliserInputs& inputs, std::string_view decimalSeparator = ".");

}  // namespace calc

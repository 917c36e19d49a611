#include "calc/fertiliser.h"

#include <cmath>

#include "calc/numbers.h"

namespace calc {

namespace {

constexpr double kSquareMetresPerHectare = 10000;
constexpr double kNitrogenPerInch = 0.16;          // kg of nitrogen per inch of trunk diameter
constexpr double kSulphateNitrogenPercent = 20.5;  // nitrogen in ammonium sulphate
constexpr double kBagKilograms = 50;
// The angle of an equilateral triangle, in degrees, and the eight-digit pi the
// figures were first worked out with: the full pi would change the results.
constexpr double kTriangleAngleDegrees = 60;
constexpr double kClassicPi = 3.1415927;

// Trees per hectare stand on 10000 m² divided by the ground one tree takes.
// A spacing of 0 cannot be divided by; one so small that its ground is 0 or
// the trees per hectare beyond a double's range cannot either: each has the
// refusal that names the spacing to correct.
struct Ground {
    double divisor = 0;
    bool zeroSpacing = false;
    Refusal whenZero = Refusal::OutOfRange;
    Refusal whenTiny = Refusal::OutOfRange;
    bool finiteInputs = true;
};

Ground GroundPerTree(const FertiliserInputs& in, std::string_view separator) {
    Ground g;
    switch (in.system) {
        case PlantingSystem::Square: {
            const double d = ReadNumber(in.distance, separator);
            g = {std::pow(d, 2), d == 0, Refusal::ZeroDistance, Refusal::TinyDistance, std::isfinite(d)};
            break;
        }
        case PlantingSystem::Rectangular: {
            const double l = ReadNumber(in.length, separator);
            const double w = ReadNumber(in.width, separator);
            g = {l * w, l == 0 || w == 0, Refusal::ZeroLengthOrWidth, Refusal::TinyLengthOrWidth,
                 std::isfinite(l) && std::isfinite(w)};
            break;
        }
        case PlantingSystem::Triangular: {
            const double d = ReadNumber(in.distance, separator);
            const double angle = (kTriangleAngleDegrees * kClassicPi) / 180;
            const double s = std::sin(angle);
            g = {s * std::pow(d, 2), d == 0, Refusal::ZeroDistance, Refusal::TinyDistance, std::isfinite(d)};
            break;
        }
    }
    return g;
}

FertiliserResults Refused(Refusal why) {
    FertiliserResults r;
    r.refusal = why;
    return r;
}

}  // namespace

FertiliserResults ComputeFertiliser(const FertiliserInputs& inputs, std::string_view decimalSeparator) {
    const Ground ground = GroundPerTree(inputs, decimalSeparator);
    if (!ground.finiteInputs) return Refused(Refusal::OutOfRange);
    if (ground.zeroSpacing) return Refused(ground.whenZero);
    if (ground.divisor == 0) return Refused(ground.whenTiny);

    const double hectares = ReadNumber(inputs.hectares, decimalSeparator);
    const double diameter = ReadNumber(inputs.diameter, decimalSeparator);

    FertiliserResults r;
    r.density = kSquareMetresPerHectare / ground.divisor;
    r.totalTrees = r.density * hectares;
    r.nitrogenPerTree = kNitrogenPerInch * diameter;
    r.totalNitrogen = r.nitrogenPerTree * r.totalTrees;
    r.sulphate = (r.totalNitrogen * 100) / kSulphateNitrogenPercent;
    r.bags = r.sulphate / kBagKilograms;

    const std::array<double, kResultCount> values = {r.density,       r.totalTrees, r.nitrogenPerTree,
                                                     r.totalNitrogen, r.sulphate,   r.bags};
    for (std::size_t i = 0; i < kResultCount; ++i) {
        // A value beyond a double's range stays infinite (or NaN) when rounded;
        // so many trees to the hectare come from too small a spacing.
        const double rounded = RoundTo(values[i], kRoundingFactors[i]);
        if (!std::isfinite(rounded)) return Refused(i == kDensity ? ground.whenTiny : Refusal::OutOfRange);
        r.texts[i] = FormatNumber(rounded, decimalSeparator);
    }
    return r;
}

}  // namespace calc

#include "calc/fertiliser.h"

#include <cmath>

#include "calc/numbers.h"

namespace calc {

namespace {

// Trees per hectare stand on 10000 m² divided by the ground one tree takes,
// or the divisor is 0 and the refusal that names the spacing to correct.
struct Ground {
    double divisor = 0;
    Refusal whenZero = Refusal::OutOfRange;
    bool finiteInputs = true;
};

Ground GroundPerTree(const FertiliserInputs& in) {
    Ground g;
    switch (in.system) {
        case PlantingSystem::Square: {
            const double d = ReadNumber(in.distance);
            g = {std::pow(d, 2), Refusal::ZeroDistance, std::isfinite(d)};
            break;
        }
        case PlantingSystem::Rectangular: {
            const double l = ReadNumber(in.length);
            const double w = ReadNumber(in.width);
            g = {l * w, Refusal::ZeroLengthOrWidth, std::isfinite(l) && std::isfinite(w)};
            break;
        }
        case PlantingSystem::Triangular: {
            const double d = ReadNumber(in.distance);
            // 60 degrees in radians, with the eight-digit pi the figures were
            // first worked out with; the full pi would change the results.
            const double angle = (60 * 3.1415927) / 180;
            const double s = std::sin(angle);
            g = {s * std::pow(d, 2), Refusal::ZeroDistance, std::isfinite(d)};
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
    const Ground ground = GroundPerTree(inputs);
    if (!ground.finiteInputs) return Refused(Refusal::OutOfRange);
    if (ground.divisor == 0) return Refused(ground.whenZero);

    const double hectares = ReadNumber(inputs.hectares);
    const double diameter = ReadNumber(inputs.diameter);

    FertiliserResults r;
    r.density = 10000 / ground.divisor;
    r.totalTrees = r.density * hectares;
    r.nitrogenPerTree = 0.16 * diameter;
    r.totalNitrogen = r.nitrogenPerTree * r.totalTrees;
    r.sulphate = (r.totalNitrogen * 100) / 20.5;
    r.bags = r.sulphate / 50;

    const std::array<double, kResultCount> values = {
        r.density, r.totalTrees, r.nitrogenPerTree, r.totalNitrogen, r.sulphate, r.bags};
    for (std::size_t i = 0; i < kResultCount; ++i) {
        // A value beyond a double's range stays infinite (or NaN) when rounded.
        const double rounded = RoundTo(values[i], kRoundingFactors[i]);
        if (!std::isfinite(rounded)) return Refused(Refusal::OutOfRange);
        r.texts[i] = FormatNumber(rounded, decimalSeparator);
    }
    return r;
}

}  // namespace calc

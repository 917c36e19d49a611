// Arbitrary field texts under the point, comma and Arabic separators: the
// calculation either refuses or yields six finite results whose display texts
// read back, under the same separator, to the rounded values.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "calc/fertiliser.h"
#include "calc/numbers.h"

namespace {

// Takes the text up to the next '|' (or the rest) from the input.
std::string_view NextField(std::string_view& rest) {
    const auto bar = rest.find('|');
    const std::string_view field = rest.substr(0, bar);
    rest = bar == std::string_view::npos ? std::string_view() : rest.substr(bar + 1);
    return field;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
    calc::FertiliserInputs in;
    in.system = static_cast<calc::PlantingSystem>(data[0] % 3);
    constexpr std::string_view kSeparators[] = {".", ",", "\xD9\xAB"};
    const std::string_view separator = kSeparators[(data[0] / 3) % 3];
    in.hectares = NextField(rest);
    in.distance = NextField(rest);
    in.length = NextField(rest);
    in.width = NextField(rest);
    in.diameter = NextField(rest);

    const calc::FertiliserResults r = calc::ComputeFertiliser(in, separator);
    if (!r.ok()) {
        for (const auto& text : r.texts)
            if (!text.empty()) std::abort();
        return 0;
    }
    const double values[] = {r.density, r.totalTrees, r.nitrogenPerTree, r.totalNitrogen, r.sulphate, r.bags};
    for (std::size_t i = 0; i < calc::kResultCount; ++i) {
        if (!std::isfinite(values[i])) std::abort();
        const double rounded = calc::RoundTo(values[i], calc::kRoundingFactors[i]);
        const double shown = calc::ReadNumber(r.texts[i], separator);
        // The text carries 15 significant digits of the rounded value: it is
        // off by at most half a step of the 15th digit (and the read-back's
        // own rounding).
        if (rounded != 0) {
            const double step = std::pow(10.0, std::floor(std::log10(std::abs(rounded))) - 14);
            if (!(std::abs(shown - rounded) <= step / 2 + std::abs(rounded) * 0x1p-52)) std::abort();
        } else if (shown != 0) {
            std::abort();
        }
        if (calc::FormatNumber(shown, separator) != r.texts[i]) std::abort();
    }
    return 0;
}

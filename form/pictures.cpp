#include "form/pictures.h"

#include <array>
#include <cstdio>
#include <cstring>
#include <iterator>

namespace form {

namespace {
#include "form/pictures/arrow32.xpm"
#include "form/pictures/calculator.xpm"
}  // namespace

Xpm ArrowPicture() { return {arrow32_xpm, std::size(arrow32_xpm)}; }
Xpm CalculatorPicture() { return {calculator_xpm, std::size(calculator_xpm)}; }

Pixels DecodeXpm(Xpm xpm) {
    int width = 0, height = 0, colours = 0, perPixel = 0;
    if (xpm.empty() || std::sscanf(xpm[0], "%d %d %d %d", &width, &height, &colours, &perPixel) != 4 || perPixel != 1 ||
        width <= 0 || height <= 0 || colours <= 0 || xpm.size() != static_cast<std::size_t>(1 + colours + height))
        return {};

    std::array<std::uint32_t, 256> palette{};
    for (int i = 1; i <= colours; ++i) {
        const char* line = xpm[static_cast<std::size_t>(i)];
        unsigned rgb = 0;
        const auto key = static_cast<unsigned char>(line[0]);
        if (key == 0) return {};
        if (std::strcmp(line + 1, " c None") == 0) {
            palette[key] = 0;
        } else if (std::sscanf(line + 1, " c #%6x", &rgb) == 1) {
            palette[key] = 0xFF000000u | rgb;
        } else {
            return {};
        }
    }

    Pixels out{width, height, {}};
    out.argb.reserve(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y) {
        const char* row = xpm[static_cast<std::size_t>(1 + colours + y)];
        if (std::strlen(row) != static_cast<std::size_t>(width)) return {};
        for (int x = 0; x < width; ++x) out.argb.push_back(palette[static_cast<unsigned char>(row[x])]);
    }
    return out;
}

}  // namespace form

#pragma once
// The window's two pictures as plain data, for every front end: the 32 x 32
// arrow that "Picture1" shows and the 32 x 32 calculator of the window's
// icon, both drawn in the 16-colour palette, as XPM text compiled in.

#include <cstdint>
#include <span>
#include <vector>

namespace form {

using Xpm = std::span<const char* const>;

Xpm ArrowPicture();
Xpm CalculatorPicture();

// A decoded picture: width x height pixels, row by row, each 0xAARRGGBB;
// transparent pixels are 0.
struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> argb;
};

// Decodes the XPM subset the pictures use: one character a pixel, colours
// "#RRGGBB" or "None". Anything else gives an empty picture.
Pixels DecodeXpm(Xpm xpm);

}  // namespace form

// Any text must read to some number without a crash, a sanitizer report or a
// hang, and a number's display text must read back to the number it shows.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "calc/numbers.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double value = calc::ReadNumber(text);
    if (std::isnan(value)) std::abort();
    if (std::isfinite(value) && std::abs(value) < 1e308) {
        const std::string shown = calc::FormatNumber(value);
        if (calc::FormatNumber(calc::ReadNumber(shown)) != shown) std::abort();
    }
    return 0;
}

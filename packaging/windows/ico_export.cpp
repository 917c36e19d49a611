// Build-time helper, built for the build machine: writes the window's icon
// picture as a Windows .ico for the resource compiler, in its own size and
// repeated to twice and four times (whole pixels, for high-density screens).
//   ico_export OUTPUT.ico
#include <cstdint>
#include <cstdio>
#include <vector>

#include "form/pictures.h"

namespace {

void Put16(std::vector<unsigned char>& out, unsigned v) {
    out.push_back(static_cast<unsigned char>(v & 0xFF));
    out.push_back(static_cast<unsigned char>((v >> 8) & 0xFF));
}
void Put32(std::vector<unsigned char>& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

// One icon image: a BITMAPINFOHEADER, the 32-bit pixels bottom row first,
// then the 1-bit transparency mask.
std::vector<unsigned char> IconImage(const form::Pixels& design, int factor) {
    const int size = design.width * factor;
    std::vector<unsigned char> out;
    Put32(out, 40);
    Put32(out, static_cast<std::uint32_t>(size));
    Put32(out, static_cast<std::uint32_t>(2 * size));  // pixels and mask
    Put16(out, 1);
    Put16(out, 32);
    for (int i = 0; i < 6; ++i) Put32(out, 0);
    auto at = [&](int x, int y) {
        return design.argb[static_cast<std::size_t>((y / factor) * design.width + x / factor)];
    };
    for (int y = size - 1; y >= 0; --y)
        for (int x = 0; x < size; ++x) Put32(out, at(x, y));  // BGRA in memory
    const int maskRow = ((size + 31) / 32) * 4;
    for (int y = size - 1; y >= 0; --y) {
        std::vector<unsigned char> row(static_cast<std::size_t>(maskRow), 0);
        for (int x = 0; x < size; ++x)
            if ((at(x, y) >> 24) == 0)
                row[static_cast<std::size_t>(x / 8)] |= static_cast<unsigned char>(0x80 >> (x % 8));
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

}  // namespace

int main(int argc, char* argv[]) {
    const form::Pixels design = form::DecodeXpm(form::CalculatorPicture());
    if (argc != 2 || design.width == 0 || design.width != design.height) return 2;
    const int factors[] = {1, 2, 4};
    std::vector<std::vector<unsigned char>> images;
    for (int f : factors) images.push_back(IconImage(design, f));

    std::vector<unsigned char> file;
    Put16(file, 0);
    Put16(file, 1);  // icon
    Put16(file, static_cast<unsigned>(images.size()));
    std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        const int size = design.width * factors[i];
        file.push_back(static_cast<unsigned char>(size >= 256 ? 0 : size));
        file.push_back(static_cast<unsigned char>(size >= 256 ? 0 : size));
        file.push_back(0);
        file.push_back(0);
        Put16(file, 1);
        Put16(file, 32);
        Put32(file, static_cast<std::uint32_t>(images[i].size()));
        Put32(file, offset);
        offset += static_cast<std::uint32_t>(images[i].size());
    }
    for (const auto& image : images) file.insert(file.end(), image.begin(), image.end());

    std::FILE* out = std::fopen(argv[1], "wb");
    if (!out) return 1;
    const bool written = std::fwrite(file.data(), 1, file.size(), out) == file.size();
    return std::fclose(out) == 0 && written ? 0 : 1;
}

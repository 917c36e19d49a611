// The calculation as the page calls it: a C interface over
// calc::ComputeFertiliser, exported from the WebAssembly module.
//
// The page writes the five field texts and the decimal separator, UTF-8, one
// after the other into the buffer that ruro_buffer returns, then calls
// ruro_compute with their lengths. The six display texts come back in one
// text, separated by line feeds (no display text holds one).

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "calc/fertiliser.h"

namespace {

std::vector<char> input;
std::string output;

}  // namespace

extern "C" {

// A buffer of at least `size` bytes for the texts of the next calculation.
__attribute__((export_name("ruro_buffer"))) char* ruro_buffer(std::uint32_t size) {
    if (input.size() < size) input.resize(size);
    return input.data();
}

// Computes the results of the texts in the buffer: system 0 square, 1
// rectangular, 2 triangular. Returns 0, or the refusal (calc::Refusal) that
// left every display text empty.
__attribute__((export_name("ruro_compute"))) std::int32_t ruro_compute(
    std::int32_t system, std::uint32_t hectares, std::uint32_t distance, std::uint32_t length,
    std::uint32_t width, std::uint32_t diameter, std::uint32_t separator) {
    const std::array<std::uint32_t, 6> sizes = {hectares, distance, length, width, diameter, separator};
    std::array<std::string_view, 6> texts;
    std::size_t at = 0;
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        if (sizes[i] > input.size() - at) return -1;
        texts[i] = std::string_view(input.data() + at, sizes[i]);
        at += sizes[i];
    }
    calc::PlantingSystem planting = calc::PlantingSystem::Square;
    if (system == 1) planting = calc::PlantingSystem::Rectangular;
    if (system == 2) planting = calc::PlantingSystem::Triangular;
    const calc::FertiliserInputs inputs{planting,          std::string(texts[0]), std::string(texts[1]),
                                        std::string(texts[2]), std::string(texts[3]), std::string(texts[4])};
    const calc::FertiliserResults results = calc::ComputeFertiliser(inputs, texts[5]);
    output.clear();
    for (std::size_t i = 0; i < results.texts.size(); ++i) {
        if (i > 0) output += '\n';
        output += results.texts[i];
    }
    return static_cast<std::int32_t>(results.refusal);
}

// The display texts of the last calculation and their size in bytes.
__attribute__((export_name("ruro_output"))) const char* ruro_output() { return output.data(); }
__attribute__((export_name("ruro_output_size"))) std::uint32_t ruro_output_size() {
    return static_cast<std::uint32_t>(output.size());
}

}  // extern "C"

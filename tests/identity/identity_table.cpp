// Writes the table the browser test runs through the page's WebAssembly
// calculation: inputs, decimal separator and what the native calculation
// shows for them (the six display texts, or the refusal). Any difference in
// the browser is a difference between the two builds of calc/.
//
// Rows: the plantations of the shared table, the reading and rounding edge
// cases, exponent forms, seeded random field texts, and seeded random numbers
// that put many kinds of doubles through the writing of results; each under
// the full stop, the comma and the Arabic decimal separator.

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "calc/fertiliser.h"
#include "form/json.h"
#include "plantations.h"

namespace {

using calc::PlantingSystem;

constexpr PlantingSystem kSquare = PlantingSystem::Square;
constexpr PlantingSystem kRectangular = PlantingSystem::Rectangular;
constexpr PlantingSystem kTriangular = PlantingSystem::Triangular;

const std::array<std::string, 3> kSeparators = {".", ",", "\xD9\xAB"};  // "٫", U+066B

struct Row {
    PlantingSystem system;
    std::string hectares, distance, length, width, diameter;
};

// Field texts that each test one rule of reading a number.
const std::vector<std::string> kReadings = {
    "",
    " ",
    "0",
    "-0",
    "7",
    "+7",
    "-7",
    "--7",
    "+-7",
    "7.5",
    ".5",
    "5.",
    "-.5",
    "1.2.3",
    "1 2",
    "  7.5 m",
    "\t7\n",
    "1,5",
    "1\xD9\xAB"
    "5",
    "\xD9\xAB"
    "5",
    "&H10",
    "&O17",
    "abc",
    "1e3",
    "1E+3",
    "1e-3",
    "1e",
    "1e+",
    "e5",
    "1 e 3",
    "1.5E2x",
    "0.000001",
    "1e-7",
    "4.9e-324",
    "2.4e-324",
    "1e-400",
    "-1e-400",
    "1e308",
    "1.7976931348623157e308",
    "1.7976931348623159e308",
    "1e309",
    "-1e400",
    "1e999999999999999999999",
    "9007199254740993",
    "123456789012345678901234567890",
    "0.1",
    "0.30000000000000004",
    "1.005",
    "2.675",
    "0.125",
    "0.0625",
    "0.015625",
    "1.0000000000000002",
    std::string(900, '9'),
    "0." + std::string(850, '0') + "1",
    "1" + std::string(820, '0') + "e-820",
    std::string(799, '1') + "5" + std::string(30, '0') + "1e-800",
};

// Field texts whose results land on rounding steps or take exponent form
// (the plantations of the shared table come first).
const std::vector<Row> kEdges = {
    {kRectangular, "7", "", "10", "x", "3"},
    // Rounding steps: half-way values go up, also below zero.
    {kSquare, "1", "100", "", "", "0.03125"},
    {kSquare, "-1", "100", "", "", "0.03125"},
    {kSquare, "1.005", "100", "", "", "1"},
    {kSquare, "0.5", "100", "", "", "3"},
    {kRectangular, "1", "", "8", "2.5", "1"},
    {kSquare, "2.675", "1", "", "", "0.0001"},
    // Exponent forms: results from 1e15 up.
    {kSquare, "1e13", "1", "", "", "3"},
    {kSquare, "1e20", "1", "", "", "19"},
    {kSquare, "-1e20", "1", "", "", "19"},
    {kSquare, "123456789012345", "1", "", "", "3"},
    {kSquare, "1", "0.001", "", "", "3"},
    {kRectangular, "1e290", "", "1e-10", "1e-10", "19"},
    {kTriangular, "99999999999", "1e-3", "", "", "1e5"},
};

// A random field text: mostly number-like, with blanks, signs, separators,
// exponents, letters and a few characters of several UTF-8 bytes.
std::string RandomText(std::mt19937_64& random) {
    static const std::array<const char*, 24> pieces = {
        "0", "1", "2", "3", "5",  "7", "9", "00",       "12",           ".", ".", ",", "\xD9\xAB", "e",
        "E", "+", "-", " ", "\t", "x", "m", "\xC3\xA9", "\xE2\x82\xAC", "&H"};
    std::uniform_int_distribution<int> kind(0, 9);
    std::uniform_int_distribution<int> count(0, 12);
    std::uniform_int_distribution<std::size_t> piece(0, pieces.size() - 1);
    std::uniform_int_distribution<int> digit(0, 9);
    std::uniform_int_distribution<int> exponent(-330, 330);
    const int k = kind(random);
    std::string text;
    if (k < 6) {
        // A number: [sign] digits [. digits] [e[sign]digits].
        if (k == 0) text += '-';
        for (int n = 1 + count(random) % 6; n > 0; --n) text += static_cast<char>('0' + digit(random));
        if (k % 2 == 0) {
            text += '.';
            for (int n = count(random); n > 0; --n) text += static_cast<char>('0' + digit(random));
        }
        if (k >= 4) {
            text += 'e';
            text += std::to_string(exponent(random) / (k == 4 ? 1 : 10));
        }
    } else {
        for (int n = count(random); n > 0; --n) text += pieces[piece(random)];
    }
    return text;
}

// A random number as a field text: any finite double (random bits; not for
// `moderate`), one that lies next to a tie of its 15th digit, or one of 1 to
// 15 digits.
std::string RandomNumberText(std::mt19937_64& random, bool moderate) {
    std::uniform_int_distribution<int> kind(moderate ? 1 : 0, 2);
    std::uniform_int_distribution<int> digit(0, 9);
    std::uniform_int_distribution<int> exponent(-3, 20);
    std::uniform_int_distribution<int> count(1, 15);
    const int k = kind(random);
    if (k == 0) {
        double x = 0;
        do x = std::bit_cast<double>(random());
        while (!std::isfinite(x));
        std::array<char, 32> buffer{};
        const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), x);
        return std::string(buffer.data(), result.ptr);
    }
    std::string text = random() % 2 ? "-" : "";
    text += static_cast<char>('1' + digit(random) % 9);
    text += '.';
    for (int n = (k == 1 ? 15 : count(random)) - 1; n > 0; --n) text += static_cast<char>('0' + digit(random));
    if (k == 1) text += random() % 2 ? "5" : "50000001";
    return text + "e" + std::to_string(exponent(random));
}

std::string RowJson(const Row& row, const std::string& separator) {
    const calc::FertiliserInputs inputs{row.system, row.hectares, row.distance, row.length, row.width, row.diameter};
    const calc::FertiliserResults results = calc::ComputeFertiliser(inputs, separator);
    std::string out = "[" + std::to_string(static_cast<int>(row.system));
    for (const std::string* text : {&row.hectares, &row.distance, &row.length, &row.width, &row.diameter, &separator})
        out += "," + form::json::Quoted(*text);
    out += "," + std::to_string(static_cast<int>(results.refusal));
    for (const std::string& text : results.texts) out += "," + form::json::Quoted(text);
    return out + "]";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s OUTPUT.json RANDOM-ROWS\n", argv[0]);
        return 2;
    }
    // The shared table's plantations, each once (the separators come below).
    std::vector<Row> rows;
    for (const cases::Plantation& p : cases::Plantations()) {
        const Row row{p.inputs.system, p.inputs.hectares, p.inputs.distance,
                      p.inputs.length, p.inputs.width,    p.inputs.diameter};
        const auto same = [&row](const Row& r) {
            return r.system == row.system && r.hectares == row.hectares && r.distance == row.distance &&
                   r.length == row.length && r.width == row.width && r.diameter == row.diameter;
        };
        if (std::none_of(rows.begin(), rows.end(), same)) rows.push_back(row);
    }
    rows.insert(rows.end(), kEdges.begin(), kEdges.end());
    // Each reading in every input field of each system, the others plain.
    for (const std::string& text : kReadings) {
        rows.push_back({kSquare, text, "7", "", "", "3"});
        rows.push_back({kSquare, "10", text, "", "", "3"});
        rows.push_back({kTriangular, "10", text, "", "", "3"});
        rows.push_back({kRectangular, "10", "", text, "8", "3"});
        rows.push_back({kRectangular, "10", "", "10", text, "3"});
        rows.push_back({kSquare, "10", "7", "", "", text});
    }
    std::mt19937_64 random(20041);
    std::uniform_int_distribution<int> system(0, 2);
    for (long n = std::stol(argv[2]); n > 0; --n) {
        Row row{static_cast<PlantingSystem>(system(random)),
                RandomText(random),
                RandomText(random),
                RandomText(random),
                RandomText(random),
                RandomText(random)};
        rows.push_back(std::move(row));
    }

    // Numbers for hectares (100 m apart the trees per hectare are 1, so the
    // trees are the hectares to the hundredth) and for the diameter, which
    // stays moderate so that most products stay in range.
    std::mt19937_64 numbers(20042);
    for (int n = 0; n < 1000; ++n) {
        std::string hectares = RandomNumberText(numbers, false);
        rows.push_back({kSquare, std::move(hectares), "100", "", "", RandomNumberText(numbers, true)});
    }

    std::string json = "[\n";
    for (std::size_t i = 0; i < rows.size(); ++i)
        for (std::size_t s = 0; s < kSeparators.size(); ++s)
            json += (i || s ? ",\n" : "") + RowJson(rows[i], kSeparators[s]);
    json += "\n]\n";
    if (!form::json::WriteFile(argv[1], json)) {
        std::perror(argv[1]);
        return 1;
    }
    return 0;
}

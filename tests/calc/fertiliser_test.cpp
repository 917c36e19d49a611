#include "calc/fertiliser.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

using calc::ComputeFertiliser;
using calc::FertiliserInputs;
using calc::PlantingSystem;
using calc::Refusal;
using Texts = std::array<std::string, calc::kResultCount>;

FertiliserInputs Square(std::string hectares, std::string distance, std::string diameter) {
    return {PlantingSystem::Square, std::move(hectares), std::move(distance), "", "", std::move(diameter)};
}
FertiliserInputs Triangular(std::string hectares, std::string distance, std::string diameter) {
    return {PlantingSystem::Triangular, std::move(hectares), std::move(distance), "", "", std::move(diameter)};
}
FertiliserInputs Rectangular(std::string hectares, std::string length, std::string width, std::string diameter) {
    return {PlantingSystem::Rectangular, std::move(hectares), "", std::move(length), std::move(width),
            std::move(diameter)};
}

struct WholeRow {
    std::string name;
    friend void PrintTo(const WholeRow& row, std::ostream* os) { *os << row.name; }
    FertiliserInputs inputs;
    Texts expected;
};

class WholeCalculation : public testing::TestWithParam<WholeRow> {};

TEST_P(WholeCalculation, ShowsTheseTexts) {
    const auto results = ComputeFertiliser(GetParam().inputs);
    ASSERT_TRUE(results.ok());
    EXPECT_EQ(results.texts, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Plantations, WholeCalculation,
    testing::Values(
        WholeRow{"square_10ha_7m", Square("10", "7", "3"),
                 {"204.082", "2040.82", "0.48", "979.59", "4778.5", "96"}},
        WholeRow{"rectangular_10ha_10x8m", Rectangular("10", "10", "8", "3"),
                 {"125", "1250", "0.48", "600", "2926.83", "59"}},
        WholeRow{"triangular_10ha_7m", Triangular("10", "7", "3"),
                 {"235.653", "2356.53", "0.48", "1131.14", "5517.73", "110"}},
        WholeRow{"rectangular_2.5ha_12x12m_diameter_19", Rectangular("2.5", "12", "12", "19"),
                 {"69.444", "173.61", "3.04", "527.78", "2574.53", "51"}},
        WholeRow{"square_1ha_3m_diameter_19", Square("1", "3", "19"),
                 {"1111.111", "1111.11", "3.04", "3377.78", "16476.96", "330"}},
        WholeRow{"zero_hectares_keep_density_and_nitrogen_per_tree", Square("0", "7", "3"),
                 {"204.082", "0", "0.48", "0", "0", "0"}},
        WholeRow{"empty_hectares_read_as_zero", Square("", "7", "3"),
                 {"204.082", "0", "0.48", "0", "0", "0"}},
        WholeRow{"typed_diameter_is_used_as_it_reads", Square("10", "7", "7.5"),
                 {"204.082", "2040.82", "1.2", "2448.98", "11946.24", "239"}},
        WholeRow{"zero_diameter_gives_no_nitrogen", Square("10", "7", "0"),
                 {"204.082", "2040.82", "0", "0", "0", "0"}},
        WholeRow{"negative_distance_squares_away", Square("10", "-7", "3"),
                 {"204.082", "2040.82", "0.48", "979.59", "4778.5", "96"}},
        WholeRow{"negative_hectares_round_half_up", Square("-10", "7", "3"),
                 {"204.082", "-2040.82", "0.48", "-979.59", "-4778.5", "-96"}},
        WholeRow{"field_texts_read_by_val_rule", Square("1 0 ha", "  7,9", "3 pulg"),
                 {"204.082", "2040.82", "0.48", "979.59", "4778.5", "96"}}),
    [](const testing::TestParamInfo<WholeRow>& info) {
        std::string name = info.param.name;
        for (char& c : name)
            if (c == '.') c = '_';
        return name;
    });

TEST(Fertiliser, LaterResultsUseUnroundedValues) {
    const auto r = ComputeFertiliser(Square("10", "7", "3"));
    EXPECT_DOUBLE_EQ(r.totalTrees, 2040.8163265306123);
    EXPECT_EQ(r.totalNitrogen, 0.48 * 2040.8163265306123);  // not 0.48 * 2040.82
    EXPECT_EQ(r.texts[calc::kTotalNitrogen], "979.59");
}

TEST(Fertiliser, TriangularUsesTheEightDigitPi) {
    const auto triangular = ComputeFertiliser(Triangular("1", "7", "3"));
    const double sine = 0.866025411519473;  // sin(60 * 3.1415927 / 180)
    EXPECT_NEAR(triangular.density, 10000 / (sine * 49), 1e-12);
    const auto square = ComputeFertiliser(Square("1", "7", "3"));
    EXPECT_NEAR(triangular.density / square.density, 1.1547, 1e-4);
}

TEST(Fertiliser, SpacingFieldsOfOtherSystemsAreNotRead) {
    auto square = Square("10", "7", "3");
    square.length = "0";
    square.width = "garbage";
    auto rectangular = Rectangular("10", "10", "8", "3");
    rectangular.distance = "0";
    auto triangular = Triangular("10", "7", "3");
    triangular.length = "1e400";
    EXPECT_EQ(ComputeFertiliser(square).texts[calc::kDensity], "204.082");
    EXPECT_EQ(ComputeFertiliser(rectangular).texts[calc::kDensity], "125");
    EXPECT_EQ(ComputeFertiliser(triangular).texts[calc::kDensity], "235.653");
}

TEST(Fertiliser, LocaleSeparatorOnlyChangesTheTexts) {
    const auto point = ComputeFertiliser(Rectangular("10", "10", "8", "3"));
    const auto comma = ComputeFertiliser(Rectangular("10", "10", "8", "3"), ",");
    EXPECT_EQ(comma.texts, (Texts{"125", "1250", "0,48", "600", "2926,83", "59"}));
    EXPECT_EQ(comma.sulphate, point.sulphate);
}

TEST(Fertiliser, ACommaLocaleReadsWhatItsUsersType) {
    // "7,5" m and "2,5" ha under es_ES: 21 bags, as "7.5" and "2.5" give
    // everywhere; where the separator is the point a comma still ends the
    // number, as it always did.
    const auto typed = Square("2,5", "7,5", "3");
    EXPECT_EQ(ComputeFertiliser(typed, ",").texts[calc::kBags], "21");
    EXPECT_EQ(ComputeFertiliser(Square("2.5", "7.5", "3"), ",").texts[calc::kBags], "21");
    EXPECT_EQ(ComputeFertiliser(Square("2.5", "7.5", "3")).texts[calc::kBags], "21");
    EXPECT_EQ(ComputeFertiliser(typed, ".").texts[calc::kBags], "19");
}

struct RefusalRow {
    std::string name;
    friend void PrintTo(const RefusalRow& row, std::ostream* os) { *os << row.name; }
    FertiliserInputs inputs;
    Refusal expected;
};

class Refusals : public testing::TestWithParam<RefusalRow> {};

TEST_P(Refusals, GiveNoResultAndTheReason) {
    const auto r = ComputeFertiliser(GetParam().inputs);
    EXPECT_FALSE(r.ok());
    EXPECT_EQ(r.refusal, GetParam().expected);
    for (const auto& text : r.texts) EXPECT_EQ(text, "");
    EXPECT_EQ(r.density, 0);
    EXPECT_EQ(r.bags, 0);
}

INSTANTIATE_TEST_SUITE_P(
    BadInput, Refusals,
    testing::Values(
        RefusalRow{"square_after_reset", Square("0", "0", "3"), Refusal::ZeroDistance},
        RefusalRow{"square_cleared_distance", Square("10", "", "3"), Refusal::ZeroDistance},
        RefusalRow{"triangular_zero_distance", Triangular("10", "abc", "3"), Refusal::ZeroDistance},
        RefusalRow{"tiny_distance_squares_to_zero", Square("10", "1e-200", "3"), Refusal::TinyDistance},
        RefusalRow{"tiny_triangular_distance", Triangular("10", "1e-170", "3"), Refusal::TinyDistance},
        RefusalRow{"zero_written_long_is_still_zero", Square("10", "0.000e-999", "3"), Refusal::ZeroDistance},
        RefusalRow{"rectangular_zero_length", Rectangular("10", "0", "8", "3"), Refusal::ZeroLengthOrWidth},
        RefusalRow{"rectangular_zero_width", Rectangular("10", "10", "", "3"), Refusal::ZeroLengthOrWidth},
        RefusalRow{"tiny_length_times_width_is_zero", Rectangular("1", "1e-200", "1e-200", "3"),
                   Refusal::TinyLengthOrWidth},
        RefusalRow{"tiny_width_gives_too_many_trees", Rectangular("1", "1", "1e-305", "3"),
                   Refusal::TinyLengthOrWidth},
        RefusalRow{"one_of_two_spacings_zero_is_zero", Rectangular("1", "1e-200", "0", "3"),
                   Refusal::ZeroLengthOrWidth},
        RefusalRow{"distance_too_large_for_a_double", Square("10", "1e400", "3"), Refusal::OutOfRange},
        RefusalRow{"width_too_large_for_a_double", Rectangular("10", "1", "-1e999", "3"), Refusal::OutOfRange},
        RefusalRow{"hectares_too_large_for_a_double", Square("1e400", "7", "3"), Refusal::OutOfRange},
        RefusalRow{"diameter_too_large_for_a_double", Square("10", "7", "1e309"), Refusal::OutOfRange},
        RefusalRow{"enormous_area_overflows", Square("1e305", "0.01", "19"), Refusal::OutOfRange},
        RefusalRow{"density_overflows_only_when_rounded", Square("1", "1e-152", "3"), Refusal::TinyDistance}),
    [](const testing::TestParamInfo<RefusalRow>& info) { return info.param.name; });

}  // namespace

#include "calc/fertiliser.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "plantations.h"

namespace {

using calc::ComputeFertiliser;
using calc::FertiliserInputs;
using calc::PlantingSystem;
using Texts = std::array<std::string, calc::kResultCount>;

FertiliserInputs Square(std::string hectares, std::string distance, std::string diameter) {
    return {PlantingSystem::Square, std::move(hectares), std::move(distance), "", "", std::move(diameter)};
}
FertiliserInputs Triangular(std::string hectares, std::string distance, std::string diameter) {
    return {PlantingSystem::Triangular, std::move(hectares), std::move(distance), "", "", std::move(diameter)};
}
FertiliserInputs Rectangular(std::string hectares, std::string length, std::string width, std::string diameter) {
    return {PlantingSystem::Rectangular, std::move(hectares), "",
            std::move(length),           std::move(width),    std::move(diameter)};
}

// Every plantation of the shared table: its six texts, or its refusal with
// nothing shown.
class Plantations : public testing::TestWithParam<cases::Plantation> {};

TEST_P(Plantations, ShowTheTableTexts) {
    const cases::Plantation& p = GetParam();
    const auto results = ComputeFertiliser(p.inputs, p.separator);
    EXPECT_EQ(results.refusal, p.refusal);
    EXPECT_EQ(results.texts, p.results);
    if (!results.ok()) {
        EXPECT_EQ(results.density, 0);
        EXPECT_EQ(results.bags, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, Plantations, testing::ValuesIn(cases::Plantations()),
                         [](const testing::TestParamInfo<cases::Plantation>& info) { return info.param.name; });

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

TEST(Fertiliser, LocaleSeparatorOnlyChangesTheTexts) {
    const auto point = ComputeFertiliser(Rectangular("10", "10", "8", "3"));
    const auto comma = ComputeFertiliser(Rectangular("10", "10", "8", "3"), ",");
    EXPECT_EQ(comma.texts, (Texts{"125", "1250", "0,48", "600", "2926,83", "59"}));
    EXPECT_EQ(comma.sulphate, point.sulphate);
}

}  // namespace

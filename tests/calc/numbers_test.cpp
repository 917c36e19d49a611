#include "calc/numbers.h"

#include "calc/fertiliser.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>

namespace {

using calc::FormatNumber;
using calc::ReadNumber;
using calc::RoundTo;

// prefix, then count copies of c, then suffix (built by appending, which
// keeps GCC 12's -Wrestrict false positive on operator+ at bay).
std::string Padded(std::string prefix, std::size_t count, char c, std::string_view suffix = "") {
    prefix.append(count, c);
    prefix += suffix;
    return prefix;
}

template <typename Row>
std::string RowName(const testing::TestParamInfo<Row>& info) {
    return info.param.name;
}

// ---- ReadNumber ------------------------------------------------------------

struct ReadRow {
    std::string name;
    friend void PrintTo(const ReadRow& row, std::ostream* os) { *os << row.name; }
    std::string text;
    double expected;
    std::string separator = ".";  // the user's locale separator
};

class ReadNumberTest : public testing::TestWithParam<ReadRow> {};

TEST_P(ReadNumberTest, Reads) {
    const ReadRow& row = GetParam();
    EXPECT_EQ(ReadNumber(row.text, row.separator), row.expected) << '"' << row.text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Val, ReadNumberTest,
    testing::Values(
        ReadRow{"empty_is_zero", "", 0}, ReadRow{"letters_only_are_zero", "abc", 0},
        ReadRow{"unit_after_number_is_ignored", "  7.5 m", 7.5}, ReadRow{"comma_ends_the_number", "1,5", 1},
        ReadRow{"negative", "-3", -3}, ReadRow{"blank_between_digits_is_skipped", "1 2", 12},
        ReadRow{"tabs_and_line_feeds_are_skipped", "\t1\n2.\t5", 12.5},
        ReadRow{"blank_after_sign_is_skipped", "- 3", -3}, ReadRow{"plus_sign", "+4", 4},
        ReadRow{"two_signs_read_nothing", "+-4", 0}, ReadRow{"second_point_ends_the_number", "1.2.3", 1.2},
        ReadRow{"leading_point", ".5", 0.5}, ReadRow{"point_alone_is_zero", ".", 0},
        ReadRow{"sign_alone_is_zero", "-", 0}, ReadRow{"exponent", "1e3", 1000},
        ReadRow{"capital_exponent_with_sign", "25E-1", 2.5}, ReadRow{"blanks_inside_exponent", "1 e - 2", 0.01},
        ReadRow{"exponent_without_digits_is_ignored", "7e", 7},
        ReadRow{"exponent_sign_without_digits_is_ignored", "7e+x", 7},
        ReadRow{"carriage_return_ends_the_number", "1\r2", 1}, ReadRow{"leading_zeros", "000012.50", 12.5},
        ReadRow{"hexadecimal_prefix_is_not_read", "&H10", 0}, ReadRow{"octal_prefix_is_not_read", "&O17", 0},
        ReadRow{"non_ascii_digit_ends_the_number", "3\xEF\xBC\x94", 3},  // full-width 4
        ReadRow{"nbsp_ends_the_number",
                "5\xC2\xA0"
                "0",
                5},
        ReadRow{"correctly_rounded", "0.1", 0.1},
        ReadRow{"largest_double", "1.7976931348623157e308", std::numeric_limits<double>::max()},
        ReadRow{"too_large_is_infinite", "1e400", std::numeric_limits<double>::infinity()},
        ReadRow{"too_large_negative_is_minus_infinite", "-1e400", -std::numeric_limits<double>::infinity()},
        ReadRow{"too_small_is_zero", "1e-400", 0},
        ReadRow{"huge_exponent_digits_saturate", "1e99999999999999999999999", std::numeric_limits<double>::infinity()},
        ReadRow{"huge_negative_exponent_saturates", "5e-99999999999999999999999", 0},
        ReadRow{"comma_locale_reads_the_comma", "7,5 m", 7.5, ","},
        ReadRow{"comma_locale_still_reads_the_point", "7.5", 7.5, ","},
        ReadRow{"comma_locale_second_comma_ends", "1,5,3", 1.5, ","},
        ReadRow{"comma_locale_comma_after_point_ends", "1.5,3", 1.5, ","},
        ReadRow{"comma_locale_blanks_around_the_comma", "1 , 5", 1.5, ","},
        ReadRow{"comma_locale_exponent_form", "1,5E+20", 1.5e20, ","},
        ReadRow{"comma_locale_leading_comma", ",25", 0.25, ","},
        ReadRow{"arabic_separator_is_read_where_it_is_the_locale_s",
                "2\xD9\xAB"
                "25",
                2.25, "\xD9\xAB"},
        ReadRow{"arabic_separator_ends_the_number_elsewhere",
                "2\xD9\xAB"
                "25",
                2},
        ReadRow{"first_byte_of_a_separator_ends_the_number",
                "2\xD9"
                "25",
                2, "\xD9\xAB"}),
    RowName<ReadRow>);

TEST(ReadNumberLongText, ManyDigitsStillRoundCorrectly) {
    // 0.1 followed by a long tail: only the tail's being non-zero can matter.
    EXPECT_EQ(ReadNumber(Padded("0.1", 100000, '0')), 0.1);
    EXPECT_EQ(ReadNumber(Padded("1", 2000, '0', "e-2000")), 1.0);
    EXPECT_EQ(ReadNumber(Padded("0.", 2000, '0', "15e2001")), 1.5);
    EXPECT_EQ(ReadNumber(Padded("0.", 200000, '0', "25e200001")), 2.5);
    EXPECT_EQ(ReadNumber(std::string(5000, '9')), std::numeric_limits<double>::infinity());
    // 2^53 + 1 lies half-way between two doubles; a non-zero digit far behind
    // the cut must still break the tie upwards.
    EXPECT_EQ(ReadNumber("9007199254740993"), 9007199254740992.0);
    EXPECT_EQ(ReadNumber(Padded("9007199254740993.", 3000, '0', "1")), 9007199254740994.0);
}

TEST(ReadNumberLongText, BlanksAndGarbageOfAnyLength) {
    EXPECT_EQ(ReadNumber(Padded("", 1'000'000, ' ', "42")), 42);
    EXPECT_EQ(ReadNumber(Padded("42", 1'000'000, 'x')), 42);
}

// ---- RoundTo ---------------------------------------------------------------

struct RoundRow {
    std::string name;
    friend void PrintTo(const RoundRow& row, std::ostream* os) { *os << row.name; }
    double x;
    double factor;
    double expected;
};

class RoundToTest : public testing::TestWithParam<RoundRow> {};

TEST_P(RoundToTest, Rounds) {
    const RoundRow& row = GetParam();
    EXPECT_EQ(RoundTo(row.x, row.factor), row.expected);
}

INSTANTIATE_TEST_SUITE_P(HalfUp, RoundToTest,
                         testing::Values(RoundRow{"density_to_thousandths", 204.08163265306123, 1000, 204.082},
                                         RoundRow{"bags_to_whole", 95.56993529118964, 1, 96},
                                         RoundRow{"zero", 0, 100, 0}, RoundRow{"half_rounds_up", 2.5, 1, 3},
                                         RoundRow{"negative_half_rounds_towards_plus_infinity", -2.5, 1, -2},
                                         RoundRow{"negative_below_half_rounds_down", -2.6, 1, -3},
                                         RoundRow{"negative_hundredths_half", -0.125, 100, -0.12},
                                         RoundRow{"product_just_below_half_rounds_down", 1.005, 100, 1},
                                         RoundRow{"whole_stays", 96, 1, 96}),
                         RowName<RoundRow>);

// ---- FormatNumber ----------------------------------------------------------

struct FormatRow {
    std::string name;
    friend void PrintTo(const FormatRow& row, std::ostream* os) { *os << row.name; }
    double x;
    std::string expected;
};

class FormatNumberTest : public testing::TestWithParam<FormatRow> {};

TEST_P(FormatNumberTest, Formats) {
    const FormatRow& row = GetParam();
    EXPECT_EQ(FormatNumber(row.x), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Display, FormatNumberTest,
    testing::Values(
        FormatRow{"thousandths", 204.082, "204.082"}, FormatRow{"whole_has_no_separator", 96.0, "96"},
        FormatRow{"leading_zero_below_one", 0.48, "0.48"}, FormatRow{"no_trailing_zeros", 4778.5, "4778.5"},
        FormatRow{"zero", 0, "0"}, FormatRow{"negative_zero_is_zero", -0.0, "0"}, FormatRow{"negative", -0.12, "-0.12"},
        FormatRow{"fifteen_digits_last_rounded", 2040.8163265306123, "2040.81632653061"},
        FormatRow{"rounding_carries_into_new_digit", 9.9999999999999999, "10"},
        FormatRow{"largest_fixed_whole", 999999999999999.0, "999999999999999"},
        FormatRow{"exponent_from_ten_to_the_15", 1e15, "1E+15"}, FormatRow{"exponent_with_mantissa", 1.5e20, "1.5E+20"},
        FormatRow{"three_digit_exponent", -2.25e300, "-2.25E+300"}, FormatRow{"smallest_fixed", 0.0001, "0.0001"},
        FormatRow{"exponent_below_ten_thousandth", 0.000015, "1.5E-05"},
        FormatRow{"whole_with_trailing_zeros", 1250.0, "1250"}, FormatRow{"not_a_number", std::nan(""), "NaN"},
        FormatRow{"infinity", std::numeric_limits<double>::infinity(), "Inf"},
        FormatRow{"minus_infinity", -std::numeric_limits<double>::infinity(), "-Inf"}),
    RowName<FormatRow>);

TEST(FormatNumberSeparator, UsesTheGivenSeparatorOnlyWhereThereIsAFraction) {
    EXPECT_EQ(FormatNumber(2926.83, ","), "2926,83");
    EXPECT_EQ(FormatNumber(0.48, ","), "0,48");
    EXPECT_EQ(FormatNumber(96, ","), "96");
    EXPECT_EQ(FormatNumber(1.5e20, ","), "1,5E+20");
    EXPECT_EQ(FormatNumber(0.5, "\xD9\xAB"),
              "0\xD9\xAB"
              "5");  // Arabic decimal separator
}

TEST(FormatNumberRoundTrip, EveryShownResultReadsBackInItsLocale) {
    // What "Calcular" shows, typed or pasted back under the same locale, is
    // read as the value shown: results of every rounding factor, whole and
    // fractional, fixed and exponent form, under ".", "," and "٫".
    std::mt19937_64 random(20041);
    std::uniform_real_distribution<double> mantissa(1, 10);
    std::uniform_int_distribution<int> power(-9, 30);
    for (const std::string separator : {".", ",", "\xD9\xAB"}) {
        for (int i = 0; i < 3000; ++i) {
            const double x = mantissa(random) * std::pow(10.0, power(random)) * (i % 7 == 0 ? -1 : 1);
            const double shown = RoundTo(x, calc::kRoundingFactors[static_cast<std::size_t>(i) % calc::kResultCount]);
            const std::string text = FormatNumber(shown, separator);
            EXPECT_EQ(ReadNumber(text, separator), ReadNumber(FormatNumber(shown))) << text;
            EXPECT_EQ(FormatNumber(ReadNumber(text, separator), separator), text);
        }
    }
}

TEST(FormatNumberRoundTrip, ReadsBackToTheValueItShows) {
    // Every shown text reads back (with the point) to a value that shows the same.
    for (double x : {204.082, 2040.82, 0.48, 979.59, 4778.5, 96.0, -0.12, 1.5e-5, 6.02214076e23, 123456.789012345,
                     1e-300, 1.79769313486231e308}) {
        const std::string text = FormatNumber(x);
        EXPECT_EQ(FormatNumber(ReadNumber(text)), text) << x;
        EXPECT_NEAR(ReadNumber(text), x, std::abs(x) * 5e-15) << text;
    }
}

}  // namespace

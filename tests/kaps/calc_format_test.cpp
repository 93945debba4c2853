// The calculator's display text for results, and the display read back as a number.
#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <cmath>

#include "kaps/desk/calc/calc_format.h"
#include "tests/kaps/calc_test_values.h"

namespace vimo {
namespace {

TEST(FormatCalcNumber, FixedPointLayout) {
    EXPECT_EQ(FormatCalcNumber(8), "8");
    EXPECT_EQ(FormatCalcNumber(100), "100");
    EXPECT_EQ(FormatCalcNumber(0.5), "0.5");
    EXPECT_EQ(FormatCalcNumber(-2.25), "-2.25");
    EXPECT_EQ(FormatCalcNumber(1.0 / 3), "0.333333333");
    EXPECT_EQ(FormatCalcNumber(2.0 / 3), "0.666666666") << "the 14 digits are cut to the width, not rounded";
    EXPECT_EQ(FormatCalcNumber(0.1 + 0.2), "0.3") << "14 digits hide the binary error";
    EXPECT_EQ(FormatCalcNumber(220.00000000000003), "220");
    EXPECT_EQ(FormatCalcNumber(1234.5678), "1234.5678");
    EXPECT_EQ(FormatCalcNumber(1e10), "10000000000") << "eleven integer digits keep their zeros";
    EXPECT_EQ(FormatCalcNumber(1e9), "1000000000");
    EXPECT_EQ(FormatCalcNumber(1000000000.5), "1000000000");
    EXPECT_EQ(FormatCalcNumber(12345678901.9), "12345678901");
    EXPECT_EQ(FormatCalcNumber(0.9999999999999999), "1") << "rounding to 14 digits carries";
    EXPECT_EQ(FormatCalcNumber(0.0), "0");
}

TEST(FormatCalcNumber, SmallValues) {
    EXPECT_EQ(FormatCalcNumber(1e-9), "0.000000001");
    EXPECT_EQ(FormatCalcNumber(0.000000001999), "0.000000001");
    EXPECT_EQ(FormatCalcNumber(1e-10), "0") << "below the last place shows as zero";
    EXPECT_EQ(FormatCalcNumber(DBL_TRUE_MIN), "0");
    EXPECT_EQ(FormatCalcNumber(-1e-10), "0") << "no sign on a value that shows as zero";
    EXPECT_EQ(FormatCalcNumber(-0.0), "0");
    EXPECT_EQ(FormatCalcNumber(0.00012), "0.00012");
}

TEST(FormatCalcNumber, NegativeValuesCountTheSign) {
    EXPECT_EQ(FormatCalcNumber(-1.0 / 3), "-0.33333333");
    EXPECT_EQ(FormatCalcNumber(-1e9), "-1000000000");
    EXPECT_EQ(FormatCalcNumber(-1234567890.5), "-1234567890");
    EXPECT_EQ(FormatCalcNumber(-1.5e-9), "0") << "not \"-0.00000000\"";
    EXPECT_EQ(FormatCalcNumber(-2e-9), "0") << "the sign takes the place of the ninth decimal";
    EXPECT_EQ(FormatCalcNumber(-0.00000002), "-0.00000002");
}

TEST(FormatCalcNumber, LargeValuesUseAnExponent) {
    EXPECT_EQ(FormatCalcNumber(1e11), "1e11");
    EXPECT_EQ(FormatCalcNumber(1.5e11), "1.5e11");
    EXPECT_EQ(FormatCalcNumber(123456789012.0), "1.234567e11");
    EXPECT_EQ(FormatCalcNumber(-123456789012.0), "-1.23456e11");
    EXPECT_EQ(FormatCalcNumber(-1e10), "-1e10") << "eleven digits do not fit beside the sign";
    EXPECT_EQ(FormatCalcNumber(-98765432109.0), "-9.87654e10");
    EXPECT_EQ(FormatCalcNumber(2.5e100), "2.5e100");
    EXPECT_EQ(FormatCalcNumber(DBL_MAX), "1.79769e308");
    EXPECT_EQ(FormatCalcNumber(-DBL_MAX), "-1.7976e308");
}

TEST(FormatCalcNumber, NonFiniteValuesShowError) {
    EXPECT_EQ(FormatCalcNumber(HUGE_VAL), "Error");
    EXPECT_EQ(FormatCalcNumber(-HUGE_VAL), "Error");
    EXPECT_EQ(FormatCalcNumber(std::nan("")), "Error");
}

// Every result fits the display and reads back as (nearly) the value it shows.
TEST(FormatCalcNumber, AlwaysFitsAndReadsBack) {
    for (const double v : calc_test::SampleValues(1000)) {
        const std::string text = FormatCalcNumber(v);
        ASSERT_LE(text.size(), kCalcDisplayWidth) << v;
        ASSERT_FALSE(text.empty()) << v;
        const double shown = ReadCalcDisplay(text);
        if (text == "0") {
            ASSERT_LT(std::fabs(v), 1e-8) << v;
            continue;
        }
        ASSERT_EQ(std::signbit(shown), std::signbit(v)) << v << " shown as " << text;
        // Cut to at least 5 significant digits (the exponent form of the largest negative values), or to
        // eight decimals (nine for positive values) below one.
        ASSERT_LE(std::fabs(shown - v), std::max(std::fabs(v) * 1e-4, 1e-8)) << v << " shown as " << text;
        ASSERT_LE(std::fabs(shown), std::fabs(v) * (1 + 1e-13)) << v << " shown as " << text << ": digits are cut";
    }
}

TEST(ReadCalcDisplay, NumbersAndUnreadableText) {
    EXPECT_EQ(ReadCalcDisplay("12.5"), 12.5);
    EXPECT_EQ(ReadCalcDisplay("007"), 7.0);
    EXPECT_EQ(ReadCalcDisplay("-05"), -5.0);
    EXPECT_EQ(ReadCalcDisplay("0."), 0.0);
    EXPECT_EQ(ReadCalcDisplay("-.5"), -0.5);
    EXPECT_EQ(ReadCalcDisplay("1.5e11"), 1.5e11);
    EXPECT_EQ(ReadCalcDisplay("-"), 0.0);
    EXPECT_EQ(ReadCalcDisplay("-."), 0.0);
    EXPECT_EQ(ReadCalcDisplay(""), 0.0);
    EXPECT_EQ(ReadCalcDisplay("Error"), 0.0);
}

} // namespace
} // namespace vimo

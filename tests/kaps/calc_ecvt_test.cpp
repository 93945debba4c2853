// The calculator's 14-digit conversion against an exact oracle (the host printf, which prints the exact
// binary value for any precision) and against the host C library's own ecvt.
#include <gtest/gtest.h>

#include <stdlib.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <string>

#include "kaps/desk/calc/ecvt_digits.h"
#include "tests/kaps/calc_test_values.h"

namespace vimo {
namespace {

constexpr int kCount = 14;

// Enough significant digits of a double's exact value to round it to 14: 61 digits, or, when those
// cannot tell (a run of zeros or nines after the fifteenth digit), all of them: at most 767, so 781
// are always enough.
struct Exact {
    std::string digits; // at least 61 digits
    int exponent = 0;   // as ecvt's decimal exponent
    bool negative = false;
};

Exact Expand(double value, int precision) {
    char text[900];
    std::snprintf(text, sizeof text, "%.*e", precision, value);
    Exact exact;
    const char* p = text;
    exact.negative = *p == '-';
    if (exact.negative) ++p;
    for (; *p != 'e'; ++p) {
        if (*p != '.') exact.digits += *p;
    }
    exact.exponent = std::atoi(p + 1) + 1;
    return exact;
}

Exact ExactExpansion(double value) {
    Exact exact = Expand(value, 60);
    const std::string tail = exact.digits.substr(kCount + 1);
    if (tail.find_first_not_of('0') == std::string::npos || tail.find_first_not_of('9') == std::string::npos) {
        exact = Expand(value, 780);
    }
    return exact;
}

// The candidate 14-digit results: the exact value cut, and cut then raised by one unit.
EcvtDigits Cut(const Exact& exact, bool up) {
    EcvtDigits result{exact.digits.substr(0, kCount), exact.exponent, exact.negative};
    if (!up) return result;
    std::size_t i = kCount;
    while (i-- > 0 && result.digits[i] == '9') result.digits[i] = '0';
    if (i == static_cast<std::size_t>(-1)) {
        result.digits[0] = '1';
        ++result.exponent;
    } else {
        ++result.digits[i];
    }
    return result;
}

// How far the dropped digits lie from half a unit of the 14th digit, in units of that digit.
double DistanceFromTie(const Exact& exact) {
    const double rest = std::stod("0." + exact.digits.substr(kCount, 17));
    return std::fabs(rest - 0.5);
}

bool Same(const EcvtDigits& a, const EcvtDigits& b) {
    return a.digits == b.digits && a.exponent == b.exponent && a.negative == b.negative;
}

std::string Show(const EcvtDigits& d) {
    return (d.negative ? "-" : "+") + d.digits + " e" + std::to_string(d.exponent);
}

TEST(EcvtDigits, KnownValues) {
    auto check = [](double v, const char* digits, int exponent, bool negative) {
        const EcvtDigits d = ToEcvtDigits(v, kCount);
        EXPECT_EQ(d.digits, digits) << v;
        EXPECT_EQ(d.exponent, exponent) << v;
        EXPECT_EQ(d.negative, negative) << v;
    };
    check(0.5, "50000000000000", 0, false);
    check(8, "80000000000000", 1, false);
    check(-2.25, "22500000000000", 1, true);
    check(1.0 / 3, "33333333333333", 0, false);
    check(2.0 / 3, "66666666666667", 0, false);
    check(1e10, "10000000000000", 11, false);
    check(1e-10, "10000000000000", -9, false);
    check(0.0, "00000000000000", 0, false);
    check(-0.0, "00000000000000", 0, true);
    check(DBL_TRUE_MIN, "49406564584125", -323, false);
    check(DBL_MAX, "17976931348623", 309, false);
    check(0.00012345678901234500, "12345678901234", -3, false); // just below its tie: down
}

TEST(EcvtDigits, ExactTiesRoundAwayFromZero) {
    EXPECT_EQ(ToEcvtDigits(100000000000005.0, kCount).digits, "10000000000001");
    EXPECT_EQ(ToEcvtDigits(100000000000015.0, kCount).digits, "10000000000002");
    EXPECT_EQ(ToEcvtDigits(1234567890123.25, kCount).digits, "12345678901233");
    EXPECT_EQ(ToEcvtDigits(-1234567890123.25, kCount).digits, "12345678901233");
    EXPECT_EQ(ToEcvtDigits(1234567890123.75, kCount).digits, "12345678901238");
    const EcvtDigits carry = ToEcvtDigits(99999999999999.5, kCount);
    EXPECT_EQ(carry.digits, "10000000000000");
    EXPECT_EQ(carry.exponent, 15);
}

TEST(EcvtDigits, OtherDigitCounts) {
    EXPECT_EQ(ToEcvtDigits(2.5, 1).digits, "3");
    EXPECT_EQ(ToEcvtDigits(9.5, 1).exponent, 2);
    EXPECT_EQ(ToEcvtDigits(0.1, 20).digits, "10000000000000000555");
    EXPECT_EQ(ToEcvtDigits(12.0, 5).digits, "12000");
}

TEST(EcvtDigits, NonFiniteValuesHaveNoDigits) {
    EXPECT_TRUE(ToEcvtDigits(HUGE_VAL, kCount).digits.empty());
    EXPECT_TRUE(ToEcvtDigits(-HUGE_VAL, kCount).negative);
    EXPECT_TRUE(ToEcvtDigits(std::nan(""), kCount).digits.empty());
}

// Correct rounding of the exact value, ties away from zero, for every sample.
TEST(EcvtDigits, MatchesTheExactValueRounded) {
    for (const double v : calc_test::SampleValues(1000)) {
        const EcvtDigits ours = ToEcvtDigits(v, kCount);
        if (v == 0) continue; // checked in KnownValues
        const Exact exact = ExactExpansion(v);
        const bool up = exact.digits[kCount] >= '5';
        const EcvtDigits expected = Cut(exact, up);
        ASSERT_TRUE(Same(ours, expected)) << v << ": " << Show(ours) << " expected " << Show(expected);
    }
}

// The host's ecvt scales the value by a power of ten in floating point before it rounds, and rounds
// exact ties to even; it may also append a fifteenth digit "0" when rounding carries, and it gives zero
// the decimal exponent 1. The Windows C library rounds the exact value, ties away from zero, and gives
// zero the exponent 0; the calculator follows Windows. So the host's answer may differ only:
//  - for zero, in the exponent;
//  - by its extra trailing "0";
//  - at a tie or near tie, by rounding the other way, and only as near to the tie as its scaling error
//    reaches: a few units of the double's last bit, more for powers of ten beyond 10^22, which it builds
//    by repeated multiplication.
TEST(EcvtDigits, AgreesWithHostEcvtExceptAtTies) {
    int otherWay = 0;
    int compared = 0;
    for (const double v : calc_test::SampleValues(1000)) {
        int exponent = 0;
        int sign = 0;
        std::string digits = ecvt(v, kCount, &exponent, &sign);
        const EcvtDigits ours = ToEcvtDigits(v, kCount);
        if (digits.size() == kCount + 1 && digits.back() == '0') digits.pop_back();
        const EcvtDigits host{digits, v == 0 ? 0 : exponent, sign != 0};
        ++compared;
        if (Same(host, ours)) continue;

        const Exact exact = ExactExpansion(v);
        const EcvtDigits other = Cut(exact, exact.digits[kCount] < '5');
        ASSERT_TRUE(Same(host, other)) << v << ": host " << Show(host) << ", ours " << Show(ours);
        const int scale = std::abs(exact.exponent - 1);
        const double relativeError = (std::max(0, scale - 22) + 4) * DBL_EPSILON / 2;
        const double unitsPerValue = std::stod(exact.digits.substr(0, kCount)); // 1e13 ... 1e14
        EXPECT_LE(DistanceFromTie(exact), relativeError * unitsPerValue)
            << v << ": host " << Show(host) << ", ours " << Show(ours) << " far from a tie";
        ++otherWay;
    }
    // The samples hold many exact and near ties; if none came out differently the comparison above
    // would not be exercising the host's rounding at all.
    EXPECT_GT(otherWay, 0);
    EXPECT_LT(otherWay, compared / 4);
}

} // namespace
} // namespace vimo

#pragma once
// Doubles that exercise a 14-significant-digit decimal conversion, shared by the comparisons with the
// host's and the Windows C library: random bit patterns (every exponent, subnormals, both signs),
// integers of every length, exact decimal ties at the fifteenth digit, their neighbours and the
// nearest doubles to decimal midpoints at every scale.
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace vimo::calc_test {

inline double FromBits(std::uint64_t bits) {
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// A random integer of exactly `length` decimal digits (length 1 ... 18).
inline std::uint64_t RandomDigits(std::mt19937_64& random, int length) {
    std::uint64_t low = 1;
    for (int i = 1; i < length; ++i) low *= 10;
    return std::uniform_int_distribution<std::uint64_t>(low, low * 10 - 1)(random);
}

inline std::vector<double> EdgeValues() {
    return {0.0,
            -0.0,
            0.5,
            1.0 / 3,
            2.0 / 3,
            0.1 + 0.2,
            1e-9,
            1e-10,
            1e10,
            99999999999999.5,
            9.99999999999995,
            9.999999999999995,
            0.99999999999999989,
            DBL_MIN,
            -DBL_MIN,
            DBL_MAX,
            -DBL_MAX,
            DBL_TRUE_MIN,
            DBL_EPSILON,
            1e22,
            1e23,
            1e300,
            1e-300,
            4.35,
            100000000000005.0,
            1234567890123.25};
}

// count values of each kind; reproducible (fixed seed).
inline std::vector<double> SampleValues(std::size_t count) {
    std::mt19937_64 random(20240611);
    std::vector<double> values = EdgeValues();
    auto add = [&values](double v) {
        values.push_back(v);
        values.push_back(-v);
    };
    for (std::size_t i = 0; i < count; ++i) {
        double v = FromBits(random());
        while (!std::isfinite(v)) v = FromBits(random());
        values.push_back(v);
    }
    for (std::size_t i = 0; i < count; ++i) {
        add(static_cast<double>(RandomDigits(random, 1 + static_cast<int>(i % 16))));
        add(static_cast<double>(random() >> (11 + i % 50)));
    }
    for (std::size_t i = 0; i < count; ++i) {
        // n + k / 2^j with odd k has j decimals ending in 5; with 15 - j integer digits the fifteenth
        // significant digit is that 5: an exact tie at 14 digits.
        const int j = 1 + static_cast<int>(i % 10);
        const double n = static_cast<double>(RandomDigits(random, 15 - j));
        const double k = static_cast<double>((random() % (std::uint64_t{1} << (j - 1))) * 2 + 1);
        const double tie = n + std::ldexp(k, -j);
        add(tie);
        add(std::nextafter(tie, 0.0));
        add(std::nextafter(tie, HUGE_VAL));
        const double integerTie = static_cast<double>(RandomDigits(random, 14) * 10 + 5);
        add(integerTie);
        add(std::nextafter(integerTie, 0.0));
        add(std::nextafter(integerTie, HUGE_VAL));
    }
    for (std::size_t i = 0; i < count; ++i) {
        // The double nearest to a 15-digit decimal ending in 5, at a random scale: a near tie.
        const int scale = static_cast<int>(random() % 616) - 308;
        const std::string text = std::to_string(RandomDigits(random, 14)) + "5e" + std::to_string(scale);
        const double v = std::strtod(text.c_str(), nullptr);
        if (std::isfinite(v) && v != 0) add(v);
    }
    return values;
}

} // namespace vimo::calc_test

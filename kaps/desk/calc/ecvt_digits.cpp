#include "kaps/desk/calc/ecvt_digits.h"

#include <cstdint>
#include <cstring>
#include <vector>

namespace vimo {

namespace {

// An unsigned big integer, least significant 32-bit limb first. A double's exact value needs at most
// about 2 550 bits (the smallest subnormal's 53-bit mantissa times 5^1074).
using BigNumber = std::vector<std::uint32_t>;

constexpr std::uint32_t kFivePow13 = 1220703125; // the largest power of five that fits a limb
constexpr std::uint32_t kChunkBase = 1000000000; // nine decimal digits
constexpr int kChunkDigits = 9;

void MultiplySmall(BigNumber& number, std::uint32_t factor) {
    std::uint64_t carry = 0;
    for (std::uint32_t& limb : number) {
        const std::uint64_t product = static_cast<std::uint64_t>(limb) * factor + carry;
        limb = static_cast<std::uint32_t>(product);
        carry = product >> 32;
    }
    if (carry != 0) number.push_back(static_cast<std::uint32_t>(carry));
}

void ShiftLeft(BigNumber& number, int bits) {
    const int rest = bits % 32;
    if (rest != 0) {
        std::uint32_t carry = 0;
        for (std::uint32_t& limb : number) {
            const std::uint64_t shifted = (static_cast<std::uint64_t>(limb) << rest) | carry;
            limb = static_cast<std::uint32_t>(shifted);
            carry = static_cast<std::uint32_t>(shifted >> 32);
        }
        if (carry != 0) number.push_back(carry);
    }
    number.insert(number.begin(), static_cast<std::size_t>(bits / 32), 0u);
}

void MultiplyByPowerOfFive(BigNumber& number, int power) {
    for (; power >= 13; power -= 13) MultiplySmall(number, kFivePow13);
    std::uint32_t factor = 1;
    for (; power > 0; --power) factor *= 5;
    MultiplySmall(number, factor);
}

// The decimal digits of a non-zero number, most significant first.
std::string ToDecimal(BigNumber number) {
    std::vector<std::uint32_t> chunks; // base 10^9, least significant first
    while (!number.empty()) {
        std::uint64_t remainder = 0;
        for (std::size_t i = number.size(); i-- > 0;) {
            const std::uint64_t current = (remainder << 32) | number[i];
            number[i] = static_cast<std::uint32_t>(current / kChunkBase);
            remainder = current % kChunkBase;
        }
        chunks.push_back(static_cast<std::uint32_t>(remainder));
        while (!number.empty() && number.back() == 0) number.pop_back();
    }
    std::string text = std::to_string(chunks.back());
    for (std::size_t i = chunks.size() - 1; i-- > 0;) {
        char block[kChunkDigits];
        std::uint32_t chunk = chunks[i];
        for (int d = kChunkDigits - 1; d >= 0; --d) {
            block[d] = static_cast<char>('0' + chunk % 10);
            chunk /= 10;
        }
        text.append(block, kChunkDigits);
    }
    return text;
}

// Cuts the exact digits to `count`, rounding half away from zero; a carry out of the first digit
// moves the decimal point.
void RoundToCount(EcvtDigits& result, int count) {
    std::string& digits = result.digits;
    const auto size = static_cast<std::size_t>(count);
    if (digits.size() <= size) {
        digits.append(size - digits.size(), '0');
        return;
    }
    const bool up = digits[size] >= '5';
    digits.resize(size);
    if (!up) return;
    for (std::size_t i = size; i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return;
        }
        digits[i] = '0';
    }
    digits[0] = '1';
    ++result.exponent;
}

} // namespace

EcvtDigits ToEcvtDigits(double value, int count) {
    std::uint64_t bits = 0;
    static_assert(sizeof bits == sizeof value, "double must be 64 bits");
    std::memcpy(&bits, &value, sizeof bits);

    EcvtDigits result;
    result.negative = (bits >> 63) != 0;
    const int biasedExponent = static_cast<int>((bits >> 52) & 0x7ff);
    std::uint64_t mantissa = bits & ((std::uint64_t{1} << 52) - 1);
    if (biasedExponent == 0x7ff) return result;
    if (mantissa == 0 && biasedExponent == 0) {
        result.digits.assign(static_cast<std::size_t>(count), '0');
        return result;
    }

    // value = mantissa * 2^binaryExponent exactly.
    int binaryExponent = -1074;
    if (biasedExponent != 0) {
        mantissa |= std::uint64_t{1} << 52;
        binaryExponent = biasedExponent - 1075;
    }
    while ((mantissa & 1) == 0 && binaryExponent < 0) {
        mantissa >>= 1;
        ++binaryExponent;
    }

    BigNumber number{static_cast<std::uint32_t>(mantissa), static_cast<std::uint32_t>(mantissa >> 32)};
    if (number.back() == 0) number.pop_back();
    if (binaryExponent >= 0) {
        ShiftLeft(number, binaryExponent);
        result.digits = ToDecimal(number);
        result.exponent = static_cast<int>(result.digits.size());
    } else {
        // mantissa / 2^k = mantissa * 5^k / 10^k
        MultiplyByPowerOfFive(number, -binaryExponent);
        result.digits = ToDecimal(number);
        result.exponent = static_cast<int>(result.digits.size()) + binaryExponent;
    }
    RoundToCount(result, count);
    return result;
}

} // namespace vimo

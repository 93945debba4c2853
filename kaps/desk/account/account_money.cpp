#include "kaps/desk/account/account_money.h"

#include <limits>

namespace vimo {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

// Accumulates a digit; false once the value would pass kMaxLineCents.
bool PushDigit(Cents& value, char digit) {
    const Cents next = value * 10 + (digit - '0');
    if (value > kMaxLineCents / 10 || next > kMaxLineCents) return false;
    value = next;
    return true;
}

// Skips leading blanks and reads an optional sign; true for "-".
bool ReadSign(const std::string& text, std::size_t& i) {
    while (i < text.size() && IsBlank(text[i])) ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) return text[i++] == '-';
    return false;
}

} // namespace

Cents CentsFromTyped(const std::string& text) {
    std::size_t i = 0;
    const bool negative = ReadSign(text, i);
    Cents cents = 0;
    bool within = true;
    for (; i < text.size() && IsDigit(text[i]); ++i) within = within && PushDigit(cents, text[i]);
    int decimals = 0;
    if (i < text.size() && text[i] == '.')
        for (++i; i < text.size() && IsDigit(text[i]) && decimals < 2; ++i, ++decimals)
            within = within && PushDigit(cents, text[i]);
    for (; decimals < 2; ++decimals) within = within && PushDigit(cents, '0');
    if (!within) cents = kMaxLineCents;
    return negative ? -cents : cents;
}

Cents CentsFromStored(const std::string& text) {
    std::size_t i = 0;
    const bool negative = ReadSign(text, i);
    Cents cents = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i)
        if (!PushDigit(cents, text[i])) return 0;
    return negative ? -cents : cents;
}

bool ParseStoredCents(const std::string& text, Cents& cents) {
    std::size_t end = text.size();
    if (end > 0 && text[end - 1] == '\r') --end;
    std::size_t i = 0;
    const bool negative = i < end && text[i] == '-';
    if (negative) ++i;
    if (i == end) return false;
    Cents value = 0;
    for (; i < end; ++i)
        if (!IsDigit(text[i]) || !PushDigit(value, text[i])) return false;
    cents = negative ? -value : value;
    return true;
}

std::string StoredCents(Cents cents) { return std::to_string(cents); }

std::string AmountText(Cents cents) {
    if (cents < 0) {
        // -INT64_MIN does not exist; no amount comes near it, but a sum that stopped there prints.
        if (cents == std::numeric_limits<Cents>::min()) cents = -std::numeric_limits<Cents>::max();
        return "-" + AmountText(-cents);
    }
    std::string digits = std::to_string(cents);
    if (digits.size() < 3) digits.insert(0, 3 - digits.size(), '0');
    digits.insert(digits.size() - 2, 1, '.');
    return digits;
}

Cents AddCents(Cents a, Cents b) {
    Cents sum = 0;
    if (!__builtin_add_overflow(a, b, &sum)) return sum;
    return b > 0 ? std::numeric_limits<Cents>::max() : std::numeric_limits<Cents>::min();
}

std::string FilterAmountField(const std::string& text, std::size_t& caret) {
    std::string kept;
    kept.reserve(text.size());
    bool point = false;
    std::size_t newCaret = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const bool keep = IsDigit(c) || (c == '.' && !point);
        if (c == '.' && keep) point = true;
        if (!keep) continue;
        kept += c;
        if (i < caret) ++newCaret;
    }
    caret = newCaret;
    return kept;
}

} // namespace vimo

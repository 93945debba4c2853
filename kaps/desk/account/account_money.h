#pragma once
// Money of the account book: whole cents end to end, so no sum or text ever drifts. Amounts come
// in as typed decimal text or as stored cent counts, and go out as "12.34".
#include <cstdint>
#include <string>

namespace vimo {

using Cents = std::int64_t;

// The largest amount a line holds (every 15-character amount the line dialog accepts fits).
constexpr Cents kMaxLineCents = 99'999'999'999'999'999;

// A typed amount in whole cents: the text read as a decimal number (leading blanks, an optional
// sign, digits, an optional "." and digits; reading stops at anything else), its digits after the
// second decimal dropped. No number reads as 0; the value is kept within +-kMaxLineCents.
Cents CentsFromTyped(const std::string& text);

// A stored cent count: optional blanks and sign, then digits; a fraction or anything after the
// digits is ignored. No number, or one beyond +-kMaxLineCents, reads as 0.
Cents CentsFromStored(const std::string& text);
// Strictly a stored cent count: the whole text is an optional "-" and 1 to 18 digits within
// +-kMaxLineCents (a CR at the end allowed). False otherwise.
bool ParseStoredCents(const std::string& text, Cents& cents);
// A cent count as stored: its decimal digits, "-" first when negative (1234 -> "1234").
std::string StoredCents(Cents cents);

// An amount for display: "12.34" for 1234, "0.05" for 5, "-0.05" for -5.
std::string AmountText(Cents cents);

// Sum that stops at the ends of the range instead of wrapping.
Cents AddCents(Cents a, Cents b);

// An amount field as the user types: every character outside "0123456789." removed and only the
// first "." kept. caret (a character index into text) is moved back by the removals before it.
std::string FilterAmountField(const std::string& text, std::size_t& caret);

} // namespace vimo

#pragma once

#include <string>
#include <string_view>

// The amount fields' number rules: a non-negative value with two decimals, at
// most 999999999999.99.
namespace norvalt {

constexpr long double kMaxAmount = 999999999999.99L;

// Reads a text into an amount: blanks at both ends and thousands separators
// removed, "." or "," as the decimal separator; empty or "-" alone is 0; the
// value is kept between 0 and kMaxAmount. Raises EConvertError for a text
// that still is not a number.
long double ReadAmount(std::string_view text);
// The same, but 0 for a text that cannot be read.
long double ReadAmountOrZero(std::string_view text);
// The edit text of an amount: at most two decimals, no separators, no
// trailing zeros; empty for zero.
std::string AmountEditText(long double value);
// The display text: thousands separators and two decimals (1,234,567.50).
std::string AmountDisplayText(long double value);

} // namespace norvalt

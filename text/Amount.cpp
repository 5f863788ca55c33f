#include "text/Amount.h"

#include <algorithm>
#include <cmath>

#include "text/Exception.h"
#include "text/Numbers.h"
#include "text/Strings.h"

namespace norvalt {

namespace {

// The text without blanks at its ends and without thousands separators, as
// the amount edit reads it. A "," followed by exactly one or two digits at
// the end, with no "." in the text, is a decimal separator.
std::string Clean(std::string_view text) {
    std::string s(Trim(text));
    const std::size_t comma = s.rfind(',');
    if (comma != std::string::npos && s.find('.') == std::string::npos) {
        const std::size_t after = s.size() - comma - 1;
        if (after >= 1 && after <= 2) {
            s[comma] = '.';
        }
    }
    s.erase(std::remove(s.begin(), s.end(), ','), s.end());
    return s;
}

long double Clamp(long double v) {
    return std::clamp(v, 0.0L, kMaxAmount);
}

// Rounds to two decimals, half away from zero on the decimal digits.
long double RoundCents(long double v) {
    return StrToFloat(FormatFloat("#0.00", v));
}

} // namespace

long double ReadAmount(std::string_view text) {
    const std::string s = Clean(text);
    if (s.empty() || s == "-") {
        return 0;
    }
    const auto value = ReadNumber(s);
    if (!value) {
        throw EConvertError::NotAFloat(text);
    }
    return Clamp(RoundCents(*value));
}

long double ReadAmountOrZero(std::string_view text) {
    try {
        return ReadAmount(text);
    } catch (const EConvertError&) {
        return 0;
    }
}

std::string AmountEditText(long double value) {
    const long double rounded = RoundCents(value);
    return rounded == 0 ? std::string() : FloatToStr(rounded);
}

std::string AmountDisplayText(long double value) {
    return FormatFloat(",0.00;,0.00", value);
}

} // namespace norvalt

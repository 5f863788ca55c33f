#include "text/Numbers.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <locale.h>
#include <vector>

#include "text/Exception.h"

namespace norvalt {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view TrimBlanks(std::string_view s) {
    while (!s.empty() && s.front() == ' ') {
        s.remove_prefix(1);
    }
    while (!s.empty() && s.back() == ' ') {
        s.remove_suffix(1);
    }
    return s;
}

// Whether s (already trimmed) has the grammar of a number.
bool HasNumberShape(std::string_view s) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        ++i;
    }
    std::size_t digits = 0;
    while (i < s.size() && IsDigit(s[i])) {
        ++i, ++digits;
    }
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && IsDigit(s[i])) {
            ++i, ++digits;
        }
    }
    if (digits == 0) {
        return false;
    }
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
            ++i;
        }
        std::size_t expDigits = 0;
        while (i < s.size() && IsDigit(s[i])) {
            ++i, ++expDigits;
        }
        if (expDigits == 0) {
            return false;
        }
    }
    return i == s.size();
}

locale_t CLocale() {
    static locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return c;
}

template <typename Int> std::optional<Int> ReadWhole(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i == text.size()) {
        return std::nullopt;
    }
    // Accumulate negatively so that the most negative value fits.
    Int value = 0;
    const Int limit = std::numeric_limits<Int>::min();
    for (; i < text.size(); ++i) {
        if (!IsDigit(text[i])) {
            return std::nullopt;
        }
        const Int digit = static_cast<Int>(text[i] - '0');
        if (value < (limit + digit) / 10) {
            return std::nullopt;
        }
        value = static_cast<Int>(value * 10 - digit);
    }
    if (!negative) {
        if (value == limit) {
            return std::nullopt;
        }
        value = static_cast<Int>(-value);
    }
    return value;
}

// A finite non-zero value as decimal digits d0.d1d2... times 10^exponent,
// 18 significant digits, which long double carries exactly enough for.
struct Decimal {
    bool negative = false;
    std::string digits; // no leading zero; empty for zero
    int exponent = 0;

    static Decimal Of(long double value) {
        Decimal d;
        if (value == 0 || !std::isfinite(value)) {
            return d;
        }
        d.negative = value < 0;
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%.17Le", std::fabs(value));
        // buffer: "d.ddddddddddddddddde[+-]xx"
        std::string_view s(buffer);
        const std::size_t e = s.find('e');
        d.digits.push_back(s[0]);
        d.digits.append(s.substr(2, e - 2));
        d.exponent = std::atoi(buffer + e + 1);
        return d;
    }

    // Keeps the first `kept` significant digits, rounding half away from zero
    // on the decimal digits; a value that rounds away entirely becomes zero.
    void RoundTo(int kept) {
        if (digits.empty() || kept >= static_cast<int>(digits.size())) {
            StripZeros();
            return;
        }
        if (kept < 0) {
            digits.clear();
            return;
        }
        const bool up = digits[static_cast<std::size_t>(kept)] >= '5';
        digits.resize(static_cast<std::size_t>(kept));
        if (up) {
            int i = kept - 1;
            while (i >= 0 && digits[static_cast<std::size_t>(i)] == '9') {
                digits[static_cast<std::size_t>(i)] = '0';
                --i;
            }
            if (i < 0) {
                digits.insert(digits.begin(), '1');
                ++exponent;
            } else {
                ++digits[static_cast<std::size_t>(i)];
            }
        }
        StripZeros();
    }

    void StripZeros() {
        while (!digits.empty() && digits.back() == '0') {
            digits.pop_back();
        }
    }

    bool IsZero() const { return digits.empty(); }

    // Digit at decimal position p (10^p), '0' outside the stored digits.
    char DigitAt(int p) const {
        const int index = exponent - p;
        return (index >= 0 && index < static_cast<int>(digits.size()))
                   ? digits[static_cast<std::size_t>(index)]
                   : '0';
    }
};

struct Pattern {
    bool thousands = false;
    int minInteger = 0;
    int decimals = 0;
};

Pattern ParsePattern(std::string_view section) {
    Pattern p;
    const std::size_t point = section.find('.');
    const std::string_view integerPart = section.substr(0, point);
    for (char c : integerPart) {
        if (c == ',') {
            p.thousands = true;
        } else if (c == '0') {
            ++p.minInteger;
        }
    }
    if (point != std::string_view::npos) {
        for (char c : section.substr(point + 1)) {
            if (c == '0' || c == '#') {
                ++p.decimals;
            }
        }
    }
    return p;
}

std::string FormatWithPattern(const Pattern& p, long double magnitude) {
    Decimal d = Decimal::Of(magnitude);
    d.RoundTo(d.exponent + 1 + p.decimals);
    const int highest = d.IsZero() ? 0 : std::max(d.exponent, 0);
    std::string out;
    const int integerDigits = std::max(highest + 1, p.minInteger);
    for (int pos = integerDigits - 1; pos >= 0; --pos) {
        const char digit = d.IsZero() ? '0' : d.DigitAt(pos);
        if (out.empty() && digit == '0' && pos >= p.minInteger) {
            continue; // leading zero beyond the pattern's minimum
        }
        out.push_back(digit);
        if (p.thousands && pos > 0 && pos % 3 == 0) {
            out.push_back(',');
        }
    }
    if (p.decimals > 0) {
        out.push_back('.');
        for (int pos = -1; pos >= -p.decimals; --pos) {
            out.push_back(d.IsZero() ? '0' : d.DigitAt(pos));
        }
    }
    return out;
}

} // namespace

std::optional<long double> ReadNumber(std::string_view text) {
    const std::string_view s = TrimBlanks(text);
    if (!HasNumberShape(s)) {
        return std::nullopt;
    }
    const std::string copy(s);
    const long double value = strtold_l(copy.c_str(), nullptr, CLocale());
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

long double StrToFloat(std::string_view text) {
    if (auto value = ReadNumber(text)) {
        return *value;
    }
    throw EConvertError::NotAFloat(text);
}

std::optional<std::int32_t> ReadInt32(std::string_view text) {
    return ReadWhole<std::int32_t>(text);
}
std::optional<std::int64_t> ReadInt64(std::string_view text) {
    return ReadWhole<std::int64_t>(text);
}

std::int32_t StrToInt(std::string_view text) {
    if (auto value = ReadInt32(text)) {
        return *value;
    }
    throw EConvertError::NotAnInteger(text);
}

std::string FloatToStr(long double value) {
    if (std::isnan(value)) {
        return "NAN";
    }
    if (std::isinf(value)) {
        return value < 0 ? "-INF" : "INF";
    }
    Decimal d = Decimal::Of(value);
    d.RoundTo(15);
    if (d.IsZero()) {
        return "0";
    }
    std::string out = d.negative ? "-" : "";
    if (d.exponent >= 15 || d.exponent < -5) {
        out.push_back(d.digits[0]);
        if (d.digits.size() > 1) {
            out.push_back('.');
            out.append(d.digits, 1);
        }
        out += "E" + std::to_string(d.exponent);
        return out;
    }
    if (d.exponent < 0) {
        out += "0.";
        out.append(static_cast<std::size_t>(-d.exponent - 1), '0');
        out += d.digits;
        return out;
    }
    const auto integerDigits = static_cast<std::size_t>(d.exponent + 1);
    if (d.digits.size() <= integerDigits) {
        out += d.digits;
        out.append(integerDigits - d.digits.size(), '0');
    } else {
        out.append(d.digits, 0, integerDigits);
        out.push_back('.');
        out.append(d.digits, integerDigits);
    }
    return out;
}

std::string FormatFloat(std::string_view pattern, long double value) {
    std::vector<std::string_view> sections;
    std::size_t start = 0;
    while (true) {
        const std::size_t semi = pattern.find(';', start);
        sections.push_back(pattern.substr(start, semi - start));
        if (semi == std::string_view::npos) {
            break;
        }
        start = semi + 1;
    }
    const Pattern positive = ParsePattern(sections[0]);
    if (value < 0 && sections.size() >= 2 && !sections[1].empty()) {
        return FormatWithPattern(ParsePattern(sections[1]), -value);
    }
    if (value == 0 && sections.size() >= 3 && !sections[2].empty()) {
        return FormatWithPattern(ParsePattern(sections[2]), 0);
    }
    std::string text = FormatWithPattern(positive, std::fabs(value));
    if (value < 0 && text.find_first_not_of("0.,") != std::string::npos) {
        text.insert(text.begin(), '-');
    }
    return text;
}

} // namespace norvalt

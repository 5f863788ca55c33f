#include "media/FillOps.h"

#include <cmath>
#include <cstring>

#include "text/Exception.h"
#include "text/Literal.h"
#include "text/Numbers.h"

namespace norvalt {

using namespace literals;

void WriteRightAligned(char* out, std::string_view text, std::size_t width, char fill) {
    if (text.size() >= width) {
        detail::CopyBytes(out, text.data(), width);
        return;
    }
    std::size_t missing = width - text.size();
    if (!text.empty() && text[0] == '-') {
        *out++ = '-';
        text.remove_prefix(1);
    }
    std::memset(out, fill, missing);
    detail::CopyBytes(out + missing, text.data(), text.size());
}

void WriteLeftAligned(char* out, std::string_view text, std::size_t width, char fill) {
    if (text.size() >= width) {
        detail::CopyBytes(out, text.data() + (text.size() - width), width);
        return;
    }
    detail::CopyBytes(out, text.data(), text.size());
    std::memset(out + text.size(), fill, width - text.size());
}

namespace {

// Room for width bytes at the end of out.
char* Extend(std::string& out, std::size_t width) {
    const std::size_t at = out.size();
    out.resize(at + width);
    return out.data() + at;
}

} // namespace

void AppendRightAligned(std::string& out, std::string_view text, std::size_t width, char fill) {
    WriteRightAligned(Extend(out, width), text, width, fill);
}

void AppendLeftAligned(std::string& out, std::string_view text, std::size_t width, char fill) {
    WriteLeftAligned(Extend(out, width), text, width, fill);
}

std::string RightAlignFill(std::string_view text, std::size_t width, char fill) {
    std::string out;
    AppendRightAligned(out, text, width, fill);
    return out;
}

std::string LeftAlignFill(std::string_view text, std::size_t width, char fill) {
    std::string out;
    AppendLeftAligned(out, text, width, fill);
    return out;
}

std::string NormaliseRate(std::string_view text, int integerDigits, int decimals) {
    if (integerDigits < 0 || decimals < 0) {
        return {};
    }
    const std::size_t point = text.find('.');
    const std::string_view integerPart = text.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    return std::string(integerPart) + "." + LeftAlignFill(fraction, static_cast<std::size_t>(decimals), '0');
}

std::string RemoveFirstPoint(std::string_view text) {
    std::string out(text);
    if (const std::size_t point = out.find('.'); point != std::string::npos) {
        out.erase(point, 1);
    }
    return out;
}

bool RateInRange(std::string_view text) {
    const long double value = StrToFloat(text);
    return value >= -99.9999L && value <= 999.9999L;
}

std::string FormatNumberText(std::string_view text, std::string_view pattern) {
    const double value = static_cast<double>(ReadNumber(text).value_or(0));
    return FormatFloat(pattern, value);
}

std::string DashForBlank(std::string_view text) {
    if (text == u8"空白"_b5) {
        return "--";
    }
    return std::string(text);
}

namespace {

// Whether every byte is '0' (true for none).
bool AllZeros(std::string_view s) {
    const char* p = s.data();
    const std::size_t n = s.size();
    constexpr std::uint64_t zeros8 = 0x3030303030303030ull;
    if (n >= 8) {
        for (std::size_t i = 0; i + 8 <= n; i += 8) {
            if (detail::Load<std::uint64_t>(p + i) != zeros8) {
                return false;
            }
        }
        return detail::Load<std::uint64_t>(p + n - 8) == zeros8;
    }
    for (std::size_t i = 0; i < n; ++i) {
        if (p[i] != '0') {
            return false;
        }
    }
    return true;
}

} // namespace

// A field of digits only (the common case) takes the exact digit path, which
// gives what the general path gives for such a value. Anything else (blanks,
// a sign, a point, an exponent) takes the general path.
void AppendDecimalRead(std::string& out, std::string_view field, int decimals) {
    if (decimals >= 0 && IsDigitsField(field, static_cast<std::size_t>(decimals))) {
        char text[32];
        out.append(text, WriteDigitsRead(text, field, static_cast<std::size_t>(decimals)));
        return;
    }
    // A number too large for double precision (1e999) is no number here.
    const double value = static_cast<double>(StrToFloat(field));
    if (!std::isfinite(value)) {
        throw EConvertError::NotAFloat(field);
    }
    out += FloatToStr(value / std::pow(10.0, decimals));
}

std::string DecimalRead(std::string_view field, int decimals) {
    std::string out;
    AppendDecimalRead(out, field, decimals);
    return out;
}

// A plain decimal cell (an optional minus, digits, at most m decimals, no more
// than 15 digits in all) times 10^m is a whole number written exactly: the
// digits shifted. Anything else takes the general path.
void WriteDecimalWrite(char* out, std::string_view cell, int decimals, std::size_t width) {
    std::string_view body = cell;
    const bool negative = !body.empty() && body.front() == '-';
    if (negative) {
        body.remove_prefix(1);
    }
    const std::size_t point = detail::FindPoint(body);
    const std::string_view whole = body.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : body.substr(point + 1);
    const auto m = static_cast<std::size_t>(decimals);
    // IsDigitsField: digits only, at least one, at most 15.
    if (decimals >= 0 && (IsDigitsField(whole, 0) || (whole.empty() && !fraction.empty())) &&
        (fraction.empty() || IsDigitsField(fraction, 0)) && fraction.size() <= m && whole.size() + m <= 15) {
        // The digits fit the width: the fill's zeros and the number's leading
        // zeros are the same bytes, so the digits go in as they stand.
        const std::size_t n = whole.size() + m;
        const bool zero = AllZeros(whole) && AllZeros(fraction);
        const std::size_t sign = negative && !zero ? 1 : 0;
        if (n + sign <= width) {
            char* p = out;
            if (sign) {
                *p++ = '-';
            }
            const std::size_t fill = width - n - sign;
            std::memset(p, '0', fill);
            p += fill;
            detail::CopyBytes(p, whole.data(), whole.size());
            p += whole.size();
            detail::CopyBytes(p, fraction.data(), fraction.size());
            p += fraction.size();
            std::memset(p, '0', m - fraction.size());
            return;
        }
        // Wider than the field: the number without its leading zeros, of
        // which the filling keeps the first bytes.
        char digits[16];
        detail::CopyBytes(digits, whole.data(), whole.size());
        detail::CopyBytes(digits + whole.size(), fraction.data(), fraction.size());
        std::memset(digits + whole.size() + fraction.size(), '0', m - fraction.size());
        std::size_t first = 0;
        while (first + 1 < n && digits[first] == '0') {
            ++first;
        }
        char text[17];
        std::size_t length = 0;
        if (sign) {
            text[length++] = '-';
        }
        std::memcpy(text + length, digits + first, n - first);
        length += n - first;
        WriteRightAligned(out, std::string_view(text, length), width, '0');
        return;
    }
    const long double product = StrToFloat(cell) * std::pow(10.0L, decimals);
    if (!std::isfinite(product)) {
        throw EConvertError::NotAFloat(cell);
    }
    WriteRightAligned(out, FloatToStr(product), width, '0');
}

void AppendDecimalWrite(std::string& out, std::string_view cell, int decimals, std::size_t width) {
    // The bytes are only added once the cell has been read as a number.
    char text[64];
    if (width <= sizeof text) {
        WriteDecimalWrite(text, cell, decimals, width);
        out.append(text, width);
    } else {
        std::string wide(width, '0');
        WriteDecimalWrite(wide.data(), cell, decimals, width);
        out += wide;
    }
}

std::string DecimalWrite(std::string_view cell, int decimals, std::size_t width) {
    std::string out;
    AppendDecimalWrite(out, cell, decimals, width);
    return out;
}

} // namespace norvalt

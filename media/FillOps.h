#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

// The text and number operations the record layouts, the checks and the entry
// panels share. Texts are CP950 bytes; widths count bytes.
namespace norvalt {

// Right-aligned filling to width: a text at least width long gives its first
// width bytes; a shorter one gets fill characters in front, after a leading
// "-" when it has one (-15000 to 7 with "0": -015000).
std::string RightAlignFill(std::string_view text, std::size_t width, char fill);
// Left-aligned filling to width: a text at least width long gives its last
// width bytes; a shorter one gets fill characters appended.
std::string LeftAlignFill(std::string_view text, std::size_t width, char fill);
// The text with exactly `decimals` digits after its first ".": a shorter
// fraction gets zeros, a longer one keeps its last digits. Empty when either
// count is negative.
std::string NormaliseRate(std::string_view text, int integerDigits, int decimals);
// The text without its first ".".
std::string RemoveFirstPoint(std::string_view text);
// Whether the number lies between -99.9999 and 999.9999, both included.
// Raises EConvertError for a text that is not a number.
bool RateInRange(std::string_view text);
// The number of the text (0 when it is not one) formatted with a pattern.
std::string FormatNumberText(std::string_view text, std::string_view pattern);
// "--" for the list item "空白"; any other text as it is.
std::string DashForBlank(std::string_view text);

// The same fillings appended to out (no text is made on the way).
void AppendRightAligned(std::string& out, std::string_view text, std::size_t width, char fill);
void AppendLeftAligned(std::string& out, std::string_view text, std::size_t width, char fill);
// The same fillings written at out, which has room for exactly width bytes:
// a filled field is always its width.
void WriteRightAligned(char* out, std::string_view text, std::size_t width, char fill);
void WriteLeftAligned(char* out, std::string_view text, std::size_t width, char fill);

// Decimal read with m decimals: the field read as a number in double
// precision, divided by 10^m, written as number text. Raises EConvertError.
std::string DecimalRead(std::string_view field, int decimals);
void AppendDecimalRead(std::string& out, std::string_view field, int decimals);

// Decimal write with m decimals: the cell read as a number, multiplied by
// 10^m in extended precision, written as number text and right-aligned with
// "0" to the width. Raises EConvertError.
std::string DecimalWrite(std::string_view cell, int decimals, std::size_t width);
void AppendDecimalWrite(std::string& out, std::string_view cell, int decimals, std::size_t width);
// The same written at out, which has room for the width.
void WriteDecimalWrite(char* out, std::string_view cell, int decimals, std::size_t width);

namespace detail {
// Copies n bytes; an empty view's bytes may be a null pointer, which memcpy
// must not be given even for none.
inline void CopyBytes(char* out, const char* from, std::size_t n) {
    if (n > 0) {
        std::memcpy(out, from, n);
    }
}
// Where the first point is (npos for none); short cells are searched in line
// rather than through a library call.
inline std::size_t FindPoint(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '.') {
            return i;
        }
    }
    return std::string_view::npos;
}
// Whether every byte of a word is an ASCII digit: each byte is 0x3_, and adding
// 6 keeps it 0x3_ (no byte can carry into the next once all are 0x3_).
template <typename Word> bool DigitsOnly(Word w) {
    constexpr Word high = static_cast<Word>(0xF0F0F0F0F0F0F0F0ull);
    constexpr Word threes = static_cast<Word>(0x3030303030303030ull);
    constexpr Word sixes = static_cast<Word>(0x0606060606060606ull);
    return (w & high) == threes && ((w + sixes) & high) == threes;
}
template <typename Word> Word Load(const char* p) {
    Word w;
    std::memcpy(&w, p, sizeof w);
    return w;
}
} // namespace detail

// Whether the decimal read of the field may take WriteDigitsRead: digits only,
// at most 15 of them, and no fewer than the decimals. Fields of four digits or
// more are tested a word at a time (a first and a last word that overlap).
inline bool IsDigitsField(std::string_view field, std::size_t decimals) {
    const std::size_t n = field.size();
    if (n == 0 || n > 15 || n < decimals) {
        return false;
    }
    const char* p = field.data();
    if (n >= 8) {
        return detail::DigitsOnly(detail::Load<std::uint64_t>(p)) &&
               detail::DigitsOnly(detail::Load<std::uint64_t>(p + n - 8));
    }
    if (n >= 4) {
        return detail::DigitsOnly(detail::Load<std::uint32_t>(p)) &&
               detail::DigitsOnly(detail::Load<std::uint32_t>(p + n - 4));
    }
    for (std::size_t i = 0; i < n; ++i) {
        if (static_cast<unsigned char>(p[i] - '0') > 9) {
            return false;
        }
    }
    return true;
}

// The decimal read of such a field, written at out; returns the end. A field
// of at most 15 digits is n / 10^m exactly, and its shortest number text is
// the digits with the point put in: no leading zeros before the point (but
// one "0"), no trailing zeros after it, no point for a whole number.
inline char* WriteDigitsRead(char* out, std::string_view field, std::size_t decimals) {
    const char* p = field.data();
    const std::size_t point = field.size() - decimals;
    std::size_t first = 0;
    while (first < point && p[first] == '0') {
        ++first;
    }
    if (first == point) {
        *out++ = '0';
    } else {
        detail::CopyBytes(out, p + first, point - first);
        out += point - first;
    }
    std::size_t end = field.size();
    while (end > point && p[end - 1] == '0') {
        --end;
    }
    if (end > point) {
        *out++ = '.';
        detail::CopyBytes(out, p + point, end - point);
        out += end - point;
    }
    return out;
}

} // namespace norvalt

#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

#include "text/Cp950.h"

namespace norvalt {

// A UTF-8 string literal as a template argument.
template <std::size_t N> struct Utf8Literal {
    char8_t chars[N]{};
    constexpr Utf8Literal(const char8_t (&s)[N]) { std::copy_n(s, N, chars); }
    std::string_view View() const { return {reinterpret_cast<const char*>(chars), N - 1}; }
};

// The CP950 text of a UTF-8 (u8) text, for tables that are built once.
inline std::string Cp950Of(std::u8string_view utf8) {
    return Utf8ToCp950(std::string_view(reinterpret_cast<const char*>(utf8.data()), utf8.size()));
}

namespace literals {

// u8"交易商代號"_b5 is the CP950 text of the literal. Each literal is converted
// once, on first use, and kept; the source's UTF-8 (u8 literals) does not
// depend on the compiler's execution character set.
template <Utf8Literal S> const std::string& operator""_b5() {
    static const std::string converted = Utf8ToCp950(S.View());
    return converted;
}

} // namespace literals
} // namespace norvalt

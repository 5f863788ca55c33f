#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The number conversions every layer reads and writes with. Extended precision
// is long double; the decimal separator is ".".
namespace norvalt {

// A number: blanks around it, an optional sign, digits with at most one ".",
// an optional exponent (e or E, optional sign, digits). Nothing else: no
// thousands separators, no nan, inf or hex. Nothing when the text is not one.
std::optional<long double> ReadNumber(std::string_view text);

// As ReadNumber, but a text that is not a number raises EConvertError.
long double StrToFloat(std::string_view text);

// A whole number: optional blanks before it, an optional sign, then digits
// only. Nothing when the text is not one or does not fit.
std::optional<std::int32_t> ReadInt32(std::string_view text);
std::optional<std::int64_t> ReadInt64(std::string_view text);

inline std::int32_t StrToIntDef(std::string_view text, std::int32_t fallback) {
    return ReadInt32(text).value_or(fallback);
}
inline std::int64_t StrToInt64Def(std::string_view text, std::int64_t fallback) {
    return ReadInt64(text).value_or(fallback);
}
// Raises EConvertError ("'x' is not a valid integer value") for a text that is
// not a whole number.
std::int32_t StrToInt(std::string_view text);

// The shortest number text: general format, at most 15 significant digits, no
// trailing zeros, "0" for zero, a leading minus for negative values; the
// exponent form (1E20, 1.5E-7) where the fixed form would need more than 15
// integer digits or the value is below 0.00001.
std::string FloatToStr(long double value);

// A number formatted with a pattern of the form [,]#*0*[.0*] with optional
// ";"-separated sections for negative and zero values ("#0", "#0.00",
// "#0.0000", ",0.00", ",0.00;,0.00"). Rounds half away from zero on the
// decimal digits. A negative section is written without a minus sign.
std::string FormatFloat(std::string_view pattern, long double value);

} // namespace norvalt

#include "media/FillOps.h"

#include <cmath>

#include "text/Literal.h"
#include "text/Numbers.h"

namespace norvalt {

using namespace literals;

std::string RightAlignFill(std::string_view text, std::size_t width, char fill) {
    if (text.size() >= width) {
        return std::string(text.substr(0, width));
    }
    std::string out(text);
    const std::size_t missing = width - text.size();
    const std::size_t at = (!out.empty() && out[0] == '-') ? 1 : 0;
    out.insert(at, missing, fill);
    return out;
}

std::string LeftAlignFill(std::string_view text, std::size_t width, char fill) {
    if (text.size() >= width) {
        return std::string(text.substr(text.size() - width));
    }
    std::string out(text);
    out.append(width - text.size(), fill);
    return out;
}

std::string NormaliseRate(std::string_view text, int integerDigits, int decimals) {
    if (integerDigits < 0 || decimals < 0) {
        return {};
    }
    const std::size_t point = text.find('.');
    const std::string_view integerPart = text.substr(0, point);
    const std::string_view fraction = point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
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

std::string DecimalRead(std::string_view field, int decimals) {
    const double value = static_cast<double>(StrToFloat(field));
    const double quotient = value / std::pow(10.0, decimals);
    return FloatToStr(quotient);
}

std::string DecimalWrite(std::string_view cell, int decimals, std::size_t width) {
    const long double product = StrToFloat(cell) * std::pow(10.0L, decimals);
    return RightAlignFill(FloatToStr(product), width, '0');
}

} // namespace norvalt

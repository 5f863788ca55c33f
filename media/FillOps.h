#pragma once

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

// Decimal read with m decimals: the field read as a number in double
// precision, divided by 10^m, written as number text. Raises EConvertError.
std::string DecimalRead(std::string_view field, int decimals);
void AppendDecimalRead(std::string& out, std::string_view field, int decimals);
// Decimal write with m decimals: the cell read as a number, multiplied by
// 10^m in extended precision, written as number text and right-aligned with
// "0" to the width. Raises EConvertError.
std::string DecimalWrite(std::string_view cell, int decimals, std::size_t width);
void AppendDecimalWrite(std::string& out, std::string_view cell, int decimals, std::size_t width);

} // namespace norvalt

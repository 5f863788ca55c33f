#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace norvalt {

constexpr std::size_t kTran01Columns = 19;
constexpr std::size_t kTran01LineLength = 121;

using TTran01Cells = std::array<std::string, kTran01Columns>;

// A line's 19 cells as views into one text of their own: the import's way,
// with no text made per cell. Valid until the next parse into it.
struct TTran01Row {
    std::string text;
    std::array<std::string_view, kTran01Columns> cells;
};
bool ParseTran01Row(std::string_view line, TTran01Row& row);

// A 121-byte Tran01 line as the 19 grid cells. Returns false when a rate lies
// outside -99.9999 to 999.9999 (the line is refused). Raises EConvertError for
// a number field that is not a number; `cells` is then left incomplete and
// must not be used.
bool ParseTran01(std::string_view line, TTran01Cells& cells);

// The 121-byte line of a row's 19 cells (missing cells count as empty).
// Raises ECellConvertError (an EConvertError) for a rate or amount cell that
// is not a number.
std::string FormatTran01(std::span<const std::string_view> cells);
// The same line appended to out (which a conversion error leaves as it was).
void AppendTran01(std::span<const std::string_view> cells, std::string& out);
// Raises what making the line would raise, without making it.
void CheckTran01(std::span<const std::string_view> cells);

} // namespace norvalt

#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Comma-separated values as RFC 4180 has them: fields with a comma, a quote,
// a CR or an LF are quoted, quotes doubled; records end with CR LF.
namespace norvalt {

std::string CsvRecord(const std::vector<std::string>& fields);

struct TCsvError {
    std::size_t row = 0;    // from 1
    std::size_t column = 0; // from 1
    std::string message;
};

// Reads CSV text with or without a UTF-8 byte-order mark, with CR LF or LF
// line ends. Nothing, and the error filled in, when the text is malformed.
std::optional<std::vector<std::vector<std::string>>> ParseCsv(std::string_view text, TCsvError& error);

} // namespace norvalt

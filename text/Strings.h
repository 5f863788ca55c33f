#pragma once

#include <string>
#include <string_view>

namespace norvalt {

// The text without blanks and control characters (bytes up to 0x20) at both
// ends.
std::string_view Trim(std::string_view text);
// The text with the ASCII letters a to z made upper case; other bytes as they are.
std::string UpperAscii(std::string_view text);

} // namespace norvalt

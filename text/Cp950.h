#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Code page 950 (Big5) is the program's text model: every text is a
// std::string of CP950 bytes. These conversions are the only way in and out.
namespace norvalt {

// UTF-8 to CP950. Returns nothing when the text holds a character that CP950
// cannot hold (or is not valid UTF-8).
std::optional<std::string> TryUtf8ToCp950(std::string_view utf8);

// UTF-8 to CP950 for texts known to be representable (the program's own
// literals); throws norvalt::Exception otherwise.
std::string Utf8ToCp950(std::string_view utf8);

// CP950 to UTF-8. A byte sequence that does not decode becomes U+FFFD; the
// source bytes themselves are never changed.
std::string Cp950ToUtf8(std::string_view cp950);

// Whether the bytes are valid CP950 text; when not, *badOffset receives the
// offset of the first byte that does not decode.
bool IsValidCp950(std::string_view cp950, std::size_t* badOffset = nullptr);

// Length in bytes of the character starting at text[pos]: 2 for a lead byte
// followed by a byte, else 1.
std::size_t Cp950CharLength(std::string_view text, std::size_t pos);

} // namespace norvalt

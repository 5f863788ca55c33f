#pragma once

#include <string>

namespace norvalt::messages {

// "載入資料有誤！略過\r\n": a line of the wrong length (the line follows).
const std::string& WrongLineLength();
// The rate of an imported or typed record lies out of range.
const std::string& RateFormat();

} // namespace norvalt::messages

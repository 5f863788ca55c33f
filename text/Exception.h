#pragma once

#include <cstddef>
#include <exception>
#include <string>

namespace norvalt {

// The root of the program's own exceptions. The message is code page 950 text,
// ready to be shown in the application's error box.
class Exception : public std::exception {
public:
    explicit Exception(std::string message) : message_(std::move(message)) {}
    const std::string& Message() const noexcept { return message_; }
    const char* what() const noexcept override { return message_.c_str(); }

private:
    std::string message_;
};

// A text that had to be a number and is not one.
class EConvertError : public Exception {
public:
    using Exception::Exception;
    // "'<text>' is not a valid floating point value".
    static EConvertError NotAFloat(std::string_view text);
    // "'<text>' is not a valid integer value".
    static EConvertError NotAnInteger(std::string_view text);
};

// A conversion error in a known cell of a row (column from 0); its message is
// the conversion error's own.
class ECellConvertError : public EConvertError {
public:
    ECellConvertError(std::size_t column, std::string message)
        : EConvertError(std::move(message)), column_(column) {}
    std::size_t Column() const { return column_; }

private:
    std::size_t column_;
};

// An index outside a list: the get-or-create accessors of the grid raise it.
class EListError : public Exception {
public:
    using Exception::Exception;
    static EListError IndexOutOfBounds(long long index);
};

} // namespace norvalt

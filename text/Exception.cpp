#include "text/Exception.h"

namespace norvalt {

EConvertError EConvertError::NotAFloat(std::string_view text) {
    return EConvertError("'" + std::string(text) + "' is not a valid floating point value");
}

EConvertError EConvertError::NotAnInteger(std::string_view text) {
    return EConvertError("'" + std::string(text) + "' is not a valid integer value");
}

EListError EListError::IndexOutOfBounds(long long index) {
    return EListError("List index out of bounds (" + std::to_string(index) + ")");
}

} // namespace norvalt

#include "text/Cp950.h"

#include <cerrno>
#include <iconv.h>
#include <stdexcept>

#include "text/Exception.h"

namespace norvalt {
namespace {

// One open converter per direction and thread; opening iconv is far more
// expensive than a conversion, and the grid converts every painted cell.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1)) {
            throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
        }
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    enum class Stop { Done, Invalid, Incomplete };

    // Converts as much of *in as it can, appending to out; advances *in.
    Stop Run(std::string_view* in, std::string* out) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char* src = const_cast<char*>(in->data());
        std::size_t srcLeft = in->size();
        char buffer[1024];
        while (srcLeft > 0) {
            char* dst = buffer;
            std::size_t dstLeft = sizeof buffer;
            std::size_t rc = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
            int err = errno;
            out->append(buffer, static_cast<std::size_t>(dst - buffer));
            if (rc == static_cast<std::size_t>(-1) && err != E2BIG) {
                *in = std::string_view(src, srcLeft);
                return err == EINVAL ? Stop::Incomplete : Stop::Invalid;
            }
        }
        *in = std::string_view(src, 0);
        return Stop::Done;
    }

private:
    iconv_t cd_;
};

Converter& ToCp950() {
    thread_local Converter c("CP950", "UTF-8");
    return c;
}

Converter& FromCp950() {
    thread_local Converter c("UTF-8", "CP950");
    return c;
}

bool IsAscii(std::string_view s) {
    for (unsigned char ch : s) {
        if (ch >= 0x80) {
            return false;
        }
    }
    return true;
}

} // namespace

std::optional<std::string> TryUtf8ToCp950(std::string_view utf8) {
    if (IsAscii(utf8)) {
        return std::string(utf8);
    }
    std::string out;
    out.reserve(utf8.size());
    if (ToCp950().Run(&utf8, &out) != Converter::Stop::Done) {
        return std::nullopt;
    }
    return out;
}

std::string Utf8ToCp950(std::string_view utf8) {
    auto converted = TryUtf8ToCp950(utf8);
    if (!converted) {
        throw Exception("text cannot be held in code page 950: " + std::string(utf8));
    }
    return *converted;
}

std::string Cp950ToUtf8(std::string_view cp950) {
    if (IsAscii(cp950)) {
        return std::string(cp950);
    }
    std::string out;
    out.reserve(cp950.size() * 3 / 2);
    while (!cp950.empty()) {
        if (FromCp950().Run(&cp950, &out) == Converter::Stop::Done) {
            break;
        }
        out += "\xEF\xBF\xBD"; // U+FFFD for the byte that does not decode
        cp950.remove_prefix(1);
    }
    return out;
}

bool IsValidCp950(std::string_view cp950, std::size_t* badOffset) {
    if (IsAscii(cp950)) {
        return true;
    }
    const std::size_t total = cp950.size();
    std::string sink;
    if (FromCp950().Run(&cp950, &sink) == Converter::Stop::Done) {
        return true;
    }
    if (badOffset) {
        *badOffset = total - cp950.size();
    }
    return false;
}

std::size_t Cp950CharLength(std::string_view text, std::size_t pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    return (lead >= 0x81 && lead <= 0xFE && pos + 1 < text.size()) ? 2 : 1;
}

} // namespace norvalt

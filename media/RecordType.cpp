#include "media/RecordType.h"

#include "text/Strings.h"

namespace norvalt {

std::optional<TRecordType> RecordTypeFromName(std::string_view name) {
    const std::string upper = UpperAscii(name);
    if (upper == "TRAN01") {
        return TRecordType::Tran01;
    }
    if (upper == "TRAN06") {
        return TRecordType::Tran06;
    }
    if (upper == "TRAN06E") {
        return TRecordType::Tran06E;
    }
    if (upper == "TRAN11") {
        return TRecordType::Tran11;
    }
    return std::nullopt;
}

std::optional<TRecordType> RecordTypeFromFileName(const std::filesystem::path& path) {
    return RecordTypeFromName(path.filename().string());
}

int PageOf(TRecordType type) {
    switch (type) {
    case TRecordType::Tran01:
        return 0;
    case TRecordType::Tran06:
    case TRecordType::Tran06E:
        return 1;
    case TRecordType::Tran11:
        return 2;
    }
    return 0;
}

std::size_t LineLength(TRecordType type) {
    return type == TRecordType::Tran11 ? 54 : 121;
}

std::string FileNameOf(TRecordType type) {
    switch (type) {
    case TRecordType::Tran01:
        return "tran01";
    case TRecordType::Tran06:
        return "tran06";
    case TRecordType::Tran06E:
        return "tran06e";
    case TRecordType::Tran11:
        return "tran11";
    }
    return "tran01";
}

} // namespace norvalt

#include "app/FileMessages.h"

#include "text/Cp950.h"
#include "text/Literal.h"

namespace norvalt {

using namespace literals;

namespace {

const std::string& Reason(TFileError error) {
    switch (error) {
    case TFileError::NotFound:
        return u8"找不到檔案。"_b5;
    case TFileError::NoPermission:
        return u8"沒有存取權限。"_b5;
    case TFileError::IsFolder:
        return u8"這是資料夾，不是檔案。"_b5;
    case TFileError::NoSpace:
        return u8"磁碟空間不足。"_b5;
    case TFileError::Other:
        break;
    }
    return u8"系統無法完成讀寫。"_b5;
}

} // namespace

std::string PathText(const std::filesystem::path& path) {
    const std::string utf8 = path.string();
    if (auto cp950 = TryUtf8ToCp950(utf8)) {
        return *cp950;
    }
    std::string out;
    for (unsigned char c : utf8) {
        out.push_back(c < 0x80 ? static_cast<char>(c) : '?');
    }
    return out;
}

std::string ReadFailureText(const std::filesystem::path& path, const TFileFailure& failure) {
    return u8"無法讀取檔案："_b5 + PathText(path) + "\r\n" + Reason(failure.error) + " (" + failure.detail +
           ")";
}

std::string WriteFailureText(const std::filesystem::path& path, const TFileFailure& failure) {
    return u8"匯出失敗，檔案沒有寫入，原有的檔案保持不變："_b5 + PathText(path) + "\r\n" +
           Reason(failure.error) + " (" + failure.detail + ")";
}

} // namespace norvalt

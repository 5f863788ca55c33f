#include "media/Messages.h"

#include "text/Literal.h"

namespace norvalt::messages {

using namespace literals;

const std::string& WrongLineLength() {
    return u8"載入資料有誤！略過\r\n"_b5;
}
const std::string& RateFormat() {
    return u8"資料異動失敗，成交殖利率/百元價輸入格式錯誤，請修正後再執行。"_b5;
}

} // namespace norvalt::messages

#pragma once

#include <string>
#include <string_view>

namespace norvalt {

// The gathered message of a check: every failure's line followed by "\r\n",
// in the order the steps ran.
class TMessageList {
public:
    void Add(std::string_view line) {
        text_ += line;
        text_ += "\r\n";
        ok_ = false;
    }
    bool Ok() const { return ok_; }
    const std::string& Text() const { return text_; }

private:
    std::string text_;
    bool ok_ = true;
};

} // namespace norvalt

#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace norvalt {

// Tags of a formatting record's tagged value list.
enum TPropertyTag : int {
    ptAlignment = 1,
    ptVertAlignment,
    ptWordwrap,
    ptEditable,
    ptTextBorder,
    ptSpanFrom,
    ptSpanTo,
    ptGradientBeginColor,
    ptGradientEndColor,
    ptBrushColor,
    ptSelectedBrushColor,
    ptFontColor,
    ptSelectedFontColor,
};

// A tagged value list as a formatting record writes it.
class TPropertyWriter {
public:
    void Write(int tag, std::int64_t value) { values_.emplace_back(tag, value); }
    const std::vector<std::pair<int, std::int64_t>>& Values() const { return values_; }

private:
    std::vector<std::pair<int, std::int64_t>> values_;
};

// Reads the values of a tagged list back, in order.
class TPropertyReader {
public:
    explicit TPropertyReader(std::vector<std::pair<int, std::int64_t>> values) : values_(std::move(values)) {}
    bool AtEnd() const { return next_ >= values_.size(); }
    int NextTag() const { return values_[next_].first; }
    std::int64_t ReadValue() { return values_[next_++].second; }

private:
    std::vector<std::pair<int, std::int64_t>> values_;
    std::size_t next_ = 0;
};

} // namespace norvalt

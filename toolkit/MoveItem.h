#pragma once

#include <algorithm>
#include <cstddef>

namespace norvalt {

// Moves the element at `from` to `to`; those between shift by one towards
// `from`. Both must be valid indexes.
template <typename Sequence> void MoveItem(Sequence& items, std::size_t from, std::size_t to) {
    if (from == to) {
        return;
    }
    auto f = items.begin() + static_cast<std::ptrdiff_t>(from);
    auto t = items.begin() + static_cast<std::ptrdiff_t>(to);
    if (from < to) {
        std::rotate(f, f + 1, t + 1);
    } else {
        std::rotate(t, f, f + 1);
    }
}

} // namespace norvalt

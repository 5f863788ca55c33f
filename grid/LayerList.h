#pragma once

#include <algorithm>
#include <cstddef>
#include <memory>
#include <vector>

#include "toolkit/MoveItem.h"

namespace norvalt {

// A growable list of nullable, owned entries: reading past the end yields
// none, storing pads the list with empty entries.
template <typename T> class TLayerList {
public:
    T* Get(long long index) const {
        return (index >= 0 && static_cast<std::size_t>(index) < items_.size())
                   ? items_[static_cast<std::size_t>(index)].get()
                   : nullptr;
    }
    std::size_t Size() const { return items_.size(); }
    void PadTo(std::size_t size) {
        if (items_.size() < size) {
            items_.resize(size);
        }
    }
    std::unique_ptr<T>& Slot(std::size_t index) {
        PadTo(index + 1);
        return items_[index];
    }
    // Inserts an empty entry when the list has at least `index` entries.
    void InsertEmpty(std::size_t index) {
        if (items_.size() >= index) {
            items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(index), nullptr);
        }
    }
    // Destroys and removes the entry when the list has one at `index`.
    void Erase(std::size_t index) {
        if (index < items_.size()) {
            items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(index));
        }
    }
    // Destroys and removes every entry from `index` on.
    void Truncate(std::size_t index) {
        if (index < items_.size()) {
            items_.resize(index);
        }
    }
    void Swap(std::size_t a, std::size_t b) {
        PadTo(std::max(a, b) + 1);
        std::swap(items_[a], items_[b]);
    }
    // Takes the entry out at `from` and puts it in at `to`.
    void Move(std::size_t from, std::size_t to) {
        if (from == to) {
            return;
        }
        PadTo(std::max(from, to) + 1);
        MoveItem(items_, from, to);
    }
    auto begin() { return items_.begin(); }
    auto end() { return items_.end(); }

private:
    std::vector<std::unique_ptr<T>> items_;
};

} // namespace norvalt

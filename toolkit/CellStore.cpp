#include "toolkit/CellStore.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace norvalt {
namespace {

// Block layout: uint16 cell count, uint16 flags (1: 32-bit offsets), then the
// offsets of every cell's end, then the bytes.
constexpr std::size_t kHeader = 4;
constexpr std::uint16_t kWide = 1;

std::uint16_t Read16(const unsigned char* p) {
    std::uint16_t v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

std::uint32_t Read32(const unsigned char* p) {
    std::uint32_t v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

} // namespace

std::size_t CellStore::StoredCells(const Block& block) { return block ? Read16(block.get()) : 0; }

std::string_view CellStore::CellOf(const Block& block, std::size_t col) {
    const unsigned char* p = block.get();
    const std::size_t count = Read16(p);
    if (col >= count) {
        return {};
    }
    const bool wide = (Read16(p + 2) & kWide) != 0;
    const std::size_t width = wide ? 4 : 2;
    const unsigned char* ends = p + kHeader;
    auto end = [&](std::size_t i) -> std::size_t { return wide ? Read32(ends + i * 4) : Read16(ends + i * 2); };
    const std::size_t begin = col == 0 ? 0 : end(col - 1);
    const char* data = reinterpret_cast<const char*>(ends + count * width);
    return {data + begin, end(col) - begin};
}

CellStore::Block CellStore::Build(std::span<const std::string_view> cells) {
    std::size_t count = cells.size();
    while (count > 0 && cells[count - 1].empty()) {
        --count;
    }
    if (count == 0) {
        return nullptr;
    }
    std::size_t total = 0;
    for (std::size_t i = 0; i < count; ++i) {
        total += cells[i].size();
    }
    const bool wide = total > 0xFFFF;
    const std::size_t width = wide ? 4 : 2;
    Block block(static_cast<unsigned char*>(::operator new(kHeader + count * width + total)));
    unsigned char* p = block.get();
    const auto count16 = static_cast<std::uint16_t>(count);
    const std::uint16_t flags = wide ? kWide : 0;
    std::memcpy(p, &count16, 2);
    std::memcpy(p + 2, &flags, 2);
    unsigned char* ends = p + kHeader;
    char* data = reinterpret_cast<char*>(ends + count * width);
    std::size_t offset = 0;
    for (std::size_t i = 0; i < count; ++i) {
        if (!cells[i].empty()) {
            std::memcpy(data + offset, cells[i].data(), cells[i].size());
        }
        offset += cells[i].size();
        if (wide) {
            const auto e = static_cast<std::uint32_t>(offset);
            std::memcpy(ends + i * 4, &e, 4);
        } else {
            const auto e = static_cast<std::uint16_t>(offset);
            std::memcpy(ends + i * 2, &e, 2);
        }
    }
    return block;
}

void CellStore::Resize(int colCount, int rowCount) {
    colCount = std::clamp(colCount, 0, 0xFFFF);
    rowCount = std::max(rowCount, 0);
    if (colCount < colCount_) {
        for (int r = 0; r < RowCount(); ++r) {
            if (StoredCells(rows_[static_cast<std::size_t>(r)]) > static_cast<std::size_t>(colCount)) {
                Rebuild(r, static_cast<std::size_t>(colCount), SIZE_MAX, {});
            }
        }
    }
    colCount_ = colCount;
    rows_.resize(static_cast<std::size_t>(rowCount));
}

std::string_view CellStore::Get(int col, int row) const {
    if (row < 0 || row >= RowCount() || col < 0 || col >= colCount_) {
        return {};
    }
    const Block& block = rows_[static_cast<std::size_t>(row)];
    return block ? CellOf(block, static_cast<std::size_t>(col)) : std::string_view();
}

void CellStore::Rebuild(int row, std::size_t count, std::size_t setCol, std::string_view setText) {
    Block& block = rows_[static_cast<std::size_t>(row)];
    // Cells are copied out first: the new block replaces the one they live in.
    std::vector<std::string> texts(count);
    for (std::size_t c = 0; c < count; ++c) {
        texts[c] = c == setCol ? std::string(setText) : std::string(block ? CellOf(block, c) : std::string_view());
    }
    std::vector<std::string_view> views(texts.begin(), texts.end());
    block = Build(views);
}

void CellStore::Set(int col, int row, std::string_view text) {
    if (row < 0 || row >= RowCount() || col < 0 || col >= colCount_) {
        return;
    }
    const Block& block = rows_[static_cast<std::size_t>(row)];
    const std::size_t stored = StoredCells(block);
    if (text.empty() && static_cast<std::size_t>(col) >= stored) {
        return;
    }
    Rebuild(row, std::max(stored, static_cast<std::size_t>(col) + 1), static_cast<std::size_t>(col), text);
}

void CellStore::SetRow(int row, std::span<const std::string_view> cells) {
    if (row < 0 || row >= RowCount()) {
        return;
    }
    rows_[static_cast<std::size_t>(row)] = Build(cells.first(std::min(cells.size(), static_cast<std::size_t>(colCount_))));
}

void CellStore::ClearRow(int row) {
    if (row >= 0 && row < RowCount()) {
        rows_[static_cast<std::size_t>(row)].reset();
    }
}

void CellStore::ClearColumn(int col) {
    for (int r = 0; r < RowCount(); ++r) {
        Set(col, r, {});
    }
}

void CellStore::MoveRow(int from, int to) {
    if (from == to || from < 0 || to < 0 || from >= RowCount() || to >= RowCount()) {
        return;
    }
    auto f = rows_.begin() + from;
    auto t = rows_.begin() + to;
    if (from < to) {
        std::rotate(f, f + 1, t + 1);
    } else {
        std::rotate(t, f, f + 1);
    }
}

void CellStore::ExchangeRows(int a, int b) {
    if (a >= 0 && b >= 0 && a < RowCount() && b < RowCount()) {
        std::swap(rows_[static_cast<std::size_t>(a)], rows_[static_cast<std::size_t>(b)]);
    }
}

void CellStore::MoveCol(int from, int to) {
    if (from == to || from < 0 || to < 0 || from >= colCount_ || to >= colCount_) {
        return;
    }
    std::vector<std::string> texts;
    for (int r = 0; r < RowCount(); ++r) {
        Block& block = rows_[static_cast<std::size_t>(r)];
        if (!block) {
            continue;
        }
        texts.assign(static_cast<std::size_t>(colCount_), std::string());
        for (int c = 0; c < colCount_; ++c) {
            texts[static_cast<std::size_t>(c)] = std::string(CellOf(block, static_cast<std::size_t>(c)));
        }
        auto f = texts.begin() + from;
        auto t = texts.begin() + to;
        if (from < to) {
            std::rotate(f, f + 1, t + 1);
        } else {
            std::rotate(t, f, f + 1);
        }
        std::vector<std::string_view> views(texts.begin(), texts.end());
        block = Build(views);
    }
}

void CellStore::ExchangeCols(int a, int b) {
    if (a == b || a < 0 || b < 0 || a >= colCount_ || b >= colCount_) {
        return;
    }
    for (int r = 0; r < RowCount(); ++r) {
        const std::string ta(Get(a, r));
        const std::string tb(Get(b, r));
        if (ta != tb) {
            Set(a, r, tb);
            Set(b, r, ta);
        }
    }
}

void CellStore::EraseRow(int row) {
    if (row >= 0 && row < RowCount()) {
        rows_.erase(rows_.begin() + row);
    }
}

void CellStore::InsertRow(int row) {
    if (row >= 0 && row <= RowCount()) {
        rows_.insert(rows_.begin() + row, nullptr);
    }
}

std::size_t CellStore::BlockBytes() const {
    std::size_t bytes = rows_.capacity() * sizeof(Block);
    for (const auto& block : rows_) {
        if (block) {
            const std::size_t count = StoredCells(block);
            const bool wide = (Read16(block.get() + 2) & kWide) != 0;
            const std::string_view last = CellOf(block, count - 1);
            const char* data = reinterpret_cast<const char*>(block.get() + kHeader + count * (wide ? 4 : 2));
            bytes += static_cast<std::size_t>(last.data() + last.size() - data) + kHeader + count * (wide ? 4 : 2);
        }
    }
    return bytes;
}

} // namespace norvalt

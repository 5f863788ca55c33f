#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

namespace norvalt {

// The texts of a string grid, by column and row, in one heap block per row:
// a small header, the end offset of every stored cell, then the cells' bytes
// back to back. An empty row costs one null pointer; trailing empty cells are
// not stored. A million records of twenty-odd short cells take a couple of
// hundred bytes each, with no allocation per cell.
class CellStore {
public:
    int ColCount() const { return colCount_; }
    int RowCount() const { return static_cast<int>(rows_.size()); }
    // Growing adds empty rows or columns at the end; shrinking drops them.
    void Resize(int colCount, int rowCount);

    // Empty outside the store.
    std::string_view Get(int col, int row) const;
    void Set(int col, int row, std::string_view text);
    // Replaces a whole row: cells[i] goes to column i, columns past the span
    // become empty.
    void SetRow(int row, std::span<const std::string_view> cells);
    void ClearRow(int row);
    void ClearColumn(int col);

    // Moves one row (column) to another index; those between shift by one.
    void MoveRow(int from, int to);
    void MoveCol(int from, int to);
    void ExchangeRows(int a, int b);
    void ExchangeCols(int a, int b);
    // Removes a row; the rows after it move up and the count drops by one.
    void EraseRow(int row);
    // Inserts an empty row at the index; the count grows by one.
    void InsertRow(int row);

    // Heap bytes the texts take (blocks only, without the allocator's share).
    std::size_t BlockBytes() const;

private:
    struct Free {
        void operator()(unsigned char* p) const { ::operator delete(p); }
    };
    using Block = std::unique_ptr<unsigned char, Free>;

    static std::size_t StoredCells(const Block& block);
    static std::string_view CellOf(const Block& block, std::size_t col);
    static Block Build(std::span<const std::string_view> cells);
    void Rebuild(int row, std::size_t count, std::size_t setCol, std::string_view setText);

    int colCount_ = 0;
    std::vector<Block> rows_;
};

} // namespace norvalt

#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

namespace norvalt {

// The texts of a string grid, by column and row, in one block per row: a
// small header, the end offset of every stored cell (one byte each while the
// row's text is short), then the cells' bytes back to back. An empty row
// costs one null pointer; trailing empty cells are not stored. Blocks come
// from the store's own arena of large chunks, so that a million rows cost no
// allocator overhead per row and the memory is mapped in big pages.
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

    // Bytes the row blocks take.
    std::size_t BlockBytes() const;

    CellStore();
    ~CellStore();
    CellStore(const CellStore&) = delete;
    CellStore& operator=(const CellStore&) = delete;

private:
    using Block = unsigned char*;

    // Blocks by size class (8-byte steps); larger ones from the heap.
    class Arena {
    public:
        Arena() = default;
        ~Arena();
        Arena(const Arena&) = delete;
        Arena& operator=(const Arena&) = delete;
        unsigned char* Allocate(std::size_t bytes);
        void Free(unsigned char* block, std::size_t bytes);

    private:
        static constexpr std::size_t kClassStep = 8;
        static constexpr std::size_t kLargest = 1024;
        std::vector<unsigned char*> freeLists_ =
            std::vector<unsigned char*>(kLargest / kClassStep + 1, nullptr);
        std::vector<std::pair<void*, std::size_t>> chunks_;
        unsigned char* next_ = nullptr;
        std::size_t left_ = 0;
    };

    static std::size_t StoredCells(Block block);
    static std::size_t BlockSize(Block block);
    static std::string_view CellOf(Block block, std::size_t col);
    Block Build(std::span<const std::string_view> cells);
    void Release(Block& block);
    void Rebuild(int row, std::size_t count, std::size_t setCol, std::string_view setText);

    Arena arena_;
    int colCount_ = 0;
    std::vector<Block> rows_;
};

} // namespace norvalt

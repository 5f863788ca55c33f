#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

namespace norvalt {

namespace detail {
// Memory for large tables in big pages (2 MB aligned, asked for as such):
// a fresh page costs a fault, and a big page is one fault instead of 512.
void* MapBigPages(std::size_t bytes);
void UnmapBigPages(void* p, std::size_t bytes);
constexpr std::size_t kBigPage = 2u << 20;

// An allocator that takes tables of a big page or more from MapBigPages.
template <typename T> struct BigPageAllocator {
    using value_type = T;
    BigPageAllocator() = default;
    template <typename U> BigPageAllocator(const BigPageAllocator<U>&) {}
    T* allocate(std::size_t n) {
        return n * sizeof(T) >= kBigPage ? static_cast<T*>(MapBigPages(n * sizeof(T)))
                                         : std::allocator<T>().allocate(n);
    }
    void deallocate(T* p, std::size_t n) {
        n * sizeof(T) >= kBigPage ? UnmapBigPages(p, n * sizeof(T)) : std::allocator<T>().deallocate(p, n);
    }
    friend bool operator==(const BigPageAllocator&, const BigPageAllocator&) = default;
};
} // namespace detail

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
    // A row's cells at once: column i into out[i], for as many columns as out
    // holds (and the store has); the rest of out is left alone. Returns how
    // many were written.
    std::size_t GetRow(int row, std::span<std::string_view> out) const;
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

    // Bytes the row blocks take, and the bytes of big chunks mapped for them.
    std::size_t BlockBytes() const;
    std::size_t MappedBytes() const;

    // Prepares for a bulk load of about `rows` rows with `bytes` bytes of
    // blocks in all: the row table is sized once, and the blocks' memory is
    // one region that a helper thread makes ready (faults in) a little ahead
    // of its use, so that the cost of fresh memory runs beside the work that
    // fills it. Loading past the estimate is fine; the preparation ends with
    // EndReserve (the region stays in use).
    void Reserve(std::size_t rows, std::size_t bytes);
    void EndReserve();

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
        void Reserve(std::size_t bytes);
        void EndReserve();
        std::size_t MappedBytes() const;

    private:
        class Warmer;
        unsigned char* MapChunk(std::size_t bytes);
        static constexpr std::size_t kClassStep = 8;
        static constexpr std::size_t kLargest = 1024;
        std::vector<unsigned char*> freeLists_ =
            std::vector<unsigned char*>(kLargest / kClassStep + 1, nullptr);
        std::vector<std::pair<void*, std::size_t>> chunks_;
        unsigned char* next_ = nullptr;
        std::size_t left_ = 0;
        std::size_t freeBytes_ = 0; // in the free lists
        std::unique_ptr<Warmer> warmer_;
    };

    static std::size_t StoredCells(Block block);
    static std::size_t BlockSize(Block block);
    static std::string_view CellOf(Block block, std::size_t col);
    Block Build(std::span<const std::string_view> cells);
    void Release(Block& block);
    void Rebuild(int row, std::size_t count, std::size_t setCol, std::string_view setText);

    Arena arena_;
    int colCount_ = 0;
    std::vector<Block, detail::BigPageAllocator<Block>> rows_;
};

} // namespace norvalt

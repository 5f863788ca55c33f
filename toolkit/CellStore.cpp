#include "toolkit/CellStore.h"

#include "toolkit/MoveItem.h"

#include <algorithm>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <new>
#include <stop_token>
#include <string>
#include <sys/mman.h>
#include <thread>

namespace norvalt {
namespace {

// Block layout: uint16 cell count, uint16 offset width (1, 2 or 4 bytes),
// then the offsets of every cell's end, then the bytes.
constexpr std::size_t kHeader = 4;

std::uint16_t Read16(const unsigned char* p) {
    std::uint16_t v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

std::size_t ReadOffset(const unsigned char* p, std::size_t width) {
    switch (width) {
    case 1:
        return *p;
    case 2:
        return Read16(p);
    default: {
        std::uint32_t v;
        std::memcpy(&v, p, sizeof v);
        return v;
    }
    }
}

void WriteOffset(unsigned char* p, std::size_t width, std::size_t value) {
    switch (width) {
    case 1:
        *p = static_cast<unsigned char>(value);
        break;
    case 2: {
        const auto v = static_cast<std::uint16_t>(value);
        std::memcpy(p, &v, 2);
        break;
    }
    default: {
        const auto v = static_cast<std::uint32_t>(value);
        std::memcpy(p, &v, 4);
    }
    }
}

constexpr std::size_t kChunk = 4u << 20;

} // namespace

// ---- big pages ----------------------------------------------------------------

void* detail::MapBigPages(std::size_t bytes) {
    bytes = (bytes + kBigPage - 1) / kBigPage * kBigPage;
    void* raw = ::mmap(nullptr, bytes + kBigPage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (raw == MAP_FAILED) {
        throw std::bad_alloc();
    }
    const auto start = reinterpret_cast<std::uintptr_t>(raw);
    const std::uintptr_t aligned = (start + kBigPage - 1) & ~(kBigPage - 1);
    if (aligned > start) {
        ::munmap(raw, aligned - start);
    }
    if (const std::uintptr_t tail = start + bytes + kBigPage - (aligned + bytes); tail > 0) {
        ::munmap(reinterpret_cast<void*>(aligned + bytes), tail);
    }
    void* base = reinterpret_cast<void*>(aligned);
    ::madvise(base, bytes, MADV_HUGEPAGE);
    return base;
}

void detail::UnmapBigPages(void* p, std::size_t bytes) {
    ::munmap(p, (bytes + kBigPage - 1) / kBigPage * kBigPage);
}

// ---- the arena ----------------------------------------------------------------

// Faults in a reserved region in big-page steps on its own thread, staying a
// little ahead of the arena's use: the pages are populated without being
// written (MADV_POPULATE_WRITE), so the helper never touches a byte the
// arena's owner writes.
class CellStore::Arena::Warmer {
public:
    static constexpr std::size_t kStep = 2u << 20;
    static constexpr std::size_t kAhead = 32u << 20;

    Warmer(unsigned char* begin, std::size_t size)
        : thread_([this, begin, size](std::stop_token stop) { Run(stop, begin, size); }) {}
    ~Warmer() {
        thread_.request_stop();
        thread_.join();
    }
    Warmer(const Warmer&) = delete;
    Warmer& operator=(const Warmer&) = delete;

    // The arena has used the region up to this offset.
    void Used(std::size_t offset) {
        if (offset / kStep == used_ / kStep) {
            return;
        }
        {
            std::lock_guard lock(mutex_);
            used_ = offset;
        }
        wake_.notify_one();
    }

private:
    void Run(std::stop_token stop, unsigned char* begin, std::size_t size) {
#ifdef MADV_POPULATE_WRITE
        std::size_t done = 0;
        while (done < size) {
            {
                std::unique_lock lock(mutex_);
                if (!wake_.wait(lock, stop, [&] { return done < used_ + kAhead; })) {
                    return;
                }
            }
            const std::size_t step = std::min(kStep, size - done);
            if (::madvise(begin + done, step, MADV_POPULATE_WRITE) != 0) {
                return; // an older kernel: the pages fault in on use instead
            }
            done += step;
        }
#else
        (void)stop;
        (void)begin;
        (void)size;
#endif
    }

    std::mutex mutex_;
    std::condition_variable_any wake_;
    std::size_t used_ = 0; // guarded by mutex_ (read unlocked by the owner only)
    std::jthread thread_;
};

CellStore::Arena::~Arena() {
    warmer_.reset();
    for (const auto& [base, size] : chunks_) {
        ::munmap(base, size);
    }
}

unsigned char* CellStore::Arena::MapChunk(std::size_t bytes) {
    bytes = (bytes + detail::kBigPage - 1) / detail::kBigPage * detail::kBigPage;
    void* base = detail::MapBigPages(bytes);
    chunks_.emplace_back(base, bytes);
    next_ = static_cast<unsigned char*>(base);
    left_ = bytes;
    return next_;
}

unsigned char* CellStore::Arena::Allocate(std::size_t bytes) {
    if (bytes > kLargest) {
        return static_cast<unsigned char*>(::operator new(bytes));
    }
    const std::size_t rounded = (bytes + kClassStep - 1) / kClassStep * kClassStep;
    unsigned char*& head = freeLists_[rounded / kClassStep];
    if (head) {
        unsigned char* block = head;
        std::memcpy(&head, block, sizeof head);
        freeBytes_ -= rounded;
        return block;
    }
    if (left_ < rounded) {
        warmer_.reset(); // a reserved region is used up
        MapChunk(kChunk);
    }
    unsigned char* block = next_;
    next_ += rounded;
    left_ -= rounded;
    if (warmer_) {
        warmer_->Used(static_cast<std::size_t>(next_ - static_cast<unsigned char*>(chunks_.back().first)));
    }
    return block;
}

void CellStore::Arena::Reserve(std::size_t bytes) {
    EndReserve();
    // Blocks given back (a cleared grid's) are used before fresh memory.
    bytes -= std::min(bytes, freeBytes_);
    if (bytes <= left_) {
        return;
    }
    unsigned char* base = MapChunk(bytes);
    warmer_ = std::make_unique<Warmer>(base, chunks_.back().second);
}

std::size_t CellStore::Arena::MappedBytes() const {
    std::size_t bytes = 0;
    for (const auto& chunk : chunks_) {
        bytes += chunk.second;
    }
    return bytes;
}

void CellStore::Arena::EndReserve() {
    warmer_.reset();
}

void CellStore::Arena::Free(unsigned char* block, std::size_t bytes) {
    if (bytes > kLargest) {
        ::operator delete(block);
        return;
    }
    const std::size_t rounded = (bytes + kClassStep - 1) / kClassStep * kClassStep;
    unsigned char*& head = freeLists_[rounded / kClassStep];
    std::memcpy(block, &head, sizeof head);
    head = block;
    freeBytes_ += rounded;
}

// ---- blocks -------------------------------------------------------------------

CellStore::CellStore() = default;

CellStore::~CellStore() {
    for (Block& block : rows_) {
        Release(block);
    }
}

std::size_t CellStore::StoredCells(Block block) {
    return block ? Read16(block) : 0;
}

std::size_t CellStore::BlockSize(Block block) {
    const std::size_t count = Read16(block);
    const std::size_t width = Read16(block + 2);
    return kHeader + count * width + ReadOffset(block + kHeader + (count - 1) * width, width);
}

std::string_view CellStore::CellOf(Block block, std::size_t col) {
    const std::size_t count = Read16(block);
    if (col >= count) {
        return {};
    }
    const std::size_t width = Read16(block + 2);
    const unsigned char* ends = block + kHeader;
    const std::size_t begin = col == 0 ? 0 : ReadOffset(ends + (col - 1) * width, width);
    const std::size_t end = ReadOffset(ends + col * width, width);
    const char* data = reinterpret_cast<const char*>(ends + count * width);
    return {data + begin, end - begin};
}

void CellStore::Release(Block& block) {
    if (block) {
        arena_.Free(block, BlockSize(block));
        block = nullptr;
    }
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
    const std::size_t width = total <= 0xFF ? 1 : total <= 0xFFFF ? 2 : 4;
    Block block = arena_.Allocate(kHeader + count * width + total);
    const auto count16 = static_cast<std::uint16_t>(count);
    const auto width16 = static_cast<std::uint16_t>(width);
    std::memcpy(block, &count16, 2);
    std::memcpy(block + 2, &width16, 2);
    unsigned char* ends = block + kHeader;
    char* data = reinterpret_cast<char*>(ends + count * width);
    // Cells that lie back to back already (a parsed line's) are one copy.
    bool adjacent = true;
    for (std::size_t i = 1; i < count && adjacent; ++i) {
        adjacent = cells[i].data() == cells[i - 1].data() + cells[i - 1].size();
    }
    if (adjacent && total > 0) {
        std::memcpy(data, cells[0].data(), total);
    }
    std::size_t offset = 0;
    for (std::size_t i = 0; i < count; ++i) {
        if (!adjacent && !cells[i].empty()) {
            std::memcpy(data + offset, cells[i].data(), cells[i].size());
        }
        offset += cells[i].size();
        WriteOffset(ends + i * width, width, offset);
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
    for (std::size_t r = static_cast<std::size_t>(rowCount); r < rows_.size(); ++r) {
        Release(rows_[r]);
    }
    rows_.resize(static_cast<std::size_t>(rowCount), nullptr);
}

std::string_view CellStore::Get(int col, int row) const {
    if (row < 0 || row >= RowCount() || col < 0 || col >= colCount_) {
        return {};
    }
    const Block block = rows_[static_cast<std::size_t>(row)];
    return block ? CellOf(block, static_cast<std::size_t>(col)) : std::string_view();
}

std::size_t CellStore::GetRow(int row, std::span<std::string_view> out) const {
    const std::size_t n = std::min(out.size(), static_cast<std::size_t>(colCount_));
    if (row < 0 || row >= RowCount()) {
        std::fill_n(out.begin(), n, std::string_view());
        return n;
    }
    const Block block = rows_[static_cast<std::size_t>(row)];
    const std::size_t stored = std::min(StoredCells(block), n);
    if (stored > 0) {
        const std::size_t width = Read16(block + 2);
        const unsigned char* ends = block + kHeader;
        const char* data = reinterpret_cast<const char*>(ends + Read16(block) * width);
        // One loop per offset width, so that the width is not tested per cell.
        auto views = [&]<std::size_t W>() {
            std::size_t begin = 0;
            for (std::size_t c = 0; c < stored; ++c) {
                const std::size_t end = ReadOffset(ends + c * W, W);
                out[c] = std::string_view(data + begin, end - begin);
                begin = end;
            }
        };
        width == 1 ? views.operator()<1>() : width == 2 ? views.operator()<2>() : views.operator()<4>();
    }
    std::fill(out.begin() + static_cast<std::ptrdiff_t>(stored), out.begin() + static_cast<std::ptrdiff_t>(n),
              std::string_view());
    return n;
}

void CellStore::Rebuild(int row, std::size_t count, std::size_t setCol, std::string_view setText) {
    Block& block = rows_[static_cast<std::size_t>(row)];
    // Cells are copied out first: the new block replaces the one they live in.
    std::vector<std::string> texts(count);
    for (std::size_t c = 0; c < count; ++c) {
        texts[c] =
            c == setCol ? std::string(setText) : std::string(block ? CellOf(block, c) : std::string_view());
    }
    std::vector<std::string_view> views(texts.begin(), texts.end());
    Block rebuilt = Build(views);
    Release(block);
    block = rebuilt;
}

void CellStore::Set(int col, int row, std::string_view text) {
    if (row < 0 || row >= RowCount() || col < 0 || col >= colCount_) {
        return;
    }
    const std::size_t stored = StoredCells(rows_[static_cast<std::size_t>(row)]);
    if (text.empty() && static_cast<std::size_t>(col) >= stored) {
        return;
    }
    Rebuild(row, std::max(stored, static_cast<std::size_t>(col) + 1), static_cast<std::size_t>(col), text);
}

void CellStore::SetRow(int row, std::span<const std::string_view> cells) {
    if (row < 0 || row >= RowCount()) {
        return;
    }
    Block rebuilt = Build(cells.first(std::min(cells.size(), static_cast<std::size_t>(colCount_))));
    Block& block = rows_[static_cast<std::size_t>(row)];
    Release(block);
    block = rebuilt;
}

void CellStore::ClearRow(int row) {
    if (row >= 0 && row < RowCount()) {
        Release(rows_[static_cast<std::size_t>(row)]);
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
    MoveItem(rows_, static_cast<std::size_t>(from), static_cast<std::size_t>(to));
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
        MoveItem(texts, static_cast<std::size_t>(from), static_cast<std::size_t>(to));
        std::vector<std::string_view> views(texts.begin(), texts.end());
        Block rebuilt = Build(views);
        Release(block);
        block = rebuilt;
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
        Release(rows_[static_cast<std::size_t>(row)]);
        rows_.erase(rows_.begin() + row);
    }
}

void CellStore::InsertRow(int row) {
    if (row >= 0 && row <= RowCount()) {
        rows_.insert(rows_.begin() + row, nullptr);
    }
}

void CellStore::Reserve(std::size_t rows, std::size_t bytes) {
    rows_.reserve(rows);
    arena_.Reserve(bytes);
}

void CellStore::EndReserve() {
    arena_.EndReserve();
}

std::size_t CellStore::MappedBytes() const {
    return arena_.MappedBytes();
}

std::size_t CellStore::BlockBytes() const {
    std::size_t bytes = rows_.capacity() * sizeof(Block);
    for (const Block block : rows_) {
        if (block) {
            bytes += BlockSize(block);
        }
    }
    return bytes;
}

} // namespace norvalt

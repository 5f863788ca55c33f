#include "media/ParallelLines.h"

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

namespace norvalt {

namespace {

int Cores() {
    return std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, 8);
}

} // namespace

void CheckEveryRow(int first, int end, const std::function<void(int row)>& checkRow) {
    auto check = [&](int from, int to, std::exception_ptr& error) {
        for (int row = from; row < to; ++row) {
            try {
                checkRow(row);
            } catch (...) {
                error = std::current_exception();
                return;
            }
        }
    };
    constexpr long long kRowsPerThread = 1 << 15;
    const long long rows = std::max(end - first, 0);
    const int threads = static_cast<int>(std::clamp<long long>(rows / kRowsPerThread, 1, Cores()));
    auto bound = [&](int t) { return first + static_cast<int>(rows * t / threads); };
    // Contiguous ranges in row order: each stops at its own first failure, so
    // the first range that failed holds the first failing row.
    std::vector<std::exception_ptr> errors(static_cast<std::size_t>(threads));
    {
        std::vector<std::jthread> helpers;
        for (int t = 1; t < threads; ++t) {
            helpers.emplace_back(
                [&, t] { check(bound(t), bound(t + 1), errors[static_cast<std::size_t>(t)]); });
        }
        check(bound(0), bound(1), errors[0]);
    }
    for (const auto& error : errors) {
        if (error) {
            std::rethrow_exception(error);
        }
    }
}

// Piece i lives in slot i % slots until it is read; a helper may claim piece
// i only once piece i - slots has been read, so a slot is never shared.
struct TLinePieces::State {
    struct Slot {
        std::string bytes;
        std::exception_ptr error;
        bool ready = false;
    };

    State(int firstRow, int endRow, int rows, TMakeLine make)
        : first(firstRow), end(std::max(endRow, firstRow)), rowsPerPiece(std::max(rows, 1)),
          pieces((end - first + rowsPerPiece - 1) / rowsPerPiece), makeLine(std::move(make)) {
        const int helperCount = std::min(Cores(), pieces);
        slots.resize(static_cast<std::size_t>(std::max(2 * helperCount, 1)));
        for (int h = 0; h < helperCount; ++h) {
            helpers.emplace_back([this] { Help(); });
        }
    }

    ~State() {
        {
            std::lock_guard lock(mutex);
            stopping = true;
        }
        changed.notify_all();
        helpers.clear(); // joins
    }

    void Make(int piece, std::string& out, std::exception_ptr& error) {
        const int from = first + piece * rowsPerPiece;
        const int to = std::min(from + rowsPerPiece, end);
        try {
            for (int row = from; row < to; ++row) {
                makeLine(row, out);
            }
        } catch (...) {
            error = std::current_exception();
        }
    }

    void Help() {
        std::string bytes;
        for (;;) {
            int piece = 0;
            {
                std::unique_lock lock(mutex);
                changed.wait(lock, [&] {
                    return stopping || claimed >= pieces || claimed < read + static_cast<int>(slots.size());
                });
                if (stopping || claimed >= pieces) {
                    return;
                }
                piece = claimed++;
            }
            bytes.clear();
            std::exception_ptr error;
            Make(piece, bytes, error);
            {
                std::lock_guard lock(mutex);
                Slot& slot = slots[static_cast<std::size_t>(piece) % slots.size()];
                std::swap(slot.bytes, bytes);
                slot.error = std::move(error); // the helper keeps no share of it
                slot.ready = true;
            }
            changed.notify_all();
        }
    }

    bool Next(std::string& out) {
        std::unique_lock lock(mutex);
        if (read >= pieces) {
            return false;
        }
        Slot& slot = slots[static_cast<std::size_t>(read) % slots.size()];
        changed.wait(lock, [&] { return slot.ready; });
        std::exception_ptr error = std::exchange(slot.error, nullptr);
        if (out.empty()) {
            std::swap(out, slot.bytes);
        } else {
            out += slot.bytes;
        }
        slot.bytes.clear();
        slot.ready = false;
        ++read;
        lock.unlock();
        changed.notify_all();
        if (error) {
            std::rethrow_exception(error);
        }
        return true;
    }

    const int first;
    const int end;
    const int rowsPerPiece;
    const int pieces;
    const TMakeLine makeLine;
    std::mutex mutex;
    std::condition_variable changed;
    std::vector<Slot> slots;
    int claimed = 0; // pieces handed to helpers
    int read = 0;    // pieces handed back
    bool stopping = false;
    std::vector<std::jthread> helpers; // last: they go first
};

TLinePieces::TLinePieces(int first, int end, int rowsPerPiece, TMakeLine makeLine)
    : state_(std::make_unique<State>(first, end, rowsPerPiece, std::move(makeLine))) {}

TLinePieces::~TLinePieces() = default;

bool TLinePieces::Next(std::string& out) {
    return state_->Next(out);
}

} // namespace norvalt

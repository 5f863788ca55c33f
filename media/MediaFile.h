#pragma once

#include <cstring>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace norvalt {

// Splits a file's bytes into lines at CR LF, a lone LF or a lone CR. A
// terminator at the very end does not start another line.
std::vector<std::string_view> SplitLines(std::string_view bytes);

// Splits bytes that arrive in pieces into lines at CR LF, a lone LF or a lone
// CR, exactly as SplitLines does for the whole: a line may span pieces, and a
// CR at the end of one piece pairs with an LF at the start of the next.
class TLineSplitter {
public:
    // Calls onLine(std::string_view) for every line the piece completes.
    template <typename OnLine> void Feed(std::string_view piece, OnLine&& onLine);
    // Ends the input: the last line, when it had no line end.
    template <typename OnLine> void Finish(OnLine&& onLine);

private:
    std::string carry_;
    bool carryOpen_ = false; // bytes of an unfinished line are in carry_ (maybe none)
    bool skipLf_ = false;    // the previous piece ended with CR
};

template <typename OnLine> void TLineSplitter::Feed(std::string_view piece, OnLine&& onLine) {
    std::size_t i = 0;
    if (skipLf_ && !piece.empty()) {
        if (piece[0] == '\n') {
            i = 1;
        }
        skipLf_ = false;
    }
    std::size_t start = i;
    // The next LF is found with memchr (and kept while it lies ahead, so that
    // lines ended by CR alone do not search the rest of the piece each time),
    // then a CR only before it.
    const char* const base = piece.data();
    std::size_t lfAt = 0;
    bool lfKnown = false;
    while (i < piece.size()) {
        if (!lfKnown || lfAt < i) {
            const void* lf = std::memchr(base + i, '\n', piece.size() - i);
            lfAt = lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - base) : piece.size();
            lfKnown = true;
        }
        const void* cr = std::memchr(base + i, '\r', lfAt - i);
        i = cr ? static_cast<std::size_t>(static_cast<const char*>(cr) - base) : lfAt;
        if (i == piece.size()) {
            break;
        }
        const char c = piece[i];
        if (carryOpen_) {
            carry_.append(piece.substr(start, i - start));
            onLine(std::string_view(carry_));
            carry_.clear();
            carryOpen_ = false;
        } else {
            onLine(piece.substr(start, i - start));
        }
        if (c == '\r') {
            if (i + 1 < piece.size()) {
                i += piece[i + 1] == '\n' ? 2 : 1;
            } else {
                skipLf_ = true;
                ++i;
            }
        } else {
            ++i;
        }
        start = i;
    }
    if (start < piece.size()) {
        carry_.append(piece.substr(start));
        carryOpen_ = true;
    }
}

template <typename OnLine> void TLineSplitter::Finish(OnLine&& onLine) {
    if (carryOpen_ && !carry_.empty()) {
        onLine(std::string_view(carry_));
    }
    carry_.clear();
    carryOpen_ = false;
    skipLf_ = false;
}

// Why a file could not be read or written.
enum class TFileError { NotFound, NoPermission, IsFolder, NoSpace, Other };

struct TFileFailure {
    TFileError error;
    std::string detail; // the system's own words, for the curious
};

// The whole file's bytes, or the reason it cannot be read.
struct TReadResult {
    std::string bytes;
    std::optional<TFileFailure> failure;
};
TReadResult ReadWholeFile(const std::filesystem::path& path);

// Reads a file piece by piece into a buffer of its own, so that a large file
// costs no memory of its size; calls onPiece(std::string_view) for each until
// it returns false. Nothing when it succeeded.
std::optional<TFileFailure> ReadFileInPieces(const std::filesystem::path& path,
                                             const std::function<bool(std::string_view)>& onPiece);

// Writes the lines, each followed by CR LF, to a temporary file beside the
// target and then renames it over the target, so that a failure part-way
// leaves an existing file as it was. Nothing when it succeeded.
std::optional<TFileFailure> WriteLinesAtomically(const std::filesystem::path& path,
                                                 const std::vector<std::string>& lines);
// The same for bytes as they stand.
std::optional<TFileFailure> WriteBytesAtomically(const std::filesystem::path& path, std::string_view bytes);
// The same for bytes made piece by piece: fill appends the next bytes to the
// buffer it is given and returns false when it has appended the last; the
// buffer is written out whenever it has grown large, so that the whole never
// needs to be in memory at once.
std::optional<TFileFailure> WriteAtomically(const std::filesystem::path& path,
                                            const std::function<bool(std::string& buffer)>& fill);

} // namespace norvalt

#include "media/MediaFile.h"

#include <cerrno>
#include <condition_variable>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace norvalt {

std::vector<std::string_view> SplitLines(std::string_view bytes) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < bytes.size()) {
        const char c = bytes[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(bytes.substr(start, i - start));
            i += (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ? 2 : 1;
            start = i;
        } else {
            ++i;
        }
    }
    if (start < bytes.size()) {
        lines.push_back(bytes.substr(start));
    }
    return lines;
}

namespace {

TFileFailure FailureOf(int err) {
    TFileError kind = TFileError::Other;
    switch (err) {
    case ENOENT:
    case ENOTDIR:
        kind = TFileError::NotFound;
        break;
    case EACCES:
    case EPERM:
    case EROFS:
        kind = TFileError::NoPermission;
        break;
    case EISDIR:
        kind = TFileError::IsFolder;
        break;
    case ENOSPC:
    case EDQUOT:
        kind = TFileError::NoSpace;
        break;
    default:
        break;
    }
    return {kind, std::strerror(err)};
}

class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int Get() const { return fd_; }
    int Release() {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }

private:
    int fd_;
};

bool WriteAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

// Writes the pieces it is handed on a helper thread, in order, while the
// caller makes the next one; each written piece is also handed to the disk at
// once (sync_file_range), so that the final fsync finds little left to do.
class TPieceWriter {
public:
    explicit TPieceWriter(int fd) : fd_(fd), thread_([this] { Run(); }) {}
    ~TPieceWriter() {
        {
            std::lock_guard lock(mutex_);
            closing_ = true;
        }
        changed_.notify_all();
        thread_.join();
    }
    TPieceWriter(const TPieceWriter&) = delete;
    TPieceWriter& operator=(const TPieceWriter&) = delete;

    // Hands the piece over and gives back an empty buffer to fill; waits
    // while the previous piece is still being written. False (with the
    // error number) once a write has failed.
    bool Put(std::string& piece) {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return !pending_ || error_ != 0; });
        if (error_ != 0) {
            return false;
        }
        std::swap(piece, piece_);
        piece.clear();
        pending_ = true;
        lock.unlock();
        changed_.notify_all();
        return true;
    }
    // Waits until every piece is written; the error number of a failed
    // write, or 0.
    int Finish() {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return !pending_ || error_ != 0; });
        return error_;
    }

private:
    void Run() {
        std::unique_lock lock(mutex_);
        for (;;) {
            changed_.wait(lock, [&] { return pending_ || closing_; });
            if (!pending_) {
                return;
            }
            lock.unlock();
            const bool written = WriteAll(fd_, piece_.data(), piece_.size());
            const int err = written ? 0 : errno;
            if (written) {
#ifdef SYNC_FILE_RANGE_WRITE
                ::sync_file_range(fd_, static_cast<off_t>(offset_), static_cast<off_t>(piece_.size()),
                                  SYNC_FILE_RANGE_WRITE);
#endif
                offset_ += piece_.size();
            }
            lock.lock();
            pending_ = false;
            error_ = err;
            changed_.notify_all();
            if (err != 0) {
                return;
            }
        }
    }

    const int fd_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::string piece_; // being written while pending_
    bool pending_ = false;
    bool closing_ = false;
    int error_ = 0;
    std::size_t offset_ = 0; // the helper's own
    std::thread thread_;
};

} // namespace

TReadResult ReadWholeFile(const std::filesystem::path& path) {
    TReadResult result;
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.Get() < 0) {
        result.failure = FailureOf(errno);
        return result;
    }
    struct stat st {};
    if (::fstat(fd.Get(), &st) != 0) {
        result.failure = FailureOf(errno);
        return result;
    }
    if (S_ISDIR(st.st_mode)) {
        result.failure = FailureOf(EISDIR);
        return result;
    }
    if (S_ISREG(st.st_mode) && st.st_size > 0) {
        result.bytes.reserve(static_cast<std::size_t>(st.st_size));
    }
    char buffer[1 << 16];
    while (true) {
        const ssize_t n = ::read(fd.Get(), buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            result.failure = FailureOf(errno);
            result.bytes.clear();
            return result;
        }
        if (n == 0) {
            break;
        }
        result.bytes.append(buffer, static_cast<std::size_t>(n));
    }
    return result;
}

std::optional<TFileFailure> ReadFileInPieces(const std::filesystem::path& path,
                                             const std::function<bool(std::string_view)>& onPiece) {
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.Get() < 0) {
        return FailureOf(errno);
    }
    struct stat st {};
    if (::fstat(fd.Get(), &st) != 0) {
        return FailureOf(errno);
    }
    if (S_ISDIR(st.st_mode)) {
        return FailureOf(EISDIR);
    }
    std::string buffer(1 << 20, '\0');
    while (true) {
        const ssize_t n = ::read(fd.Get(), buffer.data(), buffer.size());
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return FailureOf(errno);
        }
        if (n == 0) {
            return std::nullopt;
        }
        if (!onPiece(std::string_view(buffer.data(), static_cast<std::size_t>(n)))) {
            return std::nullopt;
        }
    }
}

std::optional<TFileFailure> WriteBytesAtomically(const std::filesystem::path& path, std::string_view bytes) {
    bool given = false;
    return WriteAtomically(path, [&](std::string& buffer) {
        if (!given) {
            buffer.append(bytes);
            given = true;
        }
        return false;
    });
}

std::optional<TFileFailure> WriteAtomically(const std::filesystem::path& requested,
                                            const std::function<bool(std::string& buffer)>& fill) {
    // A link is followed, so that the file it names is replaced, not the link.
    std::filesystem::path path = requested;
    std::error_code ec;
    if (std::filesystem::is_symlink(requested, ec)) {
        const auto resolved = std::filesystem::weakly_canonical(requested, ec);
        if (!ec) {
            path = resolved;
        }
    }
    struct stat target {};
    const bool exists = ::stat(path.c_str(), &target) == 0;
    if (exists && S_ISDIR(target.st_mode)) {
        return FailureOf(EISDIR);
    }
    if (exists && !S_ISREG(target.st_mode)) {
        // A device or a pipe cannot be replaced by renaming a file over it.
        return TFileFailure{TFileError::Other, "not a regular file"};
    }
    std::filesystem::path folder = path.parent_path();
    if (folder.empty()) {
        folder = ".";
    }
    std::string temp = (folder / ("." + path.filename().string() + ".XXXXXX")).string();
    Fd fd(::mkstemp(temp.data()));
    if (fd.Get() < 0) {
        return FailureOf(errno);
    }
    auto fail = [&](int err) {
        ::close(fd.Release());
        ::unlink(temp.c_str());
        return FailureOf(err);
    };
    // The new file gets the old one's permissions, or the usual ones.
    mode_t mode = 0666;
    if (exists) {
        mode = target.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode &= ~mask;
    }
    if (::fchmod(fd.Get(), mode) != 0) {
        return fail(errno);
    }
    constexpr std::size_t kPiece = 1 << 20;
    std::optional<int> writeError;
    {
        TPieceWriter writer(fd.Get());
        std::string buffer;
        bool more = true;
        while (more) {
            try {
                more = fill(buffer);
            } catch (...) {
                // Whatever stops the making of the bytes leaves no file behind
                // (the writer is done with the file before it is closed).
                writer.Finish();
                ::close(fd.Release());
                ::unlink(temp.c_str());
                throw;
            }
            if ((buffer.size() >= kPiece || !more) && !writer.Put(buffer)) {
                break;
            }
        }
        if (const int err = writer.Finish(); err != 0) {
            writeError = err;
        }
    }
    if (writeError) {
        return fail(*writeError);
    }
    if (::fsync(fd.Get()) != 0) {
        return fail(errno);
    }
    if (::close(fd.Release()) != 0) {
        const int err = errno;
        ::unlink(temp.c_str());
        return FailureOf(err);
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        const int err = errno;
        ::unlink(temp.c_str());
        return FailureOf(err);
    }
    return std::nullopt;
}

std::optional<TFileFailure> WriteLinesAtomically(const std::filesystem::path& path,
                                                 const std::vector<std::string>& lines) {
    std::size_t total = 0;
    for (const auto& line : lines) {
        total += line.size() + 2;
    }
    std::string bytes;
    bytes.reserve(total);
    for (const auto& line : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    return WriteBytesAtomically(path, bytes);
}

} // namespace norvalt

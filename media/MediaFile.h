#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace norvalt {

// Splits a file's bytes into lines at CR LF, a lone LF or a lone CR. A
// terminator at the very end does not start another line.
std::vector<std::string_view> SplitLines(std::string_view bytes);

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

// Writes the lines, each followed by CR LF, to a temporary file beside the
// target and then renames it over the target, so that a failure part-way
// leaves an existing file as it was. Nothing when it succeeded.
std::optional<TFileFailure> WriteLinesAtomically(const std::filesystem::path& path,
                                                 const std::vector<std::string>& lines);
// The same for bytes as they stand.
std::optional<TFileFailure> WriteBytesAtomically(const std::filesystem::path& path, std::string_view bytes);

} // namespace norvalt

#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace norvalt {

enum class TRecordType { Tran01, Tran06, Tran06E, Tran11 };

// The record type a file's name stands for: the last path component with
// ASCII letters upper-cased must be TRAN01, TRAN06, TRAN06E or TRAN11 exactly
// (no extension). Nothing for any other name.
std::optional<TRecordType> RecordTypeFromFileName(const std::filesystem::path& path);
// The same for a bare name (the command line's --type).
std::optional<TRecordType> RecordTypeFromName(std::string_view name);

// The tab page of the record type: 0 Tran01, 1 Tran06 and Tran06E, 2 Tran11.
int PageOf(TRecordType type);
// Bytes per line: 121, or 54 for Tran11.
std::size_t LineLength(TRecordType type);
// The file name proposed on export: "tran01", "tran06", "tran06e", "tran11".
std::string FileNameOf(TRecordType type);

} // namespace norvalt

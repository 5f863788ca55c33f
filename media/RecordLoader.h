#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "media/MediaFile.h"
#include "media/RecordType.h"

namespace norvalt {

// What a record type's loop reports, line by line (line numbers from 1).
class TRecordSink {
public:
    virtual ~TRecordSink() = default;
    // A line of the wrong length; it is skipped.
    virtual void WrongLength(std::size_t lineNumber, std::string_view line) = 0;
    // A line the layout refused (a rate out of range); it takes no row.
    virtual void Refused(std::size_t lineNumber, const std::string& message) = 0;
    // A taken line's cells, in file order.
    // The views are valid only during the call.
    virtual void Record(std::size_t lineNumber, std::span<const std::string_view> cells) = 0;
};

struct TConversionFailure {
    std::size_t lineNumber;
    std::string message; // the conversion error's own message
};

struct TLoadSummary {
    std::size_t taken = 0;
    std::size_t skipped = 0; // wrong length
    std::size_t refused = 0;
    // The line whose number field was not a number; the lines after it were
    // not read, and it gave no record.
    std::optional<TConversionFailure> failure;
};

// The loop of a record type over a file's bytes: lines of the wrong length are
// reported and skipped, the others parsed by the type's layout.
TLoadSummary LoadRecords(TRecordType type, std::string_view bytes, TRecordSink& sink);

// The same loop over a file read piece by piece. readFailure is set when the
// file could not be read (then the summary covers what was read before).
TLoadSummary LoadRecordFile(TRecordType type, const std::filesystem::path& path, TRecordSink& sink,
                            std::optional<TFileFailure>& readFailure);

// Whether this build knows the layout of the record type.
bool HasLayout(TRecordType type);

// The type's line for a row's cells; raises EConvertError as the layout does.
std::string FormatRecord(TRecordType type, std::span<const std::string_view> cells);
void AppendRecord(TRecordType type, std::span<const std::string_view> cells, std::string& out);
// Raises what making the line would raise, without making it.
void CheckRecord(TRecordType type, std::span<const std::string_view> cells);

} // namespace norvalt

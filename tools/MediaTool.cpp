#include "tools/MediaTool.h"

#include <optional>
#include <ostream>
#include <sstream>

#include "media/ColumnSets.h"
#include "media/MediaFile.h"
#include "media/Messages.h"
#include "media/RecordLoader.h"
#include "media/RecordType.h"
#include "text/Cp950.h"
#include "text/Exception.h"
#include "tools/Csv.h"
#include "validation/Tran01Check.h"
#include "validation/Tran01FieldRecord.h"

namespace norvalt {

namespace {

enum Exit { kOk = 0, kSkipped = 1, kFailed = 2 };

std::string MediaToolUsageText() {
    return R"(usage: norvalt-media [--type tran01|tran06|tran06e|tran11] COMMAND FILE...

Reads media files exactly as the program's import does. The record type comes
from the file's name (tran01, tran06, tran06e or tran11 in any letter case,
without extension) unless --type names it.

Commands:
  show FILE          Writes the records as tab-separated UTF-8 text: a line of
                     column headings, then one line per record with the texts
                     the grid shows. Tab, CR, LF and backslash in a cell are
                     written as \t, \r, \n and \\.
                       norvalt-media show examples/tran01
  convert IN OUT     From a media file to CSV when OUT ends in .csv (UTF-8 with
                     a byte-order mark, CR LF, a header row, the grid's texts);
                     from CSV to a media file when IN ends in .csv (the record
                     type from OUT's name; the header must be the type's
                     headings; each row is written as the export writes a grid
                     row). Nothing is written when anything cannot be converted.
                       norvalt-media convert examples/tran01 trades.csv
                       norvalt-media convert trades.csv out/tran01
  check FILE         Runs on every record the checks that adding it on its entry
                     panel would run, against the records before it.
                       norvalt-media check examples/tran01

Messages go to standard error as FILE:LINE: message (CSV input: FILE:ROW:COLUMN).
Exit status: 0 everything read / every record passed; 1 lines skipped or
refused, or records failed the check; 2 a usage error, an unreadable file, an
unknown record type or a conversion that could not complete.
)";
}

std::string Utf8(std::string_view cp950) {
    return Cp950ToUtf8(cp950);
}

// A message on one line: its line breaks as spaces.
std::string OneLine(std::string text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) {
        text.pop_back();
    }
    for (char& c : text) {
        if (c == '\r' || c == '\n') {
            c = ' ';
        }
    }
    return text;
}

std::string EscapeCell(std::string_view utf8) {
    std::string out;
    for (char c : utf8) {
        switch (c) {
        case '\t':
            out += "\\t";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\\':
            out += "\\\\";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string EndsWithCsv(const std::string& name) {
    return name.size() >= 4 && (name.compare(name.size() - 4, 4, ".csv") == 0 ||
                                name.compare(name.size() - 4, 4, ".CSV") == 0)
               ? "csv"
               : "";
}

const char* FileErrorText(TFileError e) {
    switch (e) {
    case TFileError::NotFound:
        return "no such file";
    case TFileError::NoPermission:
        return "permission denied";
    case TFileError::IsFolder:
        return "is a folder";
    case TFileError::NoSpace:
        return "no space left";
    case TFileError::Other:
        break;
    }
    return "cannot be read or written";
}

struct Context {
    std::ostream& out;
    std::ostream& err;
    std::optional<TRecordType> forcedType;
};

std::optional<TRecordType> TypeFor(const Context& ctx, const std::string& file) {
    if (ctx.forcedType) {
        return ctx.forcedType;
    }
    const auto type = RecordTypeFromFileName(file);
    if (!type) {
        ctx.err << file
                << ": the name is not tran01, tran06, tran06e or tran11; name the record type with --type\n";
        return std::nullopt;
    }
    if (!HasLayout(*type)) {
        ctx.err << file << ": the record type " << FileNameOf(*type) << " is not supported yet\n";
        return std::nullopt;
    }
    return type;
}

// A media file's records, read as the import reads them; messages reported.
struct MediaRecords : TRecordSink {
    MediaRecords(const Context& c, std::string f) : ctx(c), file(std::move(f)) {}
    void WrongLength(std::size_t line, std::string_view text) override {
        ctx.err << file << ":" << line << ": " << Utf8(OneLine(messages::WrongLineLength())) << " "
                << EscapeCell(Utf8(text)) << "\n";
    }
    void Refused(std::size_t line, const std::string& message) override {
        ctx.err << file << ":" << line << ": " << Utf8(OneLine(message)) << "\n";
    }
    void Record(std::size_t line, std::span<const std::string_view> cells) override {
        records.emplace_back(cells.begin(), cells.end());
        lines.push_back(line);
    }
    const Context& ctx;
    std::string file;
    std::vector<std::vector<std::string>> records;
    std::vector<std::size_t> lines;
    TLoadSummary summary;
    TRecordType type = TRecordType::Tran01;
};

// Reads a media file of the type its name (or --type) gives; nothing when the
// type is unknown, the file cannot be read or a line ended it.
std::optional<MediaRecords> LoadMedia(const Context& ctx, const std::string& file, int& status) {
    const auto type = TypeFor(ctx, file);
    if (!type) {
        status = kFailed;
        return std::nullopt;
    }
    MediaRecords records(ctx, file);
    records.type = *type;
    std::optional<TFileFailure> readFailure;
    records.summary = LoadRecordFile(*type, file, records, readFailure);
    if (readFailure) {
        ctx.err << file << ": " << FileErrorText(readFailure->error) << " (" << readFailure->detail << ")\n";
        status = kFailed;
        return std::nullopt;
    }
    if (records.summary.failure) {
        ctx.err << file << ":" << records.summary.failure->lineNumber << ": "
                << Utf8(records.summary.failure->message) << "\n";
        status = kFailed;
        return std::nullopt;
    }
    status = (records.summary.skipped + records.summary.refused) > 0 ? kSkipped : kOk;
    return records;
}

std::vector<std::string> Headings(TRecordType type) {
    std::vector<std::string> headings;
    for (const auto& c : ColumnSet(PageOf(type))) {
        headings.push_back(c.heading);
    }
    return headings;
}

int Show(const Context& ctx, const std::string& file) {
    int status = kOk;
    const auto records = LoadMedia(ctx, file, status);
    if (!records) {
        return status;
    }
    std::string text;
    const auto headings = Headings(records->type);
    for (std::size_t i = 0; i < headings.size(); ++i) {
        text += (i ? "\t" : "") + EscapeCell(Utf8(headings[i]));
    }
    text += "\n";
    for (const auto& record : records->records) {
        for (std::size_t i = 0; i < record.size(); ++i) {
            text += (i ? "\t" : "") + EscapeCell(Utf8(record[i]));
        }
        text += "\n";
    }
    ctx.out << text;
    return status;
}

int MediaToCsv(const Context& ctx, const std::string& in, const std::string& out) {
    int status = kOk;
    const auto records = LoadMedia(ctx, in, status);
    if (!records) {
        return status;
    }
    std::vector<std::string> utf8;
    for (const auto& h : Headings(records->type)) {
        utf8.push_back(Utf8(h));
    }
    std::string csv = "\xEF\xBB\xBF" + CsvRecord(utf8);
    bool failed = false;
    for (std::size_t r = 0; r < records->records.size(); ++r) {
        utf8.clear();
        const auto& record = records->records[r];
        for (std::size_t c = 0; c < record.size(); ++c) {
            std::size_t bad = 0;
            if (!IsValidCp950(record[c], &bad)) {
                ctx.err << in << ":" << records->lines[r] << ":" << c + 1
                        << ": bytes that are not code page 950 text (at byte " << bad + 1
                        << " of the cell)\n";
                failed = true;
            }
            utf8.push_back(Utf8(record[c]));
        }
        csv += CsvRecord(utf8);
    }
    if (failed) {
        return kFailed;
    }
    if (const auto failure = WriteBytesAtomically(out, csv)) {
        ctx.err << out << ": " << FileErrorText(failure->error) << " (" << failure->detail << ")\n";
        return kFailed;
    }
    return status;
}

int CsvToMedia(const Context& ctx, const std::string& in, const std::string& out) {
    const auto type = TypeFor(ctx, out);
    if (!type) {
        return kFailed;
    }
    const TReadResult read = ReadWholeFile(in);
    if (read.failure) {
        ctx.err << in << ": " << FileErrorText(read.failure->error) << " (" << read.failure->detail << ")\n";
        return kFailed;
    }
    TCsvError csvError;
    const auto rows = ParseCsv(read.bytes, csvError);
    if (!rows) {
        ctx.err << in << ":" << csvError.row << ":" << csvError.column << ": " << csvError.message << "\n";
        return kFailed;
    }
    const auto headings = Headings(*type);
    if (rows->empty()) {
        ctx.err << in << ":1:1: the header row is missing\n";
        return kFailed;
    }
    const auto& header = (*rows)[0];
    for (std::size_t c = 0; c < std::max(header.size(), headings.size()); ++c) {
        if (c >= header.size() || c >= headings.size() || header[c] != Utf8(headings[c])) {
            ctx.err << in << ":1:" << c + 1 << ": the header row must be the " << FileNameOf(*type)
                    << " headings; column " << c + 1 << " should be \""
                    << (c < headings.size() ? Utf8(headings[c]) : std::string()) << "\"\n";
            return kFailed;
        }
    }
    std::vector<std::string> lines;
    bool failed = false;
    for (std::size_t r = 1; r < rows->size(); ++r) {
        const auto& row = (*rows)[r];
        if (row.size() != headings.size()) {
            ctx.err << in << ":" << r + 1 << ":" << std::min(row.size(), headings.size()) + 1
                    << ": the row has " << row.size() << " fields, not " << headings.size() << "\n";
            failed = true;
            continue;
        }
        std::vector<std::string> cells;
        bool rowOk = true;
        for (std::size_t c = 0; c < row.size(); ++c) {
            auto cp950 = TryUtf8ToCp950(row[c]);
            if (!cp950) {
                ctx.err << in << ":" << r + 1 << ":" << c + 1 << ": text that code page 950 cannot hold\n";
                rowOk = false;
                cp950 = std::string();
            }
            cells.push_back(std::move(*cp950));
        }
        if (!rowOk) {
            failed = true;
            continue;
        }
        std::vector<std::string_view> views(cells.begin(), cells.end());
        try {
            lines.push_back(FormatRecord(*type, views));
        } catch (const ECellConvertError& e) {
            ctx.err << in << ":" << r + 1 << ":" << e.Column() + 1 << ": " << Utf8(e.Message()) << "\n";
            failed = true;
        }
    }
    if (failed) {
        return kFailed;
    }
    if (const auto failure = WriteLinesAtomically(out, lines)) {
        ctx.err << out << ": " << FileErrorText(failure->error) << " (" << failure->detail << ")\n";
        return kFailed;
    }
    return kOk;
}

// The records before the one being checked, as grid rows from 1.
class EarlierRecords final : public IRecordRows {
public:
    explicit EarlierRecords(const std::vector<std::vector<std::string>>& records) : records_(records) {}
    void SetCount(std::size_t n) { count_ = n; }
    int RowCount() const override { return static_cast<int>(count_) + 1; }
    std::string_view Cell(int col, int row) const override {
        if (row < 1 || static_cast<std::size_t>(row) > count_) {
            return {};
        }
        const auto& record = records_[static_cast<std::size_t>(row - 1)];
        return static_cast<std::size_t>(col) < record.size()
                   ? std::string_view(record[static_cast<std::size_t>(col)])
                   : std::string_view();
    }

private:
    const std::vector<std::vector<std::string>>& records_;
    std::size_t count_ = 0;
};

int Check(const Context& ctx, const std::string& file) {
    int status = kOk;
    const auto records = LoadMedia(ctx, file, status);
    if (!records) {
        return status;
    }
    EarlierRecords earlier(records->records);
    for (std::size_t r = 0; r < records->records.size(); ++r) {
        const auto& cells = records->records[r];
        earlier.SetCount(r);
        std::vector<std::string_view> views(cells.begin(), cells.end());
        TTran01FieldRecord fields;
        try {
            LoadTran01Row(views, fields);
        } catch (const EConvertError& e) {
            ctx.err << file << ":" << records->lines[r] << ": " << Utf8(e.Message()) << "\n";
            status = kSkipped;
            continue;
        }
        const TTran01CheckResult result = CheckTran01Record(fields.CheckInput(TCheckMode::Adding), earlier);
        if (result.ok) {
            continue;
        }
        status = kSkipped;
        std::istringstream lines(result.message);
        std::string line;
        while (std::getline(lines, line)) {
            if (!line.empty() && line.back() == '\r') {
                line.pop_back();
            }
            if (!line.empty()) {
                ctx.err << file << ":" << records->lines[r] << ": " << Utf8(line) << "\n";
            }
        }
    }
    return status;
}

} // namespace

std::string MediaToolUsage() {
    return MediaToolUsageText();
}

int RunMediaTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    Context ctx{out, err, std::nullopt};
    std::vector<std::string> words;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--help" || args[i] == "-h") {
            out << MediaToolUsageText();
            return kOk;
        }
        if (args[i] == "--type") {
            if (i + 1 >= args.size() || !RecordTypeFromName(args[i + 1])) {
                err << "norvalt-media: --type takes tran01, tran06, tran06e or tran11\n";
                return kFailed;
            }
            ctx.forcedType = RecordTypeFromName(args[++i]);
            if (!HasLayout(*ctx.forcedType)) {
                err << "norvalt-media: the record type " << args[i] << " is not supported yet\n";
                return kFailed;
            }
            continue;
        }
        words.push_back(args[i]);
    }
    auto usage = [&] {
        err << MediaToolUsageText();
        return kFailed;
    };
    if (words.empty()) {
        return usage();
    }
    const std::string& command = words[0];
    if (command == "show" && words.size() == 2) {
        return Show(ctx, words[1]);
    }
    if (command == "check" && words.size() == 2) {
        return Check(ctx, words[1]);
    }
    if (command == "convert" && words.size() == 3) {
        const bool inCsv = !EndsWithCsv(words[1]).empty();
        const bool outCsv = !EndsWithCsv(words[2]).empty();
        if (inCsv == outCsv) {
            err << "norvalt-media: convert needs one CSV file (ending in .csv) and one media file\n";
            return kFailed;
        }
        return outCsv ? MediaToCsv(ctx, words[1], words[2]) : CsvToMedia(ctx, words[1], words[2]);
    }
    return usage();
}

} // namespace norvalt

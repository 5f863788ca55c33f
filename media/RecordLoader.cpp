#include "media/RecordLoader.h"

#include "media/MediaFile.h"
#include "media/Messages.h"
#include "media/Tran01Layout.h"
#include "text/Exception.h"

namespace norvalt {

bool HasLayout(TRecordType type) {
    return type == TRecordType::Tran01;
}

namespace {

// One line after another through the type's layout; stops at a conversion error.
class TRecordLoop {
public:
    TRecordLoop(TRecordType type, TRecordSink& sink) : length_(LineLength(type)), sink_(sink) {}

    // False once a line ended the loop.
    bool Line(std::string_view line) {
        const std::size_t number = ++lineNumber_;
        if (line.size() != length_) {
            ++summary.skipped;
            sink_.WrongLength(number, line);
            return true;
        }
        try {
            if (!ParseTran01Row(line, row_)) {
                ++summary.refused;
                sink_.Refused(number, messages::RateFormat());
                return true;
            }
        } catch (const EConvertError& e) {
            summary.failure = TConversionFailure{number, e.Message()};
            return false;
        }
        ++summary.taken;
        sink_.Record(number, row_.cells);
        return true;
    }

    TLoadSummary summary;

private:
    std::size_t length_;
    TRecordSink& sink_;
    std::size_t lineNumber_ = 0;
    TTran01Row row_;
};

} // namespace

TLoadSummary LoadRecords(TRecordType type, std::string_view bytes, TRecordSink& sink) {
    TRecordLoop loop(type, sink);
    if (HasLayout(type)) {
        for (std::string_view line : SplitLines(bytes)) {
            if (!loop.Line(line)) {
                break;
            }
        }
    }
    return loop.summary;
}

TLoadSummary LoadRecordFile(TRecordType type, const std::filesystem::path& path, TRecordSink& sink,
                            std::optional<TFileFailure>& readFailure) {
    TRecordLoop loop(type, sink);
    readFailure.reset();
    if (!HasLayout(type)) {
        return loop.summary;
    }
    TLineSplitter splitter;
    bool going = true;
    readFailure = ReadFileInPieces(path, [&](std::string_view piece) {
        splitter.Feed(piece, [&](std::string_view line) {
            if (going) {
                going = loop.Line(line);
            }
        });
        return going;
    });
    if (going && !readFailure) {
        splitter.Finish([&](std::string_view line) { loop.Line(line); });
    }
    return loop.summary;
}

std::string FormatRecord(TRecordType type, std::span<const std::string_view> cells) {
    std::string line;
    AppendRecord(type, cells, line);
    return line;
}

void AppendRecord(TRecordType type, std::span<const std::string_view> cells, std::string& out) {
    (void)type; // only the Tran01 layout is built so far
    AppendTran01(cells, out);
}

void CheckRecord(TRecordType type, std::span<const std::string_view> cells) {
    (void)type; // only the Tran01 layout is built so far
    CheckTran01(cells);
}

} // namespace norvalt

#include "media/RecordLoader.h"

#include "media/MediaFile.h"
#include "media/Messages.h"
#include "media/Tran01Layout.h"
#include "text/Exception.h"

namespace norvalt {

bool HasLayout(TRecordType type) { return type == TRecordType::Tran01; }

TLoadSummary LoadRecords(TRecordType type, std::string_view bytes, TRecordSink& sink) {
    TLoadSummary summary;
    if (!HasLayout(type)) {
        return summary;
    }
    const std::size_t length = LineLength(type);
    const std::vector<std::string_view> lines = SplitLines(bytes);
    TTran01Cells cells;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::size_t number = i + 1;
        if (lines[i].size() != length) {
            ++summary.skipped;
            sink.WrongLength(number, lines[i]);
            continue;
        }
        try {
            if (!ParseTran01(lines[i], cells)) {
                ++summary.refused;
                sink.Refused(number, messages::RateFormat());
                continue;
            }
        } catch (const EConvertError& e) {
            summary.failure = TConversionFailure{number, e.Message()};
            return summary;
        }
        ++summary.taken;
        sink.Record(number, cells);
    }
    return summary;
}

std::string FormatRecord(TRecordType type, std::span<const std::string_view> cells) {
    (void)type;
    return FormatTran01(cells);
}

} // namespace norvalt

#include "media/Tran01Layout.h"

#include "media/CodeTable.h"
#include "media/FillOps.h"
#include "text/Exception.h"
#include "text/Strings.h"

namespace norvalt {

namespace {

// Zero-based start and width of a field.
std::string_view Field(std::string_view line, std::size_t start1, std::size_t width) {
    return line.substr(start1 - 1, width);
}

} // namespace

bool ParseTran01Row(std::string_view line, TTran01Row& row) {
    std::string& text = row.text;
    text.clear();
    std::array<std::pair<std::size_t, std::size_t>, kTran01Columns> spans{};
    auto cell = [&](std::size_t column, auto&& append) {
        const std::size_t begin = text.size();
        append();
        spans[column] = {begin, text.size()};
    };
    auto copy = [&](std::size_t column, std::string_view value) { cell(column, [&] { text += value; }); };
    auto decimal = [&](std::size_t column, std::size_t start, std::size_t width, int decimals) {
        cell(column, [&] { AppendDecimalRead(text, Field(line, start, width), decimals); });
    };
    // The rates first: a rate out of range refuses the line before any cell.
    // Seven digits with four implied decimals are always in range; only other
    // forms (a sign, a point, an exponent) need the test.
    const std::pair<std::size_t, std::size_t> rates[] = {{9, 39}, {10, 46}, {11, 53}};
    for (const auto& [column, start] : rates) {
        decimal(column, start, 7, 4);
        const std::string_view field = Field(line, start, 7);
        const auto [b, e] = spans[column];
        if (field.find_first_not_of("0123456789") != std::string_view::npos &&
            !RateInRange(std::string_view(text).substr(b, e - b))) {
            return false;
        }
    }
    copy(0, Trim(Field(line, 1, 4)));
    copy(1, Trim(Field(line, 5, 7)));
    copy(2, Field(line, 13, 5)); // position 12 is a fill character
    copy(3, BusinessTable().Read(line[17]));
    copy(4, Field(line, 19, 10));
    copy(5, SideTable().Read(line[28]));
    copy(6, DealTypeTable().Read(line[29]));
    copy(7, Field(line, 31, 7));
    copy(8, TermTable().Read(line[37]));
    decimal(12, 60, 14, 2);
    decimal(13, 74, 14, 2);
    decimal(14, 88, 6, 0);
    copy(15, CounterpartyTable().Read(line[93]));
    copy(16, SettlementTable().Read(line[94]));
    decimal(17, 96, 13, 0);
    decimal(18, 109, 13, 0);
    for (std::size_t c = 0; c < kTran01Columns; ++c) {
        row.cells[c] = std::string_view(text).substr(spans[c].first, spans[c].second - spans[c].first);
    }
    return true;
}

bool ParseTran01(std::string_view line, TTran01Cells& cells) {
    TTran01Row row;
    if (!ParseTran01Row(line, row)) {
        return false;
    }
    for (std::size_t c = 0; c < kTran01Columns; ++c) {
        cells[c] = std::string(row.cells[c]);
    }
    return true;
}

std::string FormatTran01(std::span<const std::string_view> cells) {
    std::string line;
    line.reserve(kTran01LineLength);
    AppendTran01(cells, line);
    return line;
}

void AppendTran01(std::span<const std::string_view> cells, std::string& line) {
    auto cell = [&](std::size_t i) { return i < cells.size() ? cells[i] : std::string_view(); };
    // A number cell that is not a number names its column.
    auto decimal = [&](std::size_t column, int decimals, std::size_t width) {
        try {
            AppendDecimalWrite(line, cell(column), decimals, width);
        } catch (const EConvertError& e) {
            throw ECellConvertError(column, e.Message());
        }
    };
    // Counts and balances lose their first point, then are filled with zeros.
    auto whole = [&](std::size_t column, std::size_t width) {
        const std::string_view text = cell(column);
        if (text.find('.') == std::string_view::npos) {
            AppendRightAligned(line, text, width, '0');
        } else {
            AppendRightAligned(line, RemoveFirstPoint(text), width, '0');
        }
    };
    AppendRightAligned(line, cell(0), 4, ' ');
    AppendRightAligned(line, cell(1), 7, '0');
    AppendRightAligned(line, cell(2), 6, '0');
    line += BusinessTable().Write(cell(3));
    AppendLeftAligned(line, cell(4), 10, ' ');
    line += SideTable().Write(cell(5));
    line += DealTypeTable().Write(cell(6));
    AppendLeftAligned(line, cell(7), 7, ' ');
    line += TermTable().Write(cell(8));
    decimal(9, 4, 7);
    decimal(10, 4, 7);
    decimal(11, 4, 7);
    decimal(12, 2, 14);
    decimal(13, 2, 14);
    whole(14, 6);
    line += CounterpartyTable().Write(cell(15));
    line += SettlementTable().Write(cell(16));
    whole(17, 13);
    whole(18, 13);
}

} // namespace norvalt

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

bool ParseTran01(std::string_view line, TTran01Cells& cells) {
    // The rates first: a rate out of range refuses the line before any cell.
    // Seven digits with four implied decimals are always in range; only other
    // forms (a sign, a point, an exponent) need the test.
    auto rate = [&](std::size_t start, std::string& text) {
        const std::string_view field = Field(line, start, 7);
        text = DecimalRead(field, 4);
        return field.find_first_not_of("0123456789") == std::string_view::npos || RateInRange(text);
    };
    std::string high, low, average;
    if (!rate(39, high) || !rate(46, low) || !rate(53, average)) {
        return false;
    }
    cells[0] = std::string(Trim(Field(line, 1, 4)));
    cells[1] = std::string(Trim(Field(line, 5, 7)));
    cells[2] = std::string(Field(line, 13, 5)); // position 12 is a fill character
    cells[3] = BusinessTable().Read(line[17]);
    cells[4] = std::string(Field(line, 19, 10));
    cells[5] = SideTable().Read(line[28]);
    cells[6] = DealTypeTable().Read(line[29]);
    cells[7] = std::string(Field(line, 31, 7));
    cells[8] = TermTable().Read(line[37]);
    cells[9] = high;
    cells[10] = low;
    cells[11] = average;
    cells[12] = DecimalRead(Field(line, 60, 14), 2);
    cells[13] = DecimalRead(Field(line, 74, 14), 2);
    cells[14] = DecimalRead(Field(line, 88, 6), 0);
    cells[15] = CounterpartyTable().Read(line[93]);
    cells[16] = SettlementTable().Read(line[94]);
    cells[17] = DecimalRead(Field(line, 96, 13), 0);
    cells[18] = DecimalRead(Field(line, 109, 13), 0);
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

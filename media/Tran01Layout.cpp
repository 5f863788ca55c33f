#include "media/Tran01Layout.h"

#include "media/CodeTable.h"
#include "media/FillOps.h"
#include "text/Exception.h"
#include "text/Strings.h"

#include <algorithm>
#include <cstring>

namespace norvalt {

namespace {

// Zero-based start and width of a field.
std::string_view Field(std::string_view line, std::size_t start1, std::size_t width) {
    return line.substr(start1 - 1, width);
}

// Writes a row's cells one after another into the row's text, which only
// grows: once it has room for a usual row no write needs more than a compare.
class TRowWriter {
public:
    explicit TRowWriter(std::string& text) : text_(text) {
        if (text_.size() < 512) {
            text_.resize(512);
        }
    }
    void Put(std::string_view value) {
        Room(value.size());
        detail::CopyBytes(text_.data() + at_, value.data(), value.size());
        at_ += value.size();
    }
    // A field's decimal read: digits only are written in place; other forms
    // take the general conversion.
    void Decimal(std::string_view field, std::size_t decimals) {
        if (IsDigitsField(field, decimals)) {
            Room(field.size() + 2);
            at_ =
                static_cast<std::size_t>(WriteDigitsRead(text_.data() + at_, field, decimals) - text_.data());
        } else {
            Put(DecimalRead(field, static_cast<int>(decimals)));
        }
    }
    std::size_t At() const { return at_; }
    std::string_view Text(std::size_t begin, std::size_t end) const {
        return std::string_view(text_).substr(begin, end - begin);
    }

private:
    void Room(std::size_t bytes) {
        if (at_ + bytes > text_.size()) {
            text_.resize(std::max(text_.size() * 2, at_ + bytes));
        }
    }
    std::string& text_;
    std::size_t at_ = 0;
};

} // namespace

bool ParseTran01Row(std::string_view line, TTran01Row& row) {
    TRowWriter out(row.text);
    // Every column's span is set below; the array is not cleared per line.
    struct Span {
        std::size_t begin, end;
    };
    std::array<Span, kTran01Columns> spans;
    auto copy = [&](std::size_t column, std::string_view value) {
        const std::size_t begin = out.At();
        out.Put(value);
        spans[column] = {begin, out.At()};
    };
    auto decimal = [&](std::size_t column, std::size_t start, std::size_t width, std::size_t decimals) {
        const std::size_t begin = out.At();
        out.Decimal(Field(line, start, width), decimals);
        spans[column] = {begin, out.At()};
    };
    // The cells are written in column order, so that the row's text is its
    // cells back to back (a store can take it in one copy). The rates come
    // before every other number, so a rate out of range refuses the line
    // before another field can fail. Seven digits with four implied decimals
    // are always in range; only other forms (a sign, a point, an exponent)
    // need the test.
    copy(0, Trim(Field(line, 1, 4)));
    copy(1, Trim(Field(line, 5, 7)));
    copy(2, Field(line, 13, 5)); // position 12 is a fill character
    copy(3, BusinessTable().Read(line[17]));
    copy(4, Field(line, 19, 10));
    copy(5, SideTable().Read(line[28]));
    copy(6, DealTypeTable().Read(line[29]));
    copy(7, Field(line, 31, 7));
    copy(8, TermTable().Read(line[37]));
    const std::pair<std::size_t, std::size_t> rates[] = {{9, 39}, {10, 46}, {11, 53}};
    for (const auto& [column, start] : rates) {
        decimal(column, start, 7, 4);
        const auto [b, e] = spans[column];
        if (!IsDigitsField(Field(line, start, 7), 4) && !RateInRange(out.Text(b, e))) {
            return false;
        }
    }
    decimal(12, 60, 14, 2);
    decimal(13, 74, 14, 2);
    decimal(14, 88, 6, 0);
    copy(15, CounterpartyTable().Read(line[93]));
    copy(16, SettlementTable().Read(line[94]));
    decimal(17, 96, 13, 0);
    decimal(18, 109, 13, 0);
    for (std::size_t c = 0; c < kTran01Columns; ++c) {
        row.cells[c] = out.Text(spans[c].begin, spans[c].end);
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

namespace {

// The rates and amounts: the fields whose cells must be numbers, in the order
// they are written (position from 1, column, decimals, width).
struct TNumberField {
    std::size_t start, column;
    int decimals;
    std::size_t width;
};
constexpr TNumberField kNumberFields[] = {
    {39, 9, 4, 7}, {46, 10, 4, 7}, {53, 11, 4, 7}, {60, 12, 2, 14}, {74, 13, 2, 14}};

// Writes them into a line; a cell that is not a number raises, naming its
// column. Nothing else in a line can fail.
void WriteNumberFields(char* line, std::span<const std::string_view> cells) {
    for (const TNumberField& field : kNumberFields) {
        const std::string_view text = field.column < cells.size() ? cells[field.column] : std::string_view();
        try {
            WriteDecimalWrite(line + field.start - 1, text, field.decimals, field.width);
        } catch (const EConvertError& e) {
            throw ECellConvertError(field.column, e.Message());
        }
    }
}

} // namespace

void CheckTran01(std::span<const std::string_view> cells) {
    char line[kTran01LineLength];
    WriteNumberFields(line, cells);
}

std::string FormatTran01(std::span<const std::string_view> cells) {
    std::string line;
    line.reserve(kTran01LineLength);
    AppendTran01(cells, line);
    return line;
}

void AppendTran01(std::span<const std::string_view> cells, std::string& out) {
    // Every field has its fixed width, so the line is written in place; a
    // cell that is not a number leaves out as it was.
    const std::size_t at = out.size();
    out.resize(at + kTran01LineLength);
    char* const line = out.data() + at;
    auto cell = [&](std::size_t i) { return i < cells.size() ? cells[i] : std::string_view(); };
    // Fields by their first position (from 1) and width.
    auto right = [&](std::size_t start, std::size_t column, std::size_t width, char fill) {
        WriteRightAligned(line + start - 1, cell(column), width, fill);
    };
    auto left = [&](std::size_t start, std::size_t column, std::size_t width) {
        WriteLeftAligned(line + start - 1, cell(column), width, ' ');
    };
    // Counts and balances lose their first point, then are filled with zeros.
    auto whole = [&](std::size_t start, std::size_t column, std::size_t width) {
        const std::string_view text = cell(column);
        if (detail::FindPoint(text) == std::string_view::npos) {
            WriteRightAligned(line + start - 1, text, width, '0');
        } else {
            WriteRightAligned(line + start - 1, RemoveFirstPoint(text), width, '0');
        }
    };
    right(1, 0, 4, ' ');
    right(5, 1, 7, '0');
    right(12, 2, 6, '0');
    line[17] = BusinessTable().Write(cell(3));
    left(19, 4, 10);
    line[28] = SideTable().Write(cell(5));
    line[29] = DealTypeTable().Write(cell(6));
    left(31, 7, 7);
    line[37] = TermTable().Write(cell(8));
    try {
        WriteNumberFields(line, cells);
    } catch (...) {
        out.resize(at);
        throw;
    }
    whole(88, 14, 6);
    line[93] = CounterpartyTable().Write(cell(15));
    line[94] = SettlementTable().Write(cell(16));
    whole(96, 17, 13);
    whole(109, 18, 13);
}

} // namespace norvalt

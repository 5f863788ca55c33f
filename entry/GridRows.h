#pragma once

#include "toolkit/StringGrid.h"
#include "validation/RecordRows.h"

namespace norvalt {

// The grid's rows as the checks read them.
class TGridRows final : public IRecordRows {
public:
    explicit TGridRows(const TStringGrid& grid) : grid_(grid) {}
    int RowCount() const override { return grid_.RowCount(); }
    std::string_view Cell(int col, int row) const override { return grid_.CellView(col, row); }

private:
    const TStringGrid& grid_;
};

} // namespace norvalt

#pragma once

#include <string_view>

namespace norvalt {

// Read access to the records a check compares against (the grid's rows).
class IRecordRows {
public:
    virtual ~IRecordRows() = default;
    virtual int RowCount() const = 0;
    virtual std::string_view Cell(int col, int row) const = 0;
};

} // namespace norvalt

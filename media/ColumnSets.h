#pragma once

#include <string>
#include <vector>

namespace norvalt {

struct TColumnDef {
    std::string heading; // CP950
    int width;
};

// The column set of a tab page: 0 Tran01 (19 columns), 1 Tran06/Tran06E (22),
// 2 Tran11 (7): the grid's headings and widths, and the headings of the
// command-line tool's tables.
const std::vector<TColumnDef>& ColumnSet(int pageIndex);

// The widths the grid starts with, before any column set has been applied
// (the Tran01 set but for a first column of 70).
const std::vector<int>& StartColumnWidths();

} // namespace norvalt

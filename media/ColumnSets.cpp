#include "media/ColumnSets.h"

#include "text/Literal.h"

namespace norvalt {

using namespace literals;

namespace {

std::vector<TColumnDef> Tran01Set() {
    return {
        {u8"交易商代號"_b5, 64},  {u8"成交日期"_b5, 78},    {u8"成交序號"_b5, 65},
        {u8"業務別"_b5, 42},      {u8"客戶身分碼"_b5, 105}, {u8"買賣別"_b5, 40},
        {u8"成交類別"_b5, 100},   {u8"債券代號"_b5, 70},    {u8"約定天數"_b5, 85},
        {u8"最高利率"_b5, 78},    {u8"最低利率"_b5, 78},    {u8"加權平均利率"_b5, 82},
        {u8"總成交金額"_b5, 147}, {u8"總成交面額"_b5, 147}, {u8"總成交筆數"_b5, 72},
        {u8"交易對象"_b5, 155},   {u8"交割期限"_b5, 100},   {u8"遠買進餘額"_b5, 137},
        {u8"遠賣出餘額"_b5, 137},
    };
}

std::vector<TColumnDef> Tran06Set() {
    std::vector<TColumnDef> set = Tran01Set();
    set.resize(16);
    set.push_back({u8"交易商帳號"_b5, 100});
    set.push_back({u8"交易對象證商代號"_b5, 137});
    set.push_back({u8"交易對象帳號"_b5, 137});
    set.push_back({u8"交易商帳號撥轉別"_b5, 152});
    set.push_back({u8"交易對象帳號撥轉別"_b5, 152});
    set.push_back({u8"陸資身分識別碼"_b5, 720});
    return set;
}

std::vector<TColumnDef> Tran11Set() {
    return {
        {u8"證券商代號"_b5, 80},         {u8"債券代號"_b5, 75},  {u8"交易類別"_b5, 65},
        {u8"成交日期"_b5, 85},           {u8"面額(元)"_b5, 160}, {u8"金額(元)"_b5, 160},
        {u8"成交殖利率/百元價"_b5, 160},
    };
}

} // namespace

const std::vector<TColumnDef>& ColumnSet(int pageIndex) {
    static const std::vector<TColumnDef> sets[] = {Tran01Set(), Tran06Set(), Tran11Set()};
    return sets[pageIndex >= 0 && pageIndex < 3 ? pageIndex : 0];
}

const std::vector<int>& StartColumnWidths() {
    static const std::vector<int> widths = [] {
        std::vector<int> w;
        for (const auto& c : ColumnSet(0)) {
            w.push_back(c.width);
        }
        w[0] = 70;
        return w;
    }();
    return widths;
}

} // namespace norvalt

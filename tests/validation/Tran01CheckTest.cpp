#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "text/Literal.h"
#include "validation/Tran01Check.h"

using namespace norvalt;
using namespace norvalt::literals;

namespace {

// Grid rows for the duplicate lookup: row 0 the headings, then one sequence
// number per row in column 2.
class Rows : public IRecordRows {
public:
    explicit Rows(std::vector<std::string> sequences) : seqs_(std::move(sequences)) {}
    int RowCount() const override { return static_cast<int>(seqs_.size()) + 1; }
    std::string_view Cell(int col, int row) const override {
        if (col != 2 || row < 1 || row > static_cast<int>(seqs_.size())) {
            return {};
        }
        return seqs_[static_cast<std::size_t>(row - 1)];
    }

private:
    std::vector<std::string> seqs_;
};

// A valid 買賣斷 record; each case changes what it tests.
TTran01CheckInput Valid() {
    TTran01CheckInput in;
    in.brokerId = "9800";
    in.dealDate = "1100923";
    in.dealSeq = "A0001";
    in.bondId = "A91104";
    in.highRate = "1.2345";
    in.lowRate = "1.1";
    in.averageRate = "1.15";
    in.amount = "1234567.89";
    in.faceValue = "1000000";
    in.dealCount = "12";
    in.buyBalance = "0";
    in.sellBalance = "0";
    in.dealType = dtOutright;
    return in;
}

std::string Lines(std::initializer_list<std::string> lines) {
    std::string text;
    for (const auto& l : lines) {
        text += l + "\r\n";
    }
    return text;
}

struct Case {
    const char* name;
    std::function<void(TTran01CheckInput&)> change;
    std::string expected; // the gathered message; empty: the record passes
};

void RunCases(const std::vector<Case>& cases, const IRecordRows& rows) {
    for (const auto& c : cases) {
        TTran01CheckInput in = Valid();
        c.change(in);
        const TTran01CheckResult result = CheckTran01Record(in, rows);
        EXPECT_EQ(result.message, c.expected) << c.name;
        EXPECT_EQ(result.ok, c.expected.empty()) << c.name;
    }
}

TEST(Tran01Check, TheEmptyOutrightRecordGivesExactlySevenLines) {
    TTran01CheckInput in;
    in.dealType = dtOutright;
    const TTran01CheckResult result = CheckTran01Record(in, Rows({}));
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message,
              Lines({u8"交易商代號錯誤！"_b5, u8"成交日期長度錯誤"_b5, u8"請填寫「成交序號」"_b5,
                     u8"請指定「債券代號」"_b5, u8"最高利率需為數字"_b5, u8"最低利率需為數字"_b5,
                     u8"平均利率需為數字"_b5}));
}

TEST(Tran01Check, DealerCodeAndDate) {
    RunCases(
        {
            {"valid", [](auto&) {}, ""},
            {"short dealer code", [](auto& in) { in.brokerId = " 98 "; }, Lines({u8"交易商代號錯誤！"_b5})},
            {"30 February", [](auto& in) { in.dealDate = "1100230"; }, Lines({u8"成交日期錯誤"_b5})},
            {"six digits, 31 December 2010", [](auto& in) { in.dealDate = "991231"; }, ""},
            {"29 February of a leap year", [](auto& in) { in.dealDate = "1090229"; }, ""},
            {"29 February of another year", [](auto& in) { in.dealDate = "1100229"; },
             Lines({u8"成交日期錯誤"_b5})},
            {"month 13", [](auto& in) { in.dealDate = "1101301"; }, Lines({u8"成交日期錯誤"_b5})},
            {"five characters", [](auto& in) { in.dealDate = "11002"; }, Lines({u8"成交日期長度錯誤"_b5})},
            {"letters", [](auto& in) { in.dealDate = "11OO923"; }, Lines({u8"成交日期非正確數字型態"_b5})},
            {"negative", [](auto& in) { in.dealDate = "-110923"; }, Lines({u8"成交日期非正確數字型態"_b5})},
        },
        Rows({}));
}

TEST(Tran01Check, SequenceNumbersWhenAdding) {
    const Rows rows({"00012", "B0007"});
    RunCases(
        {
            {"12 is checked as 00012 and repeats row 1", [](auto& in) { in.dealSeq = "12"; },
             Lines({u8"「序號」不可重複"_b5})},
            {"A12 becomes 00A12", [](auto& in) { in.dealSeq = "A12"; },
             Lines({u8"「序號」1~4 位應為數字"_b5})},
            {"zero", [](auto& in) { in.dealSeq = "00000"; }, Lines({u8"成交序號不可為 0"_b5})},
            {"hash first", [](auto& in) { in.dealSeq = "#1234"; }, Lines({u8"「序號」第一位應為文數字"_b5})},
            {"B7 becomes 000B7", [](auto& in) { in.dealSeq = "B7"; }, Lines({u8"「序號」1~4 位應為數字"_b5})},
            {"B0007 repeats by key", [](auto& in) { in.dealSeq = "B0007"; },
             Lines({u8"「序號」不可重複"_b5})},
            {"lower-case letter is another key", [](auto& in) { in.dealSeq = "b0007"; }, ""},
            {"changing mode skips them all",
             [](auto& in) {
                 in.dealSeq = "";
                 in.mode = TCheckMode::Changing;
             },
             ""},
        },
        rows);
    const Rows twelve({"12"});
    TTran01CheckInput in = Valid();
    in.dealSeq = "00012";
    EXPECT_EQ(CheckTran01Record(in, twelve).message, Lines({u8"「序號」不可重複"_b5}));
}

TEST(Tran01Check, SeqKeys) {
    EXPECT_EQ(SeqKey("00012"), 12);
    EXPECT_EQ(SeqKey("12"), 12);
    EXPECT_EQ(SeqKey("A0001"), 8024641);
    EXPECT_NE(SeqKey("a0001"), SeqKey("A0001"));
    EXPECT_EQ(SeqKey("#12"), 0);
    EXPECT_EQ(FindSeqRow(Rows({"", "12"}), "00012"), 2);
    EXPECT_EQ(FindSeqRow(Rows({"5"}), "6"), -1);
}

TEST(Tran01Check, Rates) {
    const std::string overHigh = u8"最高利率 不可超過 999.9999"_b5;
    RunCases(
        {
            {"999.9999 passes", [](auto& in) { in.highRate = "999.9999"; }, ""},
            {"1000", [](auto& in) { in.highRate = "1000"; }, Lines({overHigh})},
            {"five decimals", [](auto& in) { in.highRate = "12.34567"; },
             Lines({u8"最高利率小數位最多四位"_b5})},
            {"1.23450 keeps its last four decimals", [](auto& in) { in.highRate = "1.23450"; },
             Lines({u8"最高利率小數位最多四位"_b5})},
            {"1.00000 passes", [](auto& in) { in.highRate = "1.00000"; }, ""},
            {"-150 passes here", [](auto& in) { in.highRate = "-150"; }, ""},
            {"average with five decimals", [](auto& in) { in.averageRate = "1.00001"; },
             Lines({u8"平均利率小數位最多四位"_b5})},
            {"1000.12345: over the limit, and again for the decimals",
             [](auto& in) { in.lowRate = "1000.12345"; },
             Lines({u8"最低利率 不可超過 999.9999"_b5, u8"最低利率 不可超過 999.9999"_b5})},
            {"not a number alone skips the totals",
             [](auto& in) {
                 in.highRate = "x";
                 in.dealCount = "0";
             },
             Lines({u8"最高利率需為數字"_b5})},
            {"not a number with another over the limit runs the totals",
             [](auto& in) {
                 in.highRate = "x";
                 in.lowRate = "1500";
                 in.dealCount = "0";
             },
             Lines({u8"最高利率需為數字"_b5, u8"最低利率 不可超過 999.9999"_b5,
                    u8"申報遠期餘額成交金額，需為正數"_b5, u8"申報遠期餘額成交面額，需為正數"_b5,
                    u8"除遠期庫存申報外，其他 成交筆數 須為整數且>0"_b5})},
        },
        Rows({}));
}

TEST(Tran01Check, TotalsAndBalances) {
    RunCases(
        {
            {"count 3 with no amount",
             [](auto& in) {
                 in.dealCount = "3";
                 in.amount = "";
                 in.faceValue = "100000";
             },
             Lines({u8"申報遠期交易成交金額，需為正數"_b5})},
            {"count 0 with amounts", [](auto& in) { in.dealCount = "0"; },
             Lines({u8"申報遠期餘額成交金額，需為正數"_b5, u8"申報遠期餘額成交面額，需為正數"_b5,
                    u8"除遠期庫存申報外，其他 成交筆數 須為整數且>0"_b5})},
            {"count 0 and no amounts",
             [](auto& in) {
                 in.dealCount = "0";
                 in.amount = in.faceValue = "";
             },
             Lines({u8"除遠期庫存申報外，其他 成交筆數 須為整數且>0"_b5})},
            {"outright with an empty buy balance", [](auto& in) { in.buyBalance = ""; },
             Lines({u8"非遠期交易 買進餘額須 = 0"_b5})},
            {"outright with a sell balance", [](auto& in) { in.sellBalance = "5"; },
             Lines({u8"非遠期交易 賣出餘額須 = 0"_b5})},
            {"forward with count 0",
             [](auto& in) {
                 in.dealType = dtForward;
                 in.dealCount = "0";
                 in.amount = in.faceValue = "";
                 in.buyBalance = "00500";
             },
             ""},
            {"forward with no count",
             [](auto& in) {
                 in.dealType = dtForward;
                 in.dealCount = "";
             },
             Lines({u8"遠期交易 成交筆數 須為整數且>=0"_b5})},
            {"forward with a negative balance",
             [](auto& in) {
                 in.dealType = dtForward;
                 in.sellBalance = "-1";
             },
             Lines({u8"遠期交易 賣出餘額須 >= 0 且為整數"_b5})},
            {"forward with no bond",
             [](auto& in) {
                 in.dealType = dtForward;
                 in.bondId = " ";
             },
             Lines({u8"請指定「債券代號」"_b5})},
            {"repo needs no bond",
             [](auto& in) {
                 in.dealType = dtRepoOpen;
                 in.bondId = "";
             },
             ""},
        },
        Rows({}));
}

TEST(Tran01Check, AForwardTradesBalancesAreTidied) {
    TTran01CheckInput in = Valid();
    in.dealType = dtForward;
    in.dealCount = "0";
    in.amount = in.faceValue = "";
    in.buyBalance = "00500";
    in.sellBalance = "0";
    const auto result = CheckTran01Record(in, Rows({}));
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(result.buyBalance, "500");
    EXPECT_EQ(result.sellBalance, "0");
    in.dealType = dtOutright;
    in.dealCount = "1";
    in.amount = in.faceValue = "1";
    in.buyBalance = "000";
    EXPECT_EQ(CheckTran01Record(in, Rows({})).buyBalance, "000")
        << "only a forward trade's balances are rewritten";
}

} // namespace

#include "validation/CommonChecks.h"

#include "media/FillOps.h"
#include "text/Literal.h"
#include "text/Numbers.h"

namespace norvalt {

using namespace literals;

void CheckDealerCode(std::string_view code, TMessageList& messages) {
    if (code.size() < 4) {
        messages.Add(u8"交易商代號錯誤！"_b5);
    }
}

bool IsRealDate(long long year, int month, int day) {
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1) {
        return false;
    }
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    const int length = (month == 2 && leap) ? 29 : kDays[month - 1];
    return day <= length;
}

void CheckDealDate(std::string_view date, TMessageList& messages) {
    if (date.size() != 6 && date.size() != 7) {
        messages.Add(u8"成交日期長度錯誤"_b5);
        return;
    }
    if (StrToIntDef(date, -1) < 0) {
        messages.Add(u8"成交日期非正確數字型態"_b5);
        return;
    }
    const std::string_view yearText = date.substr(0, date.size() - 4);
    const long long year = static_cast<long long>(StrToIntDef(yearText, 0)) + 1911;
    const int month = StrToIntDef(date.substr(date.size() - 4, 2), 0);
    const int day = StrToIntDef(date.substr(date.size() - 2, 2), 0);
    if (!IsRealDate(year, month, day)) {
        messages.Add(u8"成交日期錯誤"_b5);
    }
}

namespace {
bool IsAsciiLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
bool IsAsciiDigit(char c) {
    return c >= '0' && c <= '9';
}
} // namespace

std::int64_t SeqKey(std::string_view text) {
    if (!text.empty() && IsAsciiLetter(text[0])) {
        return static_cast<std::int64_t>(StrToIntDef(text.substr(1), 0)) +
               static_cast<std::int64_t>(static_cast<unsigned char>(text[0])) * 123456;
    }
    return StrToIntDef(text, 0);
}

int FindSeqRow(const IRecordRows& rows, std::string_view sequence) {
    const std::int64_t key = SeqKey(sequence);
    for (int row = 1; row < rows.RowCount(); ++row) {
        const std::string_view cell = rows.Cell(2, row);
        if (!cell.empty() && SeqKey(cell) == key) {
            return row;
        }
    }
    return -1;
}

void CheckSequence(std::string_view sequence, const IRecordRows& rows, TMessageList& messages) {
    if (sequence.empty()) {
        messages.Add(u8"請填寫「成交序號」"_b5);
        return;
    }
    const std::string copy = sequence.size() < 5 ? RightAlignFill(sequence, 5, '0') : std::string(sequence);
    if (StrToIntDef(copy, -1) == 0) {
        messages.Add(u8"成交序號不可為 0"_b5);
    }
    if (FindSeqRow(rows, copy) >= 0) {
        messages.Add(u8"「序號」不可重複"_b5);
        return;
    }
    if (!IsAsciiDigit(copy[0]) && !IsAsciiLetter(copy[0])) {
        messages.Add(u8"「序號」第一位應為文數字"_b5);
    }
    if (StrToIntDef(std::string_view(copy).substr(1, 4), -1) < 0) {
        messages.Add(u8"「序號」1~4 位應為數字"_b5);
    }
}

TRateCheck CheckRates(const std::array<std::string_view, 3>& rates, TDecimalsCheck when,
                      TMessageList& messages) {
    static const std::string* const kNotNumber[] = {&u8"最高利率需為數字"_b5, &u8"最低利率需為數字"_b5,
                                                    &u8"平均利率需為數字"_b5};
    static const std::string* const kOverLimit[] = {&u8"最高利率 不可超過 999.9999"_b5,
                                                    &u8"最低利率 不可超過 999.9999"_b5,
                                                    &u8"平均利率 不可超過 999.9999"_b5};
    static const std::string* const kDecimals[] = {
        &u8"最高利率小數位最多四位"_b5, &u8"最低利率小數位最多四位"_b5, &u8"平均利率小數位最多四位"_b5};
    TRateCheck check;
    for (std::size_t i = 0; i < 3; ++i) {
        if (const auto value = ReadNumber(rates[i])) {
            check.values[i] = static_cast<double>(*value);
        } else {
            messages.Add(*kNotNumber[i]);
            check.problem = true;
        }
    }
    for (std::size_t i = 0; i < 3; ++i) {
        if (check.values[i] > 999.9999) {
            messages.Add(*kOverLimit[i]);
            check.problem = false;
        }
    }
    if (when == TDecimalsCheck::UnlessRateProblem && check.problem) {
        return check;
    }
    for (std::size_t i = 0; i < 3; ++i) {
        const double normalised = static_cast<double>(ReadNumber(NormaliseRate(rates[i], 3, 4)).value_or(0));
        if (normalised != check.values[i]) {
            messages.Add(check.values[i] >= 1000 ? *kOverLimit[i] : *kDecimals[i]);
            check.problem = true;
        }
    }
    return check;
}

} // namespace norvalt

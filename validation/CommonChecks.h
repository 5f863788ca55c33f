#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "validation/MessageList.h"
#include "validation/RecordRows.h"

// The steps the Tran01 and Tran06 checks share. Texts are CP950; the callers
// pass the trimmed field texts.
namespace norvalt {

enum class TCheckMode { Adding, Changing };

// 交易商代號: shorter than 4 characters fails.
void CheckDealerCode(std::string_view code, TMessageList& messages);

// 成交日期, a ROC date of 6 or 7 digits: length, digits, then a real date.
// At most one line.
void CheckDealDate(std::string_view date, TMessageList& messages);

// Whether year, month and day form a date of the Gregorian calendar
// (year 1 to 9999, leap years counted).
bool IsRealDate(long long year, int month, int day);

// The key by which sequence numbers are compared: a leading ASCII letter's
// code times 123456 plus the rest as a whole number, otherwise the whole text
// as a whole number (0 when not one).
std::int64_t SeqKey(std::string_view text);

// The first row from 1 whose sequence cell (column 2) is not empty and has
// the same key, or -1.
int FindSeqRow(const IRecordRows& rows, std::string_view sequence);

// 成交序號 when adding: present, not zero, not repeated, a letter or digit
// first, digits after it. The check works on a zero-filled copy of a short
// number; the field keeps what was typed.
void CheckSequence(std::string_view sequence, const IRecordRows& rows, TMessageList& messages);

// The three rates (最高, 最低, 加權平均): numbers, at most 999.9999, at most four
// decimals. Returns the rate-problem flag of the Tran01 check.
struct TRateCheck {
    std::array<double, 3> values{};
    bool problem = false;
};
enum class TDecimalsCheck {
    // The decimals are checked only when no rate failed to be a number, or a
    // rate went over the limit (Tran01).
    UnlessRateProblem,
    Always, // (Tran06)
};
TRateCheck CheckRates(const std::array<std::string_view, 3>& rates, TDecimalsCheck when,
                      TMessageList& messages);

} // namespace norvalt

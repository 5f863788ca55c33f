#pragma once

#include <string>

#include "validation/CommonChecks.h"

namespace norvalt {

// The 成交類別 positions of the Tran01 list.
enum TTran01DealType : int {
    dtNone = -1,
    dtOutright = 0,     // 買賣斷
    dtRepoOpen = 1,     // 附條件-承作
    dtRepoMaturity = 2, // 附條件-到期
    dtForward = 3,      // 遠期買賣斷
    dtReverseRepo = 4,  // RS融券-承作
};

// A Tran01 record as the check reads it from the panel.
struct TTran01CheckInput {
    std::string brokerId;
    std::string dealDate;
    std::string dealSeq;
    std::string bondId;
    std::string highRate;
    std::string lowRate;
    std::string averageRate;
    std::string amount; // the amount controls' plain text
    std::string faceValue;
    std::string dealCount;
    std::string buyBalance; // as they stand, not trimmed
    std::string sellBalance;
    int dealType = dtNone;
    TCheckMode mode = TCheckMode::Adding;
};

struct TTran01CheckResult {
    bool ok = true;
    std::string message; // every failed check's line followed by "\r\n"
    // The balances as the check leaves them (a forward trade's balances
    // without leading zeros); the inputs' own texts otherwise.
    std::string buyBalance;
    std::string sellBalance;
};

// Checks a typed Tran01 record against the records already in the grid.
TTran01CheckResult CheckTran01Record(const TTran01CheckInput& input, const IRecordRows& rows);

} // namespace norvalt

#include "validation/Tran01Check.h"

#include "text/Literal.h"
#include "text/Numbers.h"
#include "text/Strings.h"

namespace norvalt {

using namespace literals;

namespace {

// A forward trade's balance must be a whole number of zero or more and is
// rewritten without leading zeros; any other trade's must be exactly 0.
void CheckBalance(std::string& balance, bool forward, const std::string& forwardLine,
                  const std::string& otherLine, TMessageList& messages) {
    if (forward) {
        const std::int64_t value = StrToInt64Def(balance, -1);
        if (value < 0) {
            messages.Add(forwardLine);
        } else {
            balance = std::to_string(value);
        }
    } else if (StrToInt64Def(balance, 99) != 0) {
        messages.Add(otherLine);
    }
}

} // namespace

TTran01CheckResult CheckTran01Record(const TTran01CheckInput& input, const IRecordRows& rows) {
    TMessageList messages;
    TTran01CheckResult result;
    result.buyBalance = input.buyBalance;
    result.sellBalance = input.sellBalance;
    const bool forward = input.dealType == dtForward;

    CheckDealerCode(Trim(input.brokerId), messages);
    CheckDealDate(Trim(input.dealDate), messages);
    if (input.mode == TCheckMode::Adding) {
        CheckSequence(Trim(input.dealSeq), rows, messages);
    }
    if ((input.dealType == dtOutright || forward) && Trim(input.bondId).empty()) {
        messages.Add(u8"請指定「債券代號」"_b5);
    }
    const TRateCheck rates = CheckRates({Trim(input.highRate), Trim(input.lowRate), Trim(input.averageRate)},
                                        TDecimalsCheck::UnlessRateProblem, messages);
    if (!rates.problem) {
        const double amount = static_cast<double>(ReadNumber(Trim(input.amount)).value_or(0));
        const double face = static_cast<double>(ReadNumber(Trim(input.faceValue)).value_or(0));
        const std::string_view countText = Trim(input.dealCount);
        const std::int64_t count = StrToInt64Def(countText, -1);
        if (!forward) {
            if (count > 0 ? !(amount > 0) : amount != 0) {
                messages.Add(count > 0 ? u8"申報遠期交易成交金額，需為正數"_b5
                                       : u8"申報遠期餘額成交金額，需為正數"_b5);
            }
            if (count > 0 ? !(face > 0) : face != 0) {
                messages.Add(count > 0 ? u8"申報遠期交易成交面額，需為正數"_b5
                                       : u8"申報遠期餘額成交面額，需為正數"_b5);
            }
            if (StrToIntDef(countText, -1) < 1) {
                messages.Add(u8"除遠期庫存申報外，其他 成交筆數 須為整數且>0"_b5);
            }
        } else if (StrToIntDef(countText, -1) < 0) {
            messages.Add(u8"遠期交易 成交筆數 須為整數且>=0"_b5);
        }
        CheckBalance(result.buyBalance, forward, u8"遠期交易 買進餘額須 >= 0 且為整數"_b5,
                     u8"非遠期交易 買進餘額須 = 0"_b5, messages);
        CheckBalance(result.sellBalance, forward, u8"遠期交易 賣出餘額須 >= 0 且為整數"_b5,
                     u8"非遠期交易 賣出餘額須 = 0"_b5, messages);
    }
    result.ok = messages.Ok();
    result.message = messages.Text();
    return result;
}

} // namespace norvalt

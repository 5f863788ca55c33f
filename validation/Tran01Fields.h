#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace norvalt {

// The Tran01 panel's fields, by what they hold.
enum class TTran01Field {
    BrokerId,
    DealDate,
    DealSeq,
    CustomerId,
    BondId,
    HighRate,
    LowRate,
    AverageRate,
    Amount,    // amount control
    FaceValue, // amount control
    DealCount,
    BuyBalance,
    SellBalance,
};

enum class TTran01List { Business, DealType, Side, Term, Counterparty, Settlement };

// Where a grid row's record is loaded into: the panel, or a plain record of
// texts (the command-line check).
class ITran01Fields {
public:
    virtual ~ITran01Fields() = default;
    // Empties the fields as 清空 does.
    virtual void Clear() = 0;
    virtual void SetText(TTran01Field field, const std::string& text) = 0;
    // An amount control takes the text as a number; raises EConvertError for
    // one that is not.
    virtual void SetAmountText(TTran01Field field, const std::string& text) = 0;
    // Chooses the first item equal to text; false, with the choice unchanged,
    // when there is none.
    virtual bool SelectItem(TTran01List list, const std::string& text) = 0;
    // The 成交類別 choice changed: the dependent lists and defaults follow.
    virtual void DealTypeChanged() = 0;
};

// Loads a grid row's 19 cells into the fields, step by step as a double click
// does. A conversion error of an amount ends the loading there; what was
// loaded before stays.
void LoadTran01Row(std::span<const std::string_view> cells, ITran01Fields& fields);

// What a 成交類別 choice gives the dependent lists (items, the first chosen)
// and the rate and balance fields.
struct TTran01CategoryDefaults {
    std::vector<std::string> sides;
    std::vector<std::string> terms;
    std::vector<std::string> counterparties;
    std::vector<std::string> settlements;
    std::string rateText;
    std::string balanceText;
};
TTran01CategoryDefaults Tran01CategoryDefaults(std::string_view category);

// The lists' items before any category has been chosen.
const std::vector<std::string>& Tran01DealTypes();
const std::vector<std::string>& Tran01Businesses();
const std::vector<std::string>& Tran01StartTerms();

} // namespace norvalt

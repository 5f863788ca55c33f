#include "validation/Tran01Fields.h"

#include "media/CodeTable.h"
#include "media/FillOps.h"
#include "text/Literal.h"
#include "text/Strings.h"

namespace norvalt {

using namespace literals;

void LoadTran01Row(std::span<const std::string_view> row, ITran01Fields& fields) {
    auto cell = [&](std::size_t i) { return std::string(i < row.size() ? row[i] : std::string_view()); };
    fields.Clear();
    fields.SetText(TTran01Field::BrokerId, cell(0));
    fields.SetText(TTran01Field::DealDate, FormatNumberText(cell(1), "#0"));
    fields.SetText(TTran01Field::DealSeq, cell(2).substr(0, 5));
    fields.SelectItem(TTran01List::Business, cell(3) == u8"自營"_b5 ? u8"自營"_b5 : u8"經紀"_b5);
    fields.SetText(TTran01Field::CustomerId, std::string(Trim(cell(4))));
    if (fields.SelectItem(TTran01List::DealType, cell(6))) {
        fields.DealTypeChanged();
    }
    fields.SelectItem(TTran01List::Side, cell(5));
    fields.SetText(TTran01Field::BondId, cell(7));
    fields.SelectItem(TTran01List::Term, cell(8));
    fields.SetText(TTran01Field::HighRate, cell(9));
    fields.SetText(TTran01Field::LowRate, cell(10));
    fields.SetText(TTran01Field::AverageRate, cell(11));
    fields.SetAmountText(TTran01Field::Amount, cell(12));
    fields.SetAmountText(TTran01Field::FaceValue, cell(13));
    fields.SetText(TTran01Field::DealCount, cell(14));
    fields.SelectItem(TTran01List::Counterparty, cell(15));
    fields.SelectItem(TTran01List::Settlement, cell(16));
    fields.SetText(TTran01Field::BuyBalance, FormatNumberText(cell(17), "#0"));
    fields.SetText(TTran01Field::SellBalance, FormatNumberText(cell(18), "#0"));
}

const std::vector<std::string>& Tran01DealTypes() {
    static const std::vector<std::string> items = DealTypeTable().Labels();
    return items;
}

const std::vector<std::string>& Tran01Businesses() {
    static const std::vector<std::string> items = {u8"自營"_b5, u8"經紀"_b5};
    return items;
}

const std::vector<std::string>& Tran01StartTerms() {
    // An empty item first, then the eight bands with their codes.
    static const std::vector<std::string> items = [] {
        std::vector<std::string> terms{std::string()};
        for (std::u8string_view term : {u8"1=隔夜", u8"2=2-10 天", u8"3=11-20 天", u8"4=21-30 天",
                                        u8"5=31-60 天", u8"6=61-90 天", u8"7=91-180 天", u8"8=180 以上"}) {
            terms.push_back(Cp950Of(term));
        }
        return terms;
    }();
    return items;
}

TTran01CategoryDefaults Tran01CategoryDefaults(std::string_view category) {
    const bool reverseRepo = category == u8"RS融券-承作"_b5;
    const bool repoOpen = category == u8"附條件-承作"_b5;
    const bool forward = category == u8"遠期買賣斷"_b5;
    const bool maturity = category == u8"附條件-到期"_b5;
    const std::string& blank = u8"空白"_b5;
    TTran01CategoryDefaults d;
    d.sides =
        reverseRepo ? std::vector<std::string>{u8"買"_b5} : std::vector<std::string>{u8"買"_b5, u8"賣"_b5};
    d.terms = (repoOpen || reverseRepo) ? TermTable().Labels() : std::vector<std::string>{blank};
    d.counterparties = CounterpartyTable().Labels();
    if (forward) {
        d.counterparties.insert(d.counterparties.begin(), blank);
        d.settlements = SettlementTable().Labels();
        d.settlements.insert(d.settlements.begin(), blank);
    } else {
        d.settlements = {blank};
    }
    d.rateText = maturity ? "0" : "";
    d.balanceText = forward ? "" : "0";
    return d;
}

} // namespace norvalt

#include "validation/Tran01FieldRecord.h"

#include <algorithm>

#include "text/Amount.h"

namespace norvalt {

void TTran01FieldRecord::Clear() {
    texts_.clear();
    dealType_ = dtOutright; // 清空 shows 買賣斷
}

void TTran01FieldRecord::SetAmountText(TTran01Field field, const std::string& text) {
    texts_[field] = AmountEditText(ReadAmount(text));
}

bool TTran01FieldRecord::SelectItem(TTran01List list, const std::string& text) {
    if (list != TTran01List::DealType) {
        return true; // the other lists are not checked
    }
    const auto& items = Tran01DealTypes();
    const auto it = std::find(items.begin(), items.end(), text);
    if (it == items.end()) {
        return false;
    }
    dealType_ = static_cast<int>(it - items.begin());
    return true;
}

void TTran01FieldRecord::DealTypeChanged() {
    const auto& items = Tran01DealTypes();
    const TTran01CategoryDefaults d =
        Tran01CategoryDefaults(dealType_ >= 0 ? items[static_cast<std::size_t>(dealType_)] : std::string());
    for (TTran01Field rate : {TTran01Field::HighRate, TTran01Field::LowRate, TTran01Field::AverageRate}) {
        texts_[rate] = d.rateText;
    }
    texts_[TTran01Field::BuyBalance] = d.balanceText;
    texts_[TTran01Field::SellBalance] = d.balanceText;
}

const std::string& TTran01FieldRecord::Text(TTran01Field field) const {
    static const std::string empty;
    const auto it = texts_.find(field);
    return it == texts_.end() ? empty : it->second;
}

TTran01CheckInput TTran01FieldRecord::CheckInput(TCheckMode mode) const {
    TTran01CheckInput in;
    in.brokerId = Text(TTran01Field::BrokerId);
    in.dealDate = Text(TTran01Field::DealDate);
    in.dealSeq = Text(TTran01Field::DealSeq);
    in.bondId = Text(TTran01Field::BondId);
    in.highRate = Text(TTran01Field::HighRate);
    in.lowRate = Text(TTran01Field::LowRate);
    in.averageRate = Text(TTran01Field::AverageRate);
    in.amount = Text(TTran01Field::Amount);
    in.faceValue = Text(TTran01Field::FaceValue);
    in.dealCount = Text(TTran01Field::DealCount);
    in.buyBalance = Text(TTran01Field::BuyBalance);
    in.sellBalance = Text(TTran01Field::SellBalance);
    in.dealType = dealType_;
    in.mode = mode;
    return in;
}

} // namespace norvalt

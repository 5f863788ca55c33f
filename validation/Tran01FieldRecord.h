#pragma once

#include <map>
#include <string>

#include "validation/Tran01Check.h"
#include "validation/Tran01Fields.h"

namespace norvalt {

// The Tran01 panel's fields as plain texts: what a double click would load
// into the panel, for checking records outside the program.
class TTran01FieldRecord final : public ITran01Fields {
public:
    TTran01FieldRecord() { Clear(); }

    void Clear() override;
    void SetText(TTran01Field field, const std::string& text) override { texts_[field] = text; }
    // As the amount control: the text read as an amount, kept as its edit text.
    void SetAmountText(TTran01Field field, const std::string& text) override;
    bool SelectItem(TTran01List list, const std::string& text) override;
    void DealTypeChanged() override;

    const std::string& Text(TTran01Field field) const;
    int DealType() const { return dealType_; }
    // The check's input, as the panel gathers it.
    TTran01CheckInput CheckInput(TCheckMode mode) const;

private:
    std::map<TTran01Field, std::string> texts_;
    int dealType_ = dtNone;
};

} // namespace norvalt

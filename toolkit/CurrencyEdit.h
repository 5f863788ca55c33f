#pragma once

#include "toolkit/Edit.h"

namespace norvalt {

// The amount control: a non-negative number with two decimals of at most
// 999999999999.99. Without the focus it shows the value with thousands
// separators and two decimals; with the focus its edit text, the plain value
// (empty for zero). Typing keeps the text a number with at most two decimals
// and at most 15 characters ("." or "," is the decimal separator, no minus);
// a refused key beeps; Esc puts the last value back; leaving the field reads
// the text into the value, kept between 0 and the maximum.
class TCurrencyEdit : public TControl {
public:
    explicit TCurrencyEdit(TWinControl* parent);

    // The edit text: the typed text while the field has the focus, else the
    // value's plain text; empty for zero.
    std::string Text() const;
    // Reads the text into the value (see ReadAmount); raises EConvertError for
    // a text that is not a number.
    void SetText(const std::string& text);
    // The current edit text read again; 0 when it cannot be read.
    long double Value() const;
    void SetValue(long double value);
    // What the field shows now.
    std::string DisplayedText() const;
    bool ReadOnly() const;
    void SetReadOnly(bool readOnly);

    TKeyEvent OnKeyDown;
    std::function<void()> OnExit;

    static constexpr int kMaxLength = 15;

protected:
    void ApplyColor() override;
    bool PaintsBackground() const override { return true; }

private:
    class Line;
    class Limit;
    void ShowValue(bool editing);
    void Commit();
    long double value_ = 0;
    bool editing_ = false;
};

} // namespace norvalt

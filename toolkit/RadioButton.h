#pragma once

#include "toolkit/Control.h"

namespace norvalt {

// A radio button; the radio buttons of one parent exclude each other.
class TRadioButton : public TControl {
public:
    explicit TRadioButton(TWinControl* parent);
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    bool Checked() const;
    void SetChecked(bool checked);
    // Runs when the user clicks the button.
    std::function<void()> OnClick;

protected:
    void ApplyFont() override;

private:
    std::string caption_;
};

} // namespace norvalt

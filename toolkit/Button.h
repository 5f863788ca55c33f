#pragma once

#include "toolkit/Control.h"

namespace norvalt {

class TButton : public TControl {
public:
    explicit TButton(TWinControl* parent);
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    // Presses the button as the user would: runs OnClick when enabled.
    void Click();
    std::function<void()> OnClick;

private:
    std::string caption_;
};

} // namespace norvalt

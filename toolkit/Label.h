#pragma once

#include "toolkit/Control.h"

namespace norvalt {

// A text on the window. Transparent unless given a colour; sized to its text
// while AutoSize is on.
class TLabel : public TControl {
public:
    explicit TLabel(TWinControl* parent);

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    void SetAutoSize(bool autoSize);
    void SetAlignmentRight(bool right);

    std::function<void()> OnClick;
    std::function<void()> OnMouseEnter;
    std::function<void()> OnMouseLeave;

    // What a click on the label does: runs OnClick.
    virtual void Click();
    // The mouse entered or left the label: runs OnMouseEnter or OnMouseLeave.
    virtual void MouseEnter();
    virtual void MouseLeave();

protected:
    void ApplyFont() override;
    void ApplyColor() override;

private:
    class Text;
    void Fit();
    std::string caption_;
    bool autoSize_ = true;
};

} // namespace norvalt

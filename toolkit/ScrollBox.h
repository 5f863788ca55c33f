#pragma once

#include "toolkit/WinControl.h"

namespace norvalt {

// An area that scrolls its contents when the window is smaller than they are.
// Its aligned children fill at least the visible area and at least the
// content size set by SetContentSize.
class TScrollBox : public TWinControl {
public:
    explicit TScrollBox(TWinControl* parent);
    QWidget* ClientWidget() const override;
    void SetContentSize(int width, int height);

protected:
    void ApplyColor() override;

private:
    void FitContent();
    class Area;
    QWidget* inner_;
    int contentWidth_ = 0;
    int contentHeight_ = 0;
};

} // namespace norvalt

#pragma once

#include "toolkit/Control.h"

namespace norvalt {

// A bar between a top-aligned control and the control below it; dragging it
// moves the border between the two.
class TSplitter : public TControl {
public:
    explicit TSplitter(TWinControl* parent);
    int MinSize = 30;
    // Moves the border by dy pixels as a drag does.
    void MoveBy(int dy);

private:
    TControl* Above() const;
    int pressY_ = 0;
    int startHeight_ = 0;
    bool dragging_ = false;
};

} // namespace norvalt

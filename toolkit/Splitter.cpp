#include "toolkit/Splitter.h"

#include <QMouseEvent>
#include <algorithm>

#include "toolkit/QtWidgets.h"
#include "toolkit/WinControl.h"

namespace norvalt {

TSplitter::TSplitter(TWinControl* parent) : TControl(parent, new NvContainer) {
    auto* w = static_cast<NvContainer*>(Widget());
    w->setCursor(Qt::SplitVCursor);
    w->onMousePress = [this](QMouseEvent* e) {
        if (TControl* above = Above(); above && e->button() == Qt::LeftButton) {
            dragging_ = true;
            pressY_ = static_cast<int>(e->globalPosition().y());
            startHeight_ = above->Height();
        }
    };
    w->onMouseMove = [this](QMouseEvent* e) {
        if (dragging_) {
            TControl* above = Above();
            MoveBy(startHeight_ + static_cast<int>(e->globalPosition().y()) - pressY_ - above->Height());
        }
    };
    w->onMouseRelease = [this](QMouseEvent*) { dragging_ = false; };
}

TControl* TSplitter::Above() const {
    TControl* above = nullptr;
    for (TControl* c : Parent()->Controls()) {
        if (c == this) {
            return above;
        }
        if (c->Align() == alTop) {
            above = c;
        }
    }
    return nullptr;
}

void TSplitter::MoveBy(int dy) {
    TControl* above = Above();
    if (!above) {
        return;
    }
    // Keep MinSize pixels for the control above and for the area below.
    const int room = Parent()->ClientWidget()->height() - (Top() + Height()) + above->Height();
    const int height = std::clamp(above->Height() + dy, MinSize, std::max(MinSize, room - MinSize));
    above->SetHeight(height);
}

} // namespace norvalt

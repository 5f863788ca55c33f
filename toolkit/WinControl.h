#pragma once

#include <vector>

#include "toolkit/Control.h"

namespace norvalt {

// A control that holds other controls. It lays out its aligned children
// (top, bottom, left and right bars in the order they were created, then the
// client-filling one) whenever it is resized or a child's alignment or size
// changes.
class TWinControl : public TControl {
public:
    ~TWinControl() override;

    const std::vector<TControl*>& Controls() const { return children_; }

    // Moves the focus to the control after `from` (the focused control when
    // nullptr) in the window's tab order, the order the controls were created
    // in; wraps around.
    void SelectNext(TControl* from);

    void Realign();

    // The widget children are placed on (a scroll box's inner area, say).
    virtual QWidget* ClientWidget() const { return Widget(); }

protected:
    TWinControl(TWinControl* parent, QWidget* widget);
    void ApplyFont() override;

private:
    friend class TControl;
    void AddChild(TControl* child);
    void RemoveChild(TControl* child);
    std::vector<TControl*> children_;
    bool realigning_ = false;
};

} // namespace norvalt

#pragma once

#include "toolkit/WinControl.h"

namespace norvalt {

// A framed group of controls with a caption on its top edge.
class TGroupBox : public TWinControl {
public:
    explicit TGroupBox(TWinControl* parent);
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);

protected:
    bool PaintsBackground() const override { return true; }

private:
    std::string caption_;
};

} // namespace norvalt

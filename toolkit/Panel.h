#pragma once

#include "toolkit/WinControl.h"

namespace norvalt {

enum class TBevel { None, Raised, Lowered };

// A coloured area that holds controls; optionally a caption in its middle and
// a bevel.
class TPanel : public TWinControl {
public:
    explicit TPanel(TWinControl* parent);

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    void SetBevel(TBevel bevel);

    std::function<void()> OnClick;

protected:
    bool PaintsBackground() const override { return true; }

private:
    std::string caption_;
    TBevel bevel_ = TBevel::None;
};

} // namespace norvalt

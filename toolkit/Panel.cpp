#include "toolkit/Panel.h"

#include <QPainter>

#include "toolkit/Application.h"
#include "toolkit/Canvas.h"
#include "toolkit/QtWidgets.h"

namespace norvalt {

TPanel::TPanel(TWinControl* parent) : TWinControl(parent, new NvContainer) {
    auto* w = static_cast<NvContainer*>(Widget());
    w->onResize = [this] { Realign(); };
    w->onClick = [this] {
        if (OnClick) {
            Application().Dispatch(OnClick);
        }
    };
    w->onPaint = [this](QPainter& painter) {
        TCanvas canvas(painter);
        TRect r{0, 0, Width(), Height()};
        if (bevel_ == TBevel::Raised) {
            canvas.Frame3D(r, clBtnHighlight, clBtnShadow, 1);
        } else if (bevel_ == TBevel::Lowered) {
            canvas.Frame3D(r, clBtnShadow, clBtnHighlight, 1);
        }
        if (!caption_.empty()) {
            canvas.Font().Assign(Font());
            canvas.DrawText(r, caption_, dtCenter | dtVCenter | dtSingleLine);
        }
    };
    ApplyColor();
}

void TPanel::SetCaption(const std::string& caption) {
    caption_ = caption;
    Repaint();
}

void TPanel::SetBevel(TBevel bevel) {
    bevel_ = bevel;
    Repaint();
}

} // namespace norvalt

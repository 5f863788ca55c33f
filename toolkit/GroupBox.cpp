#include "toolkit/GroupBox.h"

#include <QPainter>

#include "toolkit/Canvas.h"
#include "toolkit/QtWidgets.h"

namespace norvalt {

TGroupBox::TGroupBox(TWinControl* parent) : TWinControl(parent, new NvContainer) {
    auto* w = static_cast<NvContainer*>(Widget());
    w->onResize = [this] { Realign(); };
    w->onPaint = [this](QPainter& painter) {
        TCanvas canvas(painter);
        canvas.Font().Assign(Font());
        const int textHeight = canvas.TextHeight("Ag");
        TRect frame{0, textHeight / 2, Width(), Height()};
        canvas.Frame3D(frame, clBtnShadow, clBtnHighlight, 1);
        canvas.Frame3D(frame, clBtnHighlight, clBtnShadow, 1);
        if (!caption_.empty()) {
            const TRect label{8, 0, 8 + canvas.TextWidth(caption_) + 4, textHeight};
            canvas.Brush().SetColor(Color());
            canvas.FillRect(label);
            canvas.TextOut(10, 0, caption_);
        }
    };
    ApplyColor();
}

void TGroupBox::SetCaption(const std::string& caption) {
    caption_ = caption;
    Repaint();
}

} // namespace norvalt

#include "toolkit/PageControl.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include "toolkit/Application.h"
#include "toolkit/Canvas.h"
#include "toolkit/QtBridge.h"
#include "toolkit/QtWidgets.h"

namespace norvalt {

TTabSheet::TTabSheet(TPageControl* pageControl)
    : TWinControl(pageControl, new NvContainer), pageControl_(pageControl) {
    static_cast<NvContainer*>(Widget())->onResize = [this] { Realign(); };
    pageControl_->AddPage(this);
    ApplyColor();
}

void TTabSheet::SetCaption(const std::string& caption) {
    caption_ = caption;
    pageControl_->Repaint();
}

int TTabSheet::PageIndex() const {
    for (int i = 0; i < pageControl_->PageCount(); ++i) {
        if (pageControl_->Page(i) == this) {
            return i;
        }
    }
    return -1;
}

TPageControl::TPageControl(TWinControl* parent) : TWinControl(parent, new NvContainer) {
    auto* w = static_cast<NvContainer*>(Widget());
    w->onResize = [this] { LayoutPages(); };
    w->onPaint = [this](QPainter& painter) { Paint(painter); };
    w->onMousePress = [this](QMouseEvent* e) {
        if (e->button() != Qt::LeftButton) {
            return;
        }
        const TPoint p{static_cast<int>(e->position().x()), static_cast<int>(e->position().y())};
        for (int i = 0; i < PageCount(); ++i) {
            if (TabRect(i).Contains(p)) {
                ClickTab(i);
                return;
            }
        }
    };
    w->setFocusPolicy(Qt::NoFocus);
}

void TPageControl::AddPage(TTabSheet* page) {
    pages_.push_back(page);
    if (active_ < 0) {
        active_ = 0;
    }
    LayoutPages();
}

void TPageControl::SetActivePageIndex(int index) {
    if (index < 0 || index >= PageCount() || index == active_) {
        return;
    }
    active_ = index;
    LayoutPages();
    Repaint();
}

void TPageControl::ClickTab(int index) {
    if (index < 0 || index >= PageCount() || index == active_) {
        return;
    }
    SetActivePageIndex(index);
    if (OnChange) {
        Application().Dispatch(OnChange);
    }
}

int TPageControl::TabHeight() {
    return QFontMetrics(ToQFont(Font())).height() + 8;
}

TRect TPageControl::TabRect(int index) {
    const QFontMetrics metrics(ToQFont(Font()));
    int x = 2;
    for (int i = 0; i < PageCount(); ++i) {
        const int w = metrics.horizontalAdvance(ToQString(Page(i)->Caption())) + 16;
        if (i == index) {
            return {x, 2, x + w, 2 + TabHeight()};
        }
        x += w + 2;
    }
    return {};
}

void TPageControl::LayoutPages() {
    const int top = TabHeight() + 4;
    for (int i = 0; i < PageCount(); ++i) {
        QWidget* w = Page(i)->Widget();
        w->setGeometry(2, top, std::max(Width() - 4, 0), std::max(Height() - top - 2, 0));
        w->setVisible(i == active_);
    }
}

void TPageControl::Paint(QPainter& painter) {
    TCanvas canvas(painter);
    canvas.Font().Assign(Font());
    const int top = TabHeight() + 2;
    TRect frame{0, top, Width(), Height()};
    canvas.Frame3D(frame, clBtnHighlight, cl3DDkShadow, 1);
    for (int i = 0; i < PageCount(); ++i) {
        const TRect r = TabRect(i);
        const bool active = i == active_;
        TRect edge{r.Left - 1, r.Top - 1, r.Right + 1, r.Bottom + 1};
        canvas.Frame3D(edge, clBtnHighlight, cl3DDkShadow, 1);
        if (OnDrawTab) {
            Application().Dispatch([&] { OnDrawTab(*this, i, r, active, canvas); });
        } else {
            canvas.Brush().SetColor(clBtnFace);
            canvas.FillRect(r);
            canvas.DrawText(r, Page(i)->Caption(), dtCenter | dtVCenter | dtSingleLine);
        }
    }
}

} // namespace norvalt

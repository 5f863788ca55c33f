#include "toolkit/Control.h"

#include <QApplication>
#include <QWidget>
#include <algorithm>

#include "toolkit/QtBridge.h"
#include "toolkit/WinControl.h"

namespace norvalt {

void TControl::WidgetDeleter::operator()(QWidget* w) const {
    delete w;
}

TControl::TControl(TWinControl* parent, QWidget* widget) : parent_(parent), widget_(widget) {
    if (parent_) {
        widget_->setParent(parent_->ClientWidget());
        font_.Assign(parent_->Font());
        parent_->AddChild(this);
    }
    font_.OnChange = [this] {
        if (!applyingFont_) {
            parentFont_ = false;
        }
        ApplyFont();
    };
    widget_->setFont(ToQFont(font_));
    if (parent_ && parent_->Widget()->isVisible()) {
        widget_->show();
    }
}

TControl::~TControl() {
    if (parent_) {
        parent_->RemoveChild(this);
    }
}

int TControl::Left() const {
    return widget_->x();
}
int TControl::Top() const {
    return widget_->y();
}
int TControl::Width() const {
    return widget_->width();
}
int TControl::Height() const {
    return widget_->height();
}

void TControl::SetBounds(int left, int top, int width, int height) {
    widget_->setGeometry(left, top, std::max(width, 0), std::max(height, 0));
    if (parent_ && align_ != alNone) {
        parent_->Realign();
    }
}

void TControl::SetAlign(TAlign align) {
    align_ = align;
    if (parent_) {
        parent_->Realign();
    }
}

bool TControl::Visible() const {
    return widget_->isVisibleTo(widget_->window()) || widget_->isVisible();
}

void TControl::SetVisible(bool visible) {
    widget_->setVisible(visible);
    if (parent_ && align_ != alNone) {
        parent_->Realign();
    }
}

bool TControl::Enabled() const {
    return widget_->isEnabled();
}
void TControl::SetEnabled(bool enabled) {
    widget_->setEnabled(enabled);
}

void TControl::SetColor(TColor color) {
    colorSet_ = true;
    if (color == color_) {
        return;
    }
    color_ = color;
    ApplyColor();
}

void TControl::ApplyColor() {
    if (!colorSet_ && !PaintsBackground()) {
        return;
    }
    QPalette p = widget_->palette();
    p.setColor(QPalette::Window, ToQColor(color_));
    widget_->setPalette(p);
    widget_->setAutoFillBackground(true);
}

void TControl::ApplyFont() {
    widget_->setFont(ToQFont(font_));
}

void TControl::InheritFont(const TFont& font) {
    if (!parentFont_) {
        return;
    }
    applyingFont_ = true;
    font_.Assign(font);
    applyingFont_ = false;
}

void TControl::SetHint(const std::string& hint) {
    widget_->setToolTip(ToQString(hint));
}

void TControl::SetHandPointer(bool hand) {
    if (hand) {
        widget_->setCursor(Qt::PointingHandCursor);
    } else {
        widget_->unsetCursor();
    }
}

bool TControl::CanFocus() const {
    return widget_->focusPolicy() != Qt::NoFocus && widget_->isEnabled() &&
           widget_->isVisibleTo(widget_->window());
}

void TControl::SetFocus() {
    widget_->setFocus(Qt::OtherFocusReason);
}

bool TControl::Focused() const {
    return widget_->hasFocus();
}

void TControl::Repaint() {
    widget_->update();
}

TWinControl::TWinControl(TWinControl* parent, QWidget* widget) : TControl(parent, widget) {}

TWinControl::~TWinControl() {
    // Child widgets die with this control's widget: their controls must not
    // delete them again.
    for (TControl* child : children_) {
        child->parent_ = nullptr;
        (void)child->widget_.release();
    }
}

void TWinControl::AddChild(TControl* child) {
    children_.push_back(child);
}

void TWinControl::RemoveChild(TControl* child) {
    children_.erase(std::remove(children_.begin(), children_.end(), child), children_.end());
    Realign();
}

void TWinControl::ApplyFont() {
    TControl::ApplyFont();
    for (TControl* child : children_) {
        child->InheritFont(Font());
    }
}

void TWinControl::Realign() {
    if (realigning_) {
        return;
    }
    realigning_ = true;
    QWidget* client = ClientWidget();
    int left = 0, top = 0, right = client->width(), bottom = client->height();
    auto place = [](TControl* c, int x, int y, int w, int h) {
        c->Widget()->setGeometry(x, y, std::max(w, 0), std::max(h, 0));
    };
    for (TAlign pass : {alTop, alBottom, alLeft, alRight, alClient}) {
        for (TControl* c : children_) {
            if (c->Align() != pass || c->Widget()->isHidden()) {
                continue;
            }
            switch (pass) {
            case alTop:
                place(c, left, top, right - left, c->Height());
                top += c->Height();
                break;
            case alBottom:
                bottom -= c->Height();
                place(c, left, bottom, right - left, c->Height());
                break;
            case alLeft:
                place(c, left, top, c->Width(), bottom - top);
                left += c->Width();
                break;
            case alRight:
                right -= c->Width();
                place(c, right, top, c->Width(), bottom - top);
                break;
            case alClient:
                place(c, left, top, right - left, bottom - top);
                break;
            case alNone:
                break;
            }
        }
    }
    realigning_ = false;
}

void TWinControl::SelectNext(TControl* from) {
    QWidget* start = from ? from->Widget() : QApplication::focusWidget();
    if (!start) {
        start = Widget();
    }
    for (QWidget* w = start->nextInFocusChain(); w && w != start; w = w->nextInFocusChain()) {
        if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisibleTo(w->window()) &&
            w->window() == start->window() && !w->focusProxy()) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

} // namespace norvalt

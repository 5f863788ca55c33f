#include "toolkit/Label.h"

#include <QEnterEvent>
#include <QLabel>
#include <QMouseEvent>

#include "toolkit/Application.h"
#include "toolkit/QtBridge.h"

namespace norvalt {

class TLabel::Text : public QLabel {
public:
    explicit Text(TLabel* owner) : owner_(owner) {}

protected:
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) {
            Application().Dispatch([this] { owner_->Click(); });
            return;
        }
        QLabel::mouseReleaseEvent(e);
    }
    void enterEvent(QEnterEvent* e) override {
        QLabel::enterEvent(e);
        Application().Dispatch([this] { owner_->MouseEnter(); });
    }
    void leaveEvent(QEvent* e) override {
        QLabel::leaveEvent(e);
        Application().Dispatch([this] { owner_->MouseLeave(); });
    }

private:
    TLabel* owner_;
};

TLabel::TLabel(TWinControl* parent) : TControl(parent, new Text(this)) {
    static_cast<QLabel*>(Widget())->setTextFormat(Qt::PlainText);
    ApplyFont();
}

void TLabel::Click() {
    if (OnClick) {
        OnClick();
    }
}

void TLabel::MouseEnter() {
    if (OnMouseEnter) {
        OnMouseEnter();
    }
}

void TLabel::MouseLeave() {
    if (OnMouseLeave) {
        OnMouseLeave();
    }
}

void TLabel::SetCaption(const std::string& caption) {
    caption_ = caption;
    static_cast<QLabel*>(Widget())->setText(ToQString(caption));
    Fit();
}

void TLabel::SetAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    Fit();
}

void TLabel::SetAlignmentRight(bool right) {
    static_cast<QLabel*>(Widget())->setAlignment(right ? (Qt::AlignRight | Qt::AlignVCenter)
                                                       : (Qt::AlignLeft | Qt::AlignVCenter));
}

void TLabel::Fit() {
    if (autoSize_) {
        Widget()->resize(Widget()->sizeHint());
    }
}

void TLabel::ApplyFont() {
    TControl::ApplyFont();
    QPalette p = Widget()->palette();
    p.setColor(QPalette::WindowText, ToQColor(Font().Color()));
    Widget()->setPalette(p);
    Fit();
}

void TLabel::ApplyColor() {
    QPalette p = Widget()->palette();
    p.setColor(QPalette::Window, ToQColor(Color()));
    Widget()->setPalette(p);
    Widget()->setAutoFillBackground(true);
}

} // namespace norvalt

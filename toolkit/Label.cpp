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
        if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()) && owner_->OnClick) {
            Application().Dispatch(owner_->OnClick);
            return;
        }
        QLabel::mouseReleaseEvent(e);
    }
    void enterEvent(QEnterEvent* e) override {
        QLabel::enterEvent(e);
        if (owner_->OnMouseEnter) {
            Application().Dispatch(owner_->OnMouseEnter);
        }
    }
    void leaveEvent(QEvent* e) override {
        QLabel::leaveEvent(e);
        if (owner_->OnMouseLeave) {
            Application().Dispatch(owner_->OnMouseLeave);
        }
    }

private:
    TLabel* owner_;
};

TLabel::TLabel(TWinControl* parent) : TControl(parent, new Text(this)) {
    static_cast<QLabel*>(Widget())->setTextFormat(Qt::PlainText);
    ApplyFont();
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

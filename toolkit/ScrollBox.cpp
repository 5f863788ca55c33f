#include "toolkit/ScrollBox.h"

#include <QScrollArea>
#include <QScrollBar>

#include "toolkit/QtBridge.h"
#include "toolkit/QtWidgets.h"

namespace norvalt {

class TScrollBox::Area : public QScrollArea {
public:
    std::function<void()> onResize;

protected:
    void resizeEvent(QResizeEvent* e) override {
        QScrollArea::resizeEvent(e);
        if (onResize) {
            onResize();
        }
    }
};

TScrollBox::TScrollBox(TWinControl* parent) : TWinControl(parent, new Area), inner_(new NvContainer) {
    auto* area = static_cast<Area*>(Widget());
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(false);
    area->setWidget(inner_);
    static_cast<NvContainer*>(inner_)->onResize = [this] { Realign(); };
    area->onResize = [this] { FitContent(); };
    inner_->setAutoFillBackground(true);
}

QWidget* TScrollBox::ClientWidget() const {
    return inner_;
}

void TScrollBox::SetContentSize(int width, int height) {
    contentWidth_ = width;
    contentHeight_ = height;
    FitContent();
}

void TScrollBox::FitContent() {
    auto* area = static_cast<Area*>(Widget());
    const QSize view = area->maximumViewportSize();
    int w = std::max(view.width(), contentWidth_);
    int h = std::max(view.height(), contentHeight_);
    // A scroll bar in one direction takes room from the other.
    if (w > view.width()) {
        h = std::max(view.height() - area->horizontalScrollBar()->sizeHint().height(), contentHeight_);
    }
    if (h > view.height()) {
        w = std::max(view.width() - area->verticalScrollBar()->sizeHint().width(), contentWidth_);
    }
    inner_->resize(w, h);
}

void TScrollBox::ApplyColor() {
    QPalette p = inner_->palette();
    p.setColor(QPalette::Window, ToQColor(Color()));
    inner_->setPalette(p);
}

} // namespace norvalt

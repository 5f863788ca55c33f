#include "toolkit/QtWidgets.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "toolkit/Application.h"
#include "toolkit/QtBridge.h"

namespace norvalt {

void NvContainer::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    if (onResize) {
        onResize();
    }
}

void NvContainer::paintEvent(QPaintEvent* e) {
    QWidget::paintEvent(e);
    if (onPaint) {
        QPainter painter(this);
        onPaint(painter);
    }
}

void NvContainer::mousePressEvent(QMouseEvent* e) {
    if (onMousePress) {
        onMousePress(e);
    } else {
        QWidget::mousePressEvent(e);
    }
}

void NvContainer::mouseMoveEvent(QMouseEvent* e) {
    if (onMouseMove) {
        onMouseMove(e);
    } else {
        QWidget::mouseMoveEvent(e);
    }
}

void NvContainer::mouseReleaseEvent(QMouseEvent* e) {
    if (onMouseRelease) {
        onMouseRelease(e);
    } else if (onClick && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) {
        onClick();
    } else {
        QWidget::mouseReleaseEvent(e);
    }
}

QValidator::State Cp950Limit::validate(QString& input, int&) const {
    const auto bytes = FromQString(input);
    const int limit = maxLength_ ? maxLength_() : 0;
    if (!bytes || (limit > 0 && static_cast<int>(bytes->size()) > limit)) {
        Application().Beep();
        return Invalid;
    }
    return Acceptable;
}

bool ForwardKeyDown(const TKeyEvent& handler, TControl& sender, QKeyEvent* e) {
    if (!handler) {
        return false;
    }
    int key = ToVirtualKey(e->key());
    if (key == 0) {
        return false;
    }
    Application().Dispatch([&] { handler(sender, key, ToShiftState(e->modifiers())); });
    return key == 0;
}

} // namespace norvalt

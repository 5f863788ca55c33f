#include "toolkit/QtWidgets.h"

#include <QMouseEvent>
#include <QPainter>

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

} // namespace norvalt

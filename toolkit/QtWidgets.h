#pragma once

// Qt widget classes behind the toolkit's controls. Only toolkit sources
// include this header.

#include <QWidget>
#include <functional>

class QPainter;

namespace norvalt {

// A plain widget whose resize, paint and mouse events are forwarded to its
// control.
class NvContainer : public QWidget {
public:
    using QWidget::QWidget;
    std::function<void()> onResize;
    std::function<void(QPainter&)> onPaint;
    std::function<void(QMouseEvent*)> onMousePress;
    std::function<void(QMouseEvent*)> onMouseMove;
    std::function<void(QMouseEvent*)> onMouseRelease;
    std::function<void()> onClick;

protected:
    void resizeEvent(QResizeEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
};

} // namespace norvalt

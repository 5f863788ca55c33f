#pragma once

// Qt widget classes behind the toolkit's controls. Only toolkit sources
// include this header.

#include <QValidator>
#include <QWidget>
#include <functional>

#include "toolkit/Edit.h"

class QPainter;
class QKeyEvent;

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

// Lets through only text that code page 950 can hold and whose CP950 bytes
// stay within a limit (0: none); a refused edit beeps.
class Cp950Limit : public QValidator {
public:
    Cp950Limit(std::function<int()> maxLength, QObject* parent)
        : QValidator(parent), maxLength_(std::move(maxLength)) {}
    State validate(QString& input, int& pos) const override;

private:
    std::function<int()> maxLength_;
};

// Hands a key to a control's key-down handler through the dispatcher; true
// when the handler swallowed it (set the key to 0).
bool ForwardKeyDown(const TKeyEvent& handler, TControl& sender, QKeyEvent* e);

} // namespace norvalt

#include "toolkit/Canvas.h"

#include <QFontMetrics>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>

#include "toolkit/QtBridge.h"

namespace norvalt {

TBitmap::TBitmap() : image_(std::make_unique<QImage>()) {}
TBitmap::TBitmap(int width, int height, TColor fill)
    : image_(std::make_unique<QImage>(width, height, QImage::Format_RGB32)) {
    image_->fill(ToQColor(fill));
}
TBitmap::~TBitmap() = default;
TBitmap::TBitmap(const TBitmap& other) : image_(std::make_unique<QImage>(*other.image_)) {}
TBitmap& TBitmap::operator=(const TBitmap& other) {
    *image_ = *other.image_;
    return *this;
}
int TBitmap::Width() const {
    return image_->width();
}
int TBitmap::Height() const {
    return image_->height();
}
bool TBitmap::Empty() const {
    return image_->isNull();
}

TCanvas::TCanvas(QPainter& painter) : painter_(painter) {}

void TCanvas::UseFont() {
    painter_.setFont(ToQFont(font_));
    painter_.setPen(ToQColor(font_.Color()));
}

void TCanvas::FillRect(const TRect& rect) {
    painter_.fillRect(ToQRect(rect), ToQColor(brush_.Color()));
}

void TCanvas::FrameRect(const TRect& rect) {
    painter_.setPen(ToQColor(brush_.Color()));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(rect.Left, rect.Top, rect.Width() - 1, rect.Height() - 1);
}

void TCanvas::Line(int x1, int y1, int x2, int y2) {
    painter_.setPen(ToQColor(penColor_));
    painter_.drawLine(x1, y1, x2, y2);
}

void TCanvas::Frame3D(TRect& rect, TColor topLeft, TColor bottomRight, int width) {
    for (int i = 0; i < width; ++i) {
        const int l = rect.Left, t = rect.Top, r = rect.Right - 1, b = rect.Bottom - 1;
        painter_.setPen(ToQColor(topLeft));
        painter_.drawLine(l, t, r, t);
        painter_.drawLine(l, t, l, b);
        painter_.setPen(ToQColor(bottomRight));
        painter_.drawLine(l, b, r, b);
        painter_.drawLine(r, t, r, b);
        rect = {rect.Left + 1, rect.Top + 1, rect.Right - 1, rect.Bottom - 1};
    }
}

void TCanvas::DrawFocusRect(const TRect& rect) {
    QPen pen(Qt::black);
    pen.setStyle(Qt::DotLine);
    painter_.setPen(pen);
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(rect.Left, rect.Top, rect.Width() - 1, rect.Height() - 1);
}

void TCanvas::StretchDraw(const TRect& rect, const TBitmap& bitmap) {
    if (!bitmap.Empty()) {
        painter_.drawImage(ToQRect(rect), bitmap.Image());
    }
}

void TCanvas::GradientFillHorizontal(const TRect& rect, TColor from, TColor to) {
    QLinearGradient g(rect.Left, 0, rect.Right, 0);
    g.setColorAt(0, ToQColor(from));
    g.setColorAt(1, ToQColor(to));
    painter_.fillRect(ToQRect(rect), g);
}

void TCanvas::TextOut(int x, int y, const std::string& text) {
    UseFont();
    const QFontMetrics m(painter_.font());
    painter_.drawText(x, y + m.ascent(), ToQString(text));
}

void TCanvas::TextRect(const TRect& rect, int x, int y, const std::string& text) {
    FillRect(rect);
    painter_.save();
    painter_.setClipRect(ToQRect(rect), Qt::IntersectClip);
    TextOut(x, y, text);
    painter_.restore();
}

void TCanvas::DrawText(const TRect& rect, const std::string& text, unsigned flags) {
    UseFont();
    int qtFlags = 0;
    qtFlags |= (flags & dtCenter) ? Qt::AlignHCenter : (flags & dtRight) ? Qt::AlignRight : Qt::AlignLeft;
    qtFlags |= (flags & dtVCenter) ? Qt::AlignVCenter : (flags & dtBottom) ? Qt::AlignBottom : Qt::AlignTop;
    if (flags & dtWordBreak) {
        qtFlags |= Qt::TextWordWrap;
    }
    QString s = ToQString(text);
    const QRect r = ToQRect(rect);
    if (flags & dtEndEllipsis) {
        s = QFontMetrics(painter_.font()).elidedText(s, Qt::ElideRight, r.width());
    }
    if (!(flags & dtNoClip)) {
        painter_.save();
        painter_.setClipRect(r, Qt::IntersectClip);
        painter_.drawText(r, qtFlags, s);
        painter_.restore();
    } else {
        painter_.drawText(r, qtFlags, s);
    }
}

TPoint TCanvas::TextExtent(const std::string& text) {
    const QFontMetrics m(ToQFont(font_));
    return {m.horizontalAdvance(ToQString(text)), m.height()};
}

} // namespace norvalt

#pragma once

#include <memory>
#include <string>

#include "toolkit/Graphics.h"
#include "toolkit/Types.h"

class QPainter;
class QImage;

namespace norvalt {

// A picture the canvas can stretch into a rectangle.
class TBitmap {
public:
    TBitmap();
    TBitmap(int width, int height, TColor fill);
    ~TBitmap();
    TBitmap(const TBitmap& other);
    TBitmap& operator=(const TBitmap& other);
    int Width() const;
    int Height() const;
    bool Empty() const;
    const QImage& Image() const { return *image_; }
    QImage& Image() { return *image_; }

private:
    std::unique_ptr<QImage> image_;
};

// Text format flags of DrawText.
enum TTextFlag : unsigned {
    dtLeft = 0,
    dtCenter = 1,
    dtRight = 2,
    dtTop = 0,
    dtVCenter = 4,
    dtBottom = 8,
    dtWordBreak = 16,
    dtSingleLine = 32,
    dtEndEllipsis = 64,
    dtNoClip = 128,
};

// Drawing on a surface, with the toolkit's font, brush and pen. Texts are CP950.
class TCanvas {
public:
    explicit TCanvas(QPainter& painter);

    TFont& Font() { return font_; }
    TBrush& Brush() { return brush_; }
    TColor PenColor() const { return penColor_; }
    void SetPenColor(TColor color) { penColor_ = color; }

    void FillRect(const TRect& rect);
    void FrameRect(const TRect& rect);
    void Line(int x1, int y1, int x2, int y2);
    // A 3-D frame: top and left edges in topLeft, bottom and right in
    // bottomRight; the rectangle shrinks by width on every side.
    void Frame3D(TRect& rect, TColor topLeft, TColor bottomRight, int width);
    void DrawFocusRect(const TRect& rect);
    void StretchDraw(const TRect& rect, const TBitmap& bitmap);
    // The gradient from `from` on the left to `to` on the right.
    void GradientFillHorizontal(const TRect& rect, TColor from, TColor to);

    // Text with its top-left corner at x, y.
    void TextOut(int x, int y, const std::string& text);
    // Text at x, y, clipped to rect, after filling rect with the brush.
    void TextRect(const TRect& rect, int x, int y, const std::string& text);
    // Text aligned in rect by the TTextFlag flags (no background fill).
    void DrawText(const TRect& rect, const std::string& text, unsigned flags);
    TPoint TextExtent(const std::string& text);
    int TextWidth(const std::string& text) { return TextExtent(text).X; }
    int TextHeight(const std::string& text) { return TextExtent(text).Y; }

    QPainter& Painter() { return painter_; }

private:
    void UseFont();
    QPainter& painter_;
    TFont font_;
    TBrush brush_;
    TColor penColor_ = clBlack;
};

} // namespace norvalt

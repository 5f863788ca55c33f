#pragma once

#include <functional>
#include <string>

#include "toolkit/Types.h"

namespace norvalt {

enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = unsigned;

// Base of fonts and brushes: OnChange runs after every real change (setting a
// value a property already has is no change).
class TGraphicsObject {
public:
    virtual ~TGraphicsObject() = default;
    std::function<void()> OnChange;

protected:
    void Changed() {
        if (OnChange) {
            OnChange();
        }
    }
};

// A font: face name (CP950, as the window names it), height in pixels
// (negative: character height, as the window definition gives it), colour
// and styles.
class TFont : public TGraphicsObject {
public:
    TFont();

    const std::string& Name() const { return name_; }
    int Height() const { return height_; }
    TColor Color() const { return color_; }
    TFontStyles Style() const { return style_; }
    // Size in points, from the height at 96 dots per inch.
    int Size() const;

    void SetName(const std::string& name);
    void SetHeight(int height);
    void SetSize(int points);
    void SetColor(TColor color);
    void SetStyle(TFontStyles style);
    void Assign(const TFont& source);

    friend bool operator==(const TFont& a, const TFont& b) {
        return a.name_ == b.name_ && a.height_ == b.height_ && a.color_ == b.color_ && a.style_ == b.style_;
    }

private:
    std::string name_;
    int height_ = -11;
    TColor color_ = clWindowText;
    TFontStyles style_ = 0;
};

class TBrush : public TGraphicsObject {
public:
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    void Assign(const TBrush& source) { SetColor(source.color_); }

private:
    TColor color_ = clWhite;
};

} // namespace norvalt

#include "toolkit/Graphics.h"

namespace norvalt {

TFont::TFont() : name_("MS Sans Serif") {}

int TFont::Size() const {
    return height_ < 0 ? (-height_ * 72 + 48) / 96 : height_;
}

void TFont::SetName(const std::string& name) {
    if (name != name_) {
        name_ = name;
        Changed();
    }
}

void TFont::SetHeight(int height) {
    if (height != height_) {
        height_ = height;
        Changed();
    }
}

void TFont::SetSize(int points) {
    SetHeight(-(points * 96 + 36) / 72);
}

void TFont::SetColor(TColor color) {
    if (color != color_) {
        color_ = color;
        Changed();
    }
}

void TFont::SetStyle(TFontStyles style) {
    if (style != style_) {
        style_ = style;
        Changed();
    }
}

void TFont::Assign(const TFont& source) {
    if (source == *this) {
        return;
    }
    name_ = source.name_;
    height_ = source.height_;
    color_ = source.color_;
    style_ = source.style_;
    Changed();
}

void TBrush::SetColor(TColor color) {
    if (color != color_) {
        color_ = color;
        Changed();
    }
}

TColor ColorToRGB(TColor color) {
    if ((color & 0xFF000000u) != 0xFF000000u) {
        return color & 0x00FFFFFFu;
    }
    switch (color & 0xFFu) {
    case 0x02:
        return RGB(0, 84, 227); // active caption
    case 0x04:
        return RGB(240, 240, 240); // menu
    case 0x05:
        return RGB(255, 255, 255); // window
    case 0x08:
        return RGB(0, 0, 0); // window text
    case 0x0D:
        return RGB(0, 120, 215); // highlight
    case 0x0E:
        return RGB(255, 255, 255); // highlight text
    case 0x0F:
        return RGB(240, 240, 240); // button face
    case 0x10:
        return RGB(160, 160, 160); // button shadow
    case 0x11:
        return RGB(109, 109, 109); // grey text
    case 0x12:
        return RGB(0, 0, 0); // button text
    case 0x14:
        return RGB(255, 255, 255); // button highlight
    case 0x15:
        return RGB(105, 105, 105); // dark 3-D shadow
    case 0x16:
        return RGB(227, 227, 227); // 3-D light
    default:
        return RGB(0, 0, 0);
    }
}

} // namespace norvalt

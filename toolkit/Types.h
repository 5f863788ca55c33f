#pragma once

#include <cstdint>

namespace norvalt {

// Colours: 0x00BBGGRR for an RGB colour (red in the low byte), 0xFF0000nn for
// system colour nn, clNone for no colour.
using TColor = std::uint32_t;

constexpr TColor RGB(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return static_cast<TColor>(r) | (static_cast<TColor>(g) << 8) | (static_cast<TColor>(b) << 16);
}

constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clActiveCaption = 0xFF000002;
constexpr TColor clMenu = 0xFF000004;
constexpr TColor clWindow = 0xFF000005;
constexpr TColor clWindowText = 0xFF000008;
constexpr TColor clHighlight = 0xFF00000D;
constexpr TColor clHighlightText = 0xFF00000E;
constexpr TColor clBtnFace = 0xFF00000F;
constexpr TColor clBtnShadow = 0xFF000010;
constexpr TColor clGrayText = 0xFF000011;
constexpr TColor clBtnText = 0xFF000012;
constexpr TColor clBtnHighlight = 0xFF000014;
constexpr TColor cl3DDkShadow = 0xFF000015;
constexpr TColor cl3DLight = 0xFF000016;

// The RGB value a colour stands for; system colours resolve to the fixed
// palette the program is drawn with.
TColor ColorToRGB(TColor color);

struct TPoint {
    int X = 0;
    int Y = 0;
    friend bool operator==(const TPoint&, const TPoint&) = default;
};

struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool Contains(TPoint p) const { return p.X >= Left && p.X < Right && p.Y >= Top && p.Y < Bottom; }
    friend bool operator==(const TRect&, const TRect&) = default;
};

// Shift-state bits of key and mouse events.
enum TShiftFlag : unsigned { ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssDouble = 32 };
using TShiftState = unsigned;

// Key codes of the key-down events (the virtual-key codes the handlers test).
enum TKeyCode : int {
    VK_BACK = 8,
    VK_TAB = 9,
    VK_RETURN = 13,
    VK_ESCAPE = 27,
    VK_SPACE = 32,
    VK_PRIOR = 33,
    VK_NEXT = 34,
    VK_END = 35,
    VK_HOME = 36,
    VK_LEFT = 37,
    VK_UP = 38,
    VK_RIGHT = 39,
    VK_DOWN = 40,
    VK_INSERT = 45,
    VK_DELETE = 46,
    VK_F2 = 113,
};

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

enum TModalResult { mrNone = 0, mrOk = 1, mrCancel = 2, mrYes = 6, mrNo = 7 };

} // namespace norvalt

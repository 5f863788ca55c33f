#pragma once

// Conversions between the toolkit's types and Qt's. Only toolkit sources
// include this header: the layers above never meet a Qt type.

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <optional>
#include <string>
#include <string_view>

#include "toolkit/Graphics.h"
#include "toolkit/Types.h"

namespace norvalt {

QColor ToQColor(TColor color);
// The installed face that stands in for a face the window names.
QString MapFontFace(const std::string& cp950Name);
QFont ToQFont(const TFont& font);
QString ToQString(std::string_view cp950);
// Nothing when the text holds a character code page 950 cannot hold.
std::optional<std::string> FromQString(const QString& text);
inline QRect ToQRect(const TRect& r) {
    return QRect(r.Left, r.Top, r.Width(), r.Height());
}
// Virtual-key code of a Qt key, or 0 when it has none.
int ToVirtualKey(int qtKey);
int ToQtKey(int virtualKey);
TShiftState ToShiftState(Qt::KeyboardModifiers modifiers);

} // namespace norvalt

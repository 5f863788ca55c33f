#include "toolkit/QtBridge.h"

#include <QStringList>

#include "text/Cp950.h"
#include "text/Literal.h"

namespace norvalt {

using namespace literals;

QColor ToQColor(TColor color) {
    const TColor rgb = ColorToRGB(color);
    return QColor(static_cast<int>(rgb & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                  static_cast<int>((rgb >> 16) & 0xFF));
}

QString MapFontFace(const std::string& name) {
    if (name == u8"細明體"_b5 || name == u8"新細明體"_b5 || name == u8"標楷體"_b5) {
        return QStringLiteral("AR PL UMing TW");
    }
    if (name == "Verdana") {
        return QStringLiteral("DejaVu Sans");
    }
    if (name == "MS Sans Serif" || name == "Arial" || name == "Tahoma") {
        return QStringLiteral("Liberation Sans");
    }
    return ToQString(name);
}

QFont ToQFont(const TFont& font) {
    QFont q;
    // The Chinese face follows the named one, so that Chinese text in a Latin
    // face still shows its characters.
    q.setFamilies(QStringList{MapFontFace(font.Name()), QStringLiteral("AR PL UMing TW")});
    if (font.Height() < 0) {
        q.setPixelSize(-font.Height());
    } else if (font.Height() > 0) {
        q.setPixelSize(font.Height() * 3 / 4 > 0 ? font.Height() * 3 / 4 : 1);
    }
    q.setBold((font.Style() & fsBold) != 0);
    q.setItalic((font.Style() & fsItalic) != 0);
    q.setUnderline((font.Style() & fsUnderline) != 0);
    q.setStrikeOut((font.Style() & fsStrikeOut) != 0);
    q.setHintingPreference(QFont::PreferFullHinting);
    return q;
}

QString ToQString(std::string_view cp950) {
    return QString::fromStdString(Cp950ToUtf8(cp950));
}

std::optional<std::string> FromQString(const QString& text) {
    return TryUtf8ToCp950(text.toStdString());
}

namespace {
struct KeyPair {
    int qt;
    int vk;
};
constexpr KeyPair kKeys[] = {
    {Qt::Key_Backspace, VK_BACK}, {Qt::Key_Tab, VK_TAB},       {Qt::Key_Backtab, VK_TAB},
    {Qt::Key_Return, VK_RETURN},  {Qt::Key_Enter, VK_RETURN},  {Qt::Key_Escape, VK_ESCAPE},
    {Qt::Key_Space, VK_SPACE},    {Qt::Key_PageUp, VK_PRIOR},  {Qt::Key_PageDown, VK_NEXT},
    {Qt::Key_End, VK_END},        {Qt::Key_Home, VK_HOME},     {Qt::Key_Left, VK_LEFT},
    {Qt::Key_Up, VK_UP},          {Qt::Key_Right, VK_RIGHT},   {Qt::Key_Down, VK_DOWN},
    {Qt::Key_Insert, VK_INSERT},  {Qt::Key_Delete, VK_DELETE}, {Qt::Key_F2, VK_F2},
};
} // namespace

int ToVirtualKey(int qtKey) {
    for (const auto& k : kKeys) {
        if (k.qt == qtKey) {
            return k.vk;
        }
    }
    if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)) {
        return qtKey; // the same codes as the virtual keys
    }
    return 0;
}

int ToQtKey(int virtualKey) {
    for (const auto& k : kKeys) {
        if (k.vk == virtualKey) {
            return k.qt;
        }
    }
    return virtualKey;
}

TShiftState ToShiftState(Qt::KeyboardModifiers m) {
    TShiftState s = 0;
    if (m & Qt::ShiftModifier) {
        s |= ssShift;
    }
    if (m & Qt::AltModifier) {
        s |= ssAlt;
    }
    if (m & Qt::ControlModifier) {
        s |= ssCtrl;
    }
    return s;
}

} // namespace norvalt

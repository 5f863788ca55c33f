#include "UiDriver.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QTest>
#include <cstdlib>

#include "toolkit/Application.h"

namespace norvalt::test {

void TypeText(QWidget* widget, const std::string& utf8) {
    // One key event per character, carrying the character as its text (the
    // test library's own typing knows only ASCII).
    const QString text = QString::fromStdString(utf8);
    for (qsizetype i = 0; i < text.size(); ++i) {
        QString ch = text.mid(i, text[i].isHighSurrogate() ? 2 : 1);
        i += ch.size() - 1;
        const ushort u = ch[0].unicode();
        int key = 0;
        if (u < 128 && QChar(u).isLetterOrNumber()) {
            key = QChar(u).toUpper().unicode();
        } else if (u == ' ') {
            key = Qt::Key_Space;
        } else if (u == '.') {
            key = Qt::Key_Period;
        } else if (u == ',') {
            key = Qt::Key_Comma;
        } else if (u == '-') {
            key = Qt::Key_Minus;
        }
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, ch);
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, ch);
        QApplication::sendEvent(widget, &release);
    }
}

void PressKey(QWidget* widget, int qtKey, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(widget, static_cast<Qt::Key>(qtKey), modifiers);
}

void Click(QWidget* widget, int x, int y, Qt::KeyboardModifiers modifiers) {
    QTest::mouseClick(widget, Qt::LeftButton, modifiers, QPoint(x, y));
}

void DoubleClick(QWidget* widget, int x, int y) {
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, QPoint(x, y));
    QTest::mouseDClick(widget, Qt::LeftButton, Qt::NoModifier, QPoint(x, y));
}

QImage Grab(QWidget* widget) {
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

TColor PixelColor(const QImage& image, int x, int y) {
    const QRgb p = image.pixel(x, y);
    return RGB(static_cast<std::uint8_t>(qRed(p)), static_cast<std::uint8_t>(qGreen(p)),
               static_cast<std::uint8_t>(qBlue(p)));
}

QWidget* InputWidget(TControl& control) {
    if (auto* area = qobject_cast<QAbstractScrollArea*>(control.Widget())) {
        return area->viewport();
    }
    return control.Widget();
}

void ShowActive(TControl& form) {
    QWidget* w = form.Widget();
    w->show();
    QApplication::setActiveWindow(w);
    w->activateWindow();
    (void)QTest::qWaitForWindowActive(w);
}

TRect InkBounds(const QImage& image, const TRect& rect, TColor background) {
    TRect ink{rect.Right, rect.Bottom, rect.Left, rect.Top};
    bool any = false;
    for (int y = rect.Top; y < rect.Bottom; ++y) {
        for (int x = rect.Left; x < rect.Right; ++x) {
            const TColor c = PixelColor(image, x, y);
            auto channel = [](TColor v, int shift) { return static_cast<int>((v >> shift) & 0xFF); };
            const int diff = std::abs(channel(c, 0) - channel(background, 0)) +
                             std::abs(channel(c, 8) - channel(background, 8)) +
                             std::abs(channel(c, 16) - channel(background, 16));
            if (diff > 96) {
                any = true;
                ink.Left = std::min(ink.Left, x);
                ink.Top = std::min(ink.Top, y);
                ink.Right = std::max(ink.Right, x + 1);
                ink.Bottom = std::max(ink.Bottom, y + 1);
            }
        }
    }
    return any ? ink : TRect{};
}

void PickItem(QWidget* comboBox, int index) {
    auto* box = qobject_cast<QComboBox*>(comboBox);
    box->setCurrentIndex(index);
    emit box->activated(index);
}

void Settle() {
    Application().ProcessMessages();
}

} // namespace norvalt::test

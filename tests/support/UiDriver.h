#pragma once

// Drives real widgets in tests as a user would: typing, keys, clicks, and
// reading what was painted.

#include <QImage>
#include <QWidget>
#include <string>

#include "toolkit/Control.h"
#include "toolkit/Types.h"

namespace norvalt::test {

// Types UTF-8 text into the control's widget (or its focus proxy), key by key.
void TypeText(QWidget* widget, const std::string& utf8);
inline void TypeText(TControl& control, const std::string& utf8) {
    TypeText(control.Widget(), utf8);
}
void PressKey(QWidget* widget, int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void Click(QWidget* widget, int x, int y, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void DoubleClick(QWidget* widget, int x, int y);
// What the widget shows, painted into an image.
QImage Grab(QWidget* widget);
// The toolkit colour of a pixel.
TColor PixelColor(const QImage& image, int x, int y);
// The widget that receives keys and mouse events of a control (a scroll
// area's viewport, say).
QWidget* InputWidget(TControl& control);
// Shows a form and makes it the active window, so that focus works.
void ShowActive(TControl& form);
// The bounding box of the pixels inside rect that differ from the colour at
// the rectangle's centre line edge (its background); empty when none.
TRect InkBounds(const QImage& image, const TRect& rect, TColor background);
// Picks a list item as the user does (the list's change event runs).
void PickItem(QWidget* comboBox, int index);
// Runs pending events and posted calls.
void Settle();

} // namespace norvalt::test

#include "toolkit/RadioButton.h"

#include <QRadioButton>

#include "toolkit/Application.h"
#include "toolkit/QtBridge.h"

namespace norvalt {

TRadioButton::TRadioButton(TWinControl* parent) : TControl(parent, new QRadioButton) {
    QObject::connect(static_cast<QRadioButton*>(Widget()), &QRadioButton::clicked, [this] {
        if (OnClick) {
            Application().Dispatch(OnClick);
        }
    });
}

void TRadioButton::SetCaption(const std::string& caption) {
    caption_ = caption;
    static_cast<QRadioButton*>(Widget())->setText(ToQString(caption));
}

bool TRadioButton::Checked() const {
    return static_cast<QRadioButton*>(Widget())->isChecked();
}
void TRadioButton::SetChecked(bool checked) {
    static_cast<QRadioButton*>(Widget())->setChecked(checked);
}

void TRadioButton::ApplyFont() {
    TControl::ApplyFont();
    QPalette p = Widget()->palette();
    p.setColor(QPalette::WindowText, ToQColor(Font().Color()));
    Widget()->setPalette(p);
}

} // namespace norvalt

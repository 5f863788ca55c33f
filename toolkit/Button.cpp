#include "toolkit/Button.h"

#include <QPushButton>

#include "toolkit/Application.h"
#include "toolkit/QtBridge.h"

namespace norvalt {

TButton::TButton(TWinControl* parent) : TControl(parent, new QPushButton) {
    auto* button = static_cast<QPushButton*>(Widget());
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, [this] {
        if (OnClick) {
            Application().Dispatch(OnClick);
        }
    });
}

void TButton::SetCaption(const std::string& caption) {
    caption_ = caption;
    static_cast<QPushButton*>(Widget())->setText(ToQString(caption));
}

void TButton::Click() {
    if (Enabled()) {
        static_cast<QPushButton*>(Widget())->click();
    }
}

} // namespace norvalt

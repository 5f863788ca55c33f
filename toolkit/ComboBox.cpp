#include "toolkit/ComboBox.h"

#include <QComboBox>
#include <QKeyEvent>
#include <algorithm>

#include "toolkit/Application.h"
#include "toolkit/QtBridge.h"
#include "toolkit/QtWidgets.h"

namespace norvalt {

class TComboBox::Box : public QComboBox {
public:
    explicit Box(TComboBox* owner) : owner_(owner) {}

protected:
    void keyPressEvent(QKeyEvent* e) override {
        if (ForwardKeyDown(owner_->OnKeyDown, *owner_, e)) {
            return;
        }
        // Enter is the program's key for the next field, not the list's.
        if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
            e->ignore();
            return;
        }
        QComboBox::keyPressEvent(e);
    }

private:
    TComboBox* owner_;
};

TComboBox::TComboBox(TWinControl* parent) : TControl(parent, new Box(this)) {
    auto* box = static_cast<QComboBox*>(Widget());
    box->setEditable(false);
    box->setMaxVisibleItems(16);
    QObject::connect(box, &QComboBox::activated, [this](int) {
        if (OnChange) {
            Application().Dispatch(OnChange);
        }
    });
    SetColor(clWindow);
}

void TComboBox::SetItems(std::vector<std::string> items) {
    items_ = std::move(items);
    auto* box = static_cast<QComboBox*>(Widget());
    const QSignalBlocker block(box);
    box->clear();
    for (const auto& item : items_) {
        box->addItem(ToQString(item));
    }
    box->setCurrentIndex(-1);
}

int TComboBox::ItemIndex() const {
    return static_cast<QComboBox*>(Widget())->currentIndex();
}

void TComboBox::SetItemIndex(int index) {
    if (index < -1 || index >= static_cast<int>(items_.size())) {
        index = -1;
    }
    static_cast<QComboBox*>(Widget())->setCurrentIndex(index);
}

std::string TComboBox::Text() const {
    const int index = ItemIndex();
    return index >= 0 ? items_[static_cast<std::size_t>(index)] : std::string();
}

void TComboBox::SetText(const std::string& text) {
    const auto it = std::find(items_.begin(), items_.end(), text);
    SetItemIndex(it == items_.end() ? -1 : static_cast<int>(it - items_.begin()));
}

void TComboBox::ApplyColor() {
    QPalette p = Widget()->palette();
    p.setColor(QPalette::Base, ToQColor(Color()));
    p.setColor(QPalette::Button, ToQColor(Color()));
    Widget()->setPalette(p);
}

} // namespace norvalt

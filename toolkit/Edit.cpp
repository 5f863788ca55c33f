#include "toolkit/Edit.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QValidator>

#include "toolkit/Application.h"
#include "toolkit/QtBridge.h"
#include "toolkit/QtWidgets.h"

namespace norvalt {

class TEdit::Line : public QLineEdit {
public:
    explicit Line(TEdit* owner) : owner_(owner) {}

protected:
    void keyPressEvent(QKeyEvent* e) override {
        if (!ForwardKeyDown(owner_->OnKeyDown, *owner_, e)) {
            QLineEdit::keyPressEvent(e);
        }
    }
    void focusInEvent(QFocusEvent* e) override {
        QLineEdit::focusInEvent(e);
        if (owner_->OnEnter) {
            Application().Dispatch(owner_->OnEnter);
        }
    }
    void focusOutEvent(QFocusEvent* e) override {
        QLineEdit::focusOutEvent(e);
        if (owner_->OnExit) {
            Application().Dispatch(owner_->OnExit);
        }
    }

private:
    TEdit* owner_;
};

TEdit::TEdit(TWinControl* parent) : TControl(parent, new Line(this)) {
    auto* line = static_cast<QLineEdit*>(Widget());
    line->setValidator(new Cp950Limit([this] { return maxLength_; }, line));
    QObject::connect(line, &QLineEdit::textEdited, [this] { programTextShown_ = false; });
    QObject::connect(line, &QLineEdit::textChanged, [this] {
        if (OnChange) {
            Application().Dispatch(OnChange);
        }
    });
    SetColor(clWindow);
}

std::string TEdit::Text() const {
    if (programTextShown_) {
        return programText_;
    }
    // The validator let only CP950 text in.
    return FromQString(static_cast<QLineEdit*>(Widget())->text()).value_or(std::string());
}

void TEdit::SetText(const std::string& text) {
    programText_ = text;
    programTextShown_ = true;
    static_cast<QLineEdit*>(Widget())->setText(ToQString(text));
    programTextShown_ = true; // the change handler may have run in between
}

void TEdit::SetMaxLength(int bytes) {
    maxLength_ = bytes;
}

bool TEdit::ReadOnly() const {
    return static_cast<QLineEdit*>(Widget())->isReadOnly();
}
void TEdit::SetReadOnly(bool readOnly) {
    static_cast<QLineEdit*>(Widget())->setReadOnly(readOnly);
}
void TEdit::SelectAll() {
    static_cast<QLineEdit*>(Widget())->selectAll();
}

void TEdit::ApplyColor() {
    QPalette p = Widget()->palette();
    p.setColor(QPalette::Base, ToQColor(Color()));
    Widget()->setPalette(p);
}

} // namespace norvalt

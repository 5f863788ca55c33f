#include "toolkit/Edit.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QValidator>

#include "toolkit/Application.h"
#include "toolkit/QtBridge.h"

namespace norvalt {

// Refuses an edit whose result CP950 cannot hold or that passes the byte limit.
class TEdit::Limit : public QValidator {
public:
    Limit(TEdit* owner, QObject* parent) : QValidator(parent), owner_(owner) {}
    State validate(QString& input, int&) const override {
        const auto bytes = FromQString(input);
        if (!bytes || (owner_->maxLength_ > 0 && static_cast<int>(bytes->size()) > owner_->maxLength_)) {
            Application().Beep();
            return Invalid;
        }
        return Acceptable;
    }

private:
    TEdit* owner_;
};

class TEdit::Line : public QLineEdit {
public:
    explicit Line(TEdit* owner) : owner_(owner) {}

protected:
    void keyPressEvent(QKeyEvent* e) override {
        if (owner_->OnKeyDown) {
            int key = ToVirtualKey(e->key());
            if (key != 0) {
                Application().Dispatch([&] { owner_->OnKeyDown(*owner_, key, ToShiftState(e->modifiers())); });
                if (key == 0) {
                    return;
                }
            }
        }
        QLineEdit::keyPressEvent(e);
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
    line->setValidator(new Limit(this, line));
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

void TEdit::SetMaxLength(int bytes) { maxLength_ = bytes; }

bool TEdit::ReadOnly() const { return static_cast<QLineEdit*>(Widget())->isReadOnly(); }
void TEdit::SetReadOnly(bool readOnly) { static_cast<QLineEdit*>(Widget())->setReadOnly(readOnly); }
void TEdit::SelectAll() { static_cast<QLineEdit*>(Widget())->selectAll(); }

void TEdit::ApplyColor() {
    QPalette p = Widget()->palette();
    p.setColor(QPalette::Base, ToQColor(Color()));
    Widget()->setPalette(p);
}

} // namespace norvalt

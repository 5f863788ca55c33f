#include "toolkit/CurrencyEdit.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpression>
#include <QValidator>

#include "text/Amount.h"
#include "toolkit/Application.h"
#include "toolkit/QtBridge.h"
#include "toolkit/QtWidgets.h"

namespace norvalt {

// Lets through only a number with at most two decimals and no sign.
class TCurrencyEdit::Limit : public QValidator {
public:
    explicit Limit(QObject* parent) : QValidator(parent) {}
    State validate(QString& input, int&) const override {
        static const QRegularExpression number(QStringLiteral("^[0-9]*(\\.[0-9]{0,2})?$"));
        if (input.size() > kMaxLength || !number.match(input).hasMatch()) {
            Application().Beep();
            return Invalid;
        }
        return Acceptable;
    }
};

class TCurrencyEdit::Line : public QLineEdit {
public:
    explicit Line(TCurrencyEdit* owner) : owner_(owner) { setAlignment(Qt::AlignRight | Qt::AlignVCenter); }

protected:
    void keyPressEvent(QKeyEvent* e) override {
        if (ForwardKeyDown(owner_->OnKeyDown, *owner_, e)) {
            return;
        }
        if (e->key() == Qt::Key_Escape) {
            Application().Dispatch([&] { owner_->ShowValue(true); });
            selectAll();
            return;
        }
        if (!isReadOnly() && (e->text() == QStringLiteral(",") || e->text() == QStringLiteral("."))) {
            // Either key types the decimal separator.
            QKeyEvent point(e->type(), Qt::Key_Period, e->modifiers(), QStringLiteral("."));
            QLineEdit::keyPressEvent(&point);
            return;
        }
        QLineEdit::keyPressEvent(e);
    }
    void focusInEvent(QFocusEvent* e) override {
        Application().Dispatch([&] { owner_->ShowValue(true); });
        QLineEdit::focusInEvent(e);
    }
    void focusOutEvent(QFocusEvent* e) override {
        QLineEdit::focusOutEvent(e);
        Application().Dispatch([&] {
            owner_->Commit();
            if (owner_->OnExit) {
                owner_->OnExit();
            }
        });
    }

private:
    TCurrencyEdit* owner_;
};

TCurrencyEdit::TCurrencyEdit(TWinControl* parent) : TControl(parent, new Line(this)) {
    auto* line = static_cast<QLineEdit*>(Widget());
    line->setValidator(new Limit(line));
    SetColor(clWindow);
    ShowValue(false);
}

void TCurrencyEdit::ShowValue(bool editing) {
    editing_ = editing;
    auto* line = static_cast<QLineEdit*>(Widget());
    line->setText(QString::fromStdString(editing ? AmountEditText(value_) : AmountDisplayText(value_)));
}

void TCurrencyEdit::Commit() {
    if (editing_) {
        value_ = ReadAmountOrZero(static_cast<QLineEdit*>(Widget())->text().toStdString());
    }
    ShowValue(false);
}

std::string TCurrencyEdit::Text() const {
    if (editing_) {
        return static_cast<QLineEdit*>(Widget())->text().toStdString();
    }
    return AmountEditText(value_);
}

void TCurrencyEdit::SetText(const std::string& text) {
    value_ = ReadAmount(text);
    ShowValue(editing_);
}

long double TCurrencyEdit::Value() const {
    return ReadAmountOrZero(Text());
}

void TCurrencyEdit::SetValue(long double value) {
    value_ = std::clamp(value, 0.0L, kMaxAmount);
    ShowValue(editing_);
}

std::string TCurrencyEdit::DisplayedText() const {
    return static_cast<QLineEdit*>(Widget())->text().toStdString();
}

bool TCurrencyEdit::ReadOnly() const {
    return static_cast<QLineEdit*>(Widget())->isReadOnly();
}
void TCurrencyEdit::SetReadOnly(bool readOnly) {
    static_cast<QLineEdit*>(Widget())->setReadOnly(readOnly);
}

void TCurrencyEdit::ApplyColor() {
    QPalette p = Widget()->palette();
    p.setColor(QPalette::Base, ToQColor(Color()));
    Widget()->setPalette(p);
}

} // namespace norvalt

#include "toolkit/Form.h"

#include <QCloseEvent>

#include "toolkit/Application.h"
#include "toolkit/QtBridge.h"
#include "toolkit/QtWidgets.h"

namespace norvalt {

class TForm::Window : public NvContainer {
public:
    explicit Window(TForm* form) : form_(form) {}

protected:
    void closeEvent(QCloseEvent* e) override {
        bool canClose = true;
        if (form_->OnCloseQuery) {
            Application().Dispatch([&] { form_->OnCloseQuery(canClose); });
        }
        if (!canClose) {
            e->ignore();
            return;
        }
        if (form_->OnClose) {
            Application().Dispatch([&] { form_->OnClose(); });
        }
        e->accept();
    }

private:
    TForm* form_;
};

TForm::TForm() : TWinControl(nullptr, new Window(this)) {
    auto* w = static_cast<Window*>(Widget());
    w->onResize = [this] { Realign(); };
    ApplyColor();
}

TForm::~TForm() = default;

void TForm::SetCaption(const std::string& caption) {
    caption_ = caption;
    Widget()->setWindowTitle(ToQString(caption));
}

void TForm::SetClientSize(int width, int height) {
    Widget()->resize(width, height);
}

void TForm::SetPosition(int left, int top) {
    Widget()->move(left, top);
}

void TForm::Show() {
    Widget()->show();
}

void TForm::Close() {
    Widget()->close();
}

} // namespace norvalt

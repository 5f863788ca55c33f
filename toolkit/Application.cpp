#include "toolkit/Application.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QTimer>
#include <QUrl>
#include <cassert>

#include "text/Cp950.h"
#include "text/Exception.h"
#include "toolkit/QtBridge.h"
#include "toolkit/QtDialogs.h"
#include "toolkit/Shell.h"

namespace norvalt {
namespace {

TApplication* gInstance = nullptr;

class DesktopShell final : public IShell {
public:
    bool OpenUrl(const std::string& url) override {
        return QDesktopServices::openUrl(QUrl(QString::fromStdString(Cp950ToUtf8(url)), QUrl::StrictMode));
    }
};

} // namespace

TApplication::TApplication(int& argc, char** argv)
    : qt_(std::make_unique<QApplication>(argc, argv)), ownDialogs_(std::make_unique<QtDialogs>()),
      ownShell_(std::make_unique<DesktopShell>()), dialogs_(ownDialogs_.get()), shell_(ownShell_.get()) {
    assert(gInstance == nullptr);
    gInstance = this;
    QApplication::setApplicationDisplayName(QStringLiteral("Norvalt"));
}

TApplication::~TApplication() {
    gInstance = nullptr;
}

TApplication& TApplication::Instance() {
    assert(gInstance != nullptr);
    return *gInstance;
}

int TApplication::Run() {
    return QApplication::exec();
}

void TApplication::Dispatch(const std::function<void()>& handler) noexcept {
    try {
        handler();
    } catch (const std::exception& e) {
        ShowException(e);
    } catch (...) {
        ShowException(Exception("Unknown error"));
    }
}

void TApplication::Post(std::function<void()> call) {
    QTimer::singleShot(0, qt_.get(), [this, call = std::move(call)] { Dispatch(call); });
}

void TApplication::ProcessMessages() {
    // Posted calls may post further calls; run until the queue is quiet.
    for (int i = 0; i < 4; ++i) {
        QApplication::sendPostedEvents();
        QApplication::processEvents(QEventLoop::AllEvents);
    }
}

void TApplication::ShowException(const std::exception& e) {
    try {
        if (const auto* own = dynamic_cast<const Exception*>(&e)) {
            dialogs_->ShowError(own->Message());
        } else {
            dialogs_->ShowError(e.what());
        }
    } catch (...) {
        // Nothing sensible is left to do when the error box itself fails.
    }
}

void TApplication::SetDialogs(IDialogs* dialogs) {
    dialogs_ = dialogs ? dialogs : ownDialogs_.get();
}

void TApplication::SetShell(IShell* shell) {
    shell_ = shell ? shell : ownShell_.get();
}

std::string TApplication::ClipboardText() const {
    const QString text = QApplication::clipboard()->text();
    std::string out;
    for (const QChar ch : text) {
        if (auto converted = FromQString(QString(ch))) {
            out += *converted;
        }
    }
    return out;
}

void TApplication::SetClipboardText(const std::string& text) {
    QApplication::clipboard()->setText(ToQString(text));
}

void TApplication::Beep() {
    QApplication::beep();
}

} // namespace norvalt

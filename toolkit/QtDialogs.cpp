#include "toolkit/QtDialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

#include "toolkit/QtBridge.h"

namespace norvalt {
namespace {

QWidget* DialogParent() {
    return QApplication::activeWindow();
}

QString ProgramTitle() {
    return QApplication::applicationDisplayName();
}

// Texts use CR LF between lines; Qt's boxes want LF.
QString BoxText(const std::string& text) {
    QString s = ToQString(text);
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return s;
}

} // namespace

TModalResult QtDialogs::MessageBox(const std::string& text, const std::string& caption, TMsgButtons buttons) {
    QMessageBox box(QMessageBox::NoIcon, ToQString(caption), BoxText(text),
                    buttons == TMsgButtons::OkCancel ? QMessageBox::Ok | QMessageBox::Cancel
                                                     : QMessageBox::Ok,
                    DialogParent());
    box.setEscapeButton(buttons == TMsgButtons::OkCancel ? QMessageBox::Cancel : QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok ? mrOk : mrCancel;
}

TModalResult QtDialogs::Confirm(const std::string& text) {
    QMessageBox box(QMessageBox::Question, ProgramTitle(), BoxText(text), QMessageBox::Yes | QMessageBox::No,
                    DialogParent());
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes ? mrYes : mrNo;
}

void QtDialogs::ShowMessage(const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, ProgramTitle(), BoxText(text), QMessageBox::Ok, DialogParent());
    box.exec();
}

bool QtDialogs::ShowMessageOfferingStop(const std::string& text, const std::string& stopCaption) {
    QMessageBox box(QMessageBox::NoIcon, ProgramTitle(), BoxText(text), QMessageBox::Ok, DialogParent());
    auto* stop = new QCheckBox(ToQString(stopCaption));
    box.setCheckBox(stop);
    box.exec();
    return stop->isChecked();
}

void QtDialogs::ShowError(const std::string& text) {
    QMessageBox box(QMessageBox::Critical, ProgramTitle(), BoxText(text), QMessageBox::Ok, DialogParent());
    box.exec();
}

std::optional<std::filesystem::path> QtDialogs::OpenFile() {
    const QString file = QFileDialog::getOpenFileName(DialogParent());
    if (file.isEmpty()) {
        return std::nullopt;
    }
    return std::filesystem::path(file.toStdString());
}

std::optional<std::filesystem::path> QtDialogs::SaveFile(const std::filesystem::path& initialFolder,
                                                         const std::string& proposedName) {
    QString start = ToQString(proposedName);
    if (!initialFolder.empty()) {
        start = QDir(QString::fromStdString(initialFolder.string())).filePath(start);
    }
    const QString file = QFileDialog::getSaveFileName(DialogParent(), QString(), start);
    if (file.isEmpty()) {
        return std::nullopt;
    }
    return std::filesystem::path(file.toStdString());
}

} // namespace norvalt

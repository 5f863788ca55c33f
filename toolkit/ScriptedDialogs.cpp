#include "toolkit/ScriptedDialogs.h"

namespace norvalt {

std::vector<std::string> ScriptedDialogs::Texts(Kind kind) const {
    std::vector<std::string> texts;
    for (const auto& s : shown_) {
        if (s.kind == kind) {
            texts.push_back(s.text);
        }
    }
    return texts;
}

TModalResult ScriptedDialogs::MessageBox(const std::string& text, const std::string& caption,
                                         TMsgButtons buttons) {
    shown_.push_back({Kind::MessageBox, text, caption});
    if (answers_.empty()) {
        return buttons == TMsgButtons::Ok ? mrOk : mrCancel;
    }
    const TModalResult answer = answers_.front();
    answers_.pop_front();
    return answer;
}

TModalResult ScriptedDialogs::Confirm(const std::string& text) {
    shown_.push_back({Kind::Confirm, text, {}});
    if (answers_.empty()) {
        return mrNo;
    }
    const TModalResult answer = answers_.front();
    answers_.pop_front();
    return answer;
}

void ScriptedDialogs::ShowMessage(const std::string& text) {
    shown_.push_back({Kind::Message, text, {}});
}

bool ScriptedDialogs::ShowMessageOfferingStop(const std::string& text, const std::string& stopCaption) {
    shown_.push_back({Kind::Message, text, stopCaption});
    if (stops_.empty()) {
        return false;
    }
    const bool stop = stops_.front();
    stops_.pop_front();
    return stop;
}

void ScriptedDialogs::ShowError(const std::string& text) {
    shown_.push_back({Kind::Error, text, {}});
}

std::optional<std::filesystem::path> ScriptedDialogs::OpenFile() {
    shown_.push_back({Kind::Open, {}, {}});
    if (files_.empty()) {
        return std::nullopt;
    }
    auto file = files_.front();
    files_.pop_front();
    return file;
}

std::optional<std::filesystem::path> ScriptedDialogs::SaveFile(const std::filesystem::path& initialFolder,
                                                               const std::string& proposedName) {
    shown_.push_back({Kind::Save, proposedName, initialFolder.string()});
    if (files_.empty()) {
        return std::nullopt;
    }
    auto file = files_.front();
    files_.pop_front();
    return file;
}

} // namespace norvalt

#pragma once

#include <deque>
#include <vector>

#include "toolkit/Dialogs.h"

namespace norvalt {

// Dialogs for tests: answers are queued beforehand, every shown box is
// recorded. A box asked with no queued answer gets the refusing answer
// (Cancel, No, no file, do not stop) and is recorded all the same.
class ScriptedDialogs final : public IDialogs {
public:
    enum class Kind { MessageBox, Confirm, Message, Error, Open, Save };
    struct Shown {
        Kind kind;
        std::string text;    // CP950; for Save: the proposed name
        std::string caption; // CP950; for Save: the initial folder
    };

    void QueueAnswer(TModalResult answer) { answers_.push_back(answer); }
    void QueueFile(std::optional<std::filesystem::path> file) { files_.push_back(std::move(file)); }
    void QueueStop(bool stop) { stops_.push_back(stop); }

    const std::vector<Shown>& ShownBoxes() const { return shown_; }
    // The shown boxes of one kind, texts only.
    std::vector<std::string> Texts(Kind kind) const;
    void ClearShown() { shown_.clear(); }
    bool AllAnswersUsed() const { return answers_.empty() && files_.empty() && stops_.empty(); }

    TModalResult MessageBox(const std::string& text, const std::string& caption,
                            TMsgButtons buttons) override;
    TModalResult Confirm(const std::string& text) override;
    void ShowMessage(const std::string& text) override;
    bool ShowMessageOfferingStop(const std::string& text, const std::string& stopCaption) override;
    void ShowError(const std::string& text) override;
    std::optional<std::filesystem::path> OpenFile() override;
    std::optional<std::filesystem::path> SaveFile(const std::filesystem::path& initialFolder,
                                                  const std::string& proposedName) override;

private:
    std::deque<TModalResult> answers_;
    std::deque<std::optional<std::filesystem::path>> files_;
    std::deque<bool> stops_;
    std::vector<Shown> shown_;
};

} // namespace norvalt

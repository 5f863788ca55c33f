#pragma once

#include "toolkit/Dialogs.h"

namespace norvalt {

// The dialogs of the running program, on Qt's message boxes and file dialogs.
class QtDialogs final : public IDialogs {
public:
    TModalResult MessageBox(const std::string& text, const std::string& caption,
                            TMsgButtons buttons) override;
    TModalResult Confirm(const std::string& text) override;
    void ShowMessage(const std::string& text) override;
    bool ShowMessageOfferingStop(const std::string& text, const std::string& stopCaption) override;
    void ShowError(const std::string& text) override;
    std::optional<std::filesystem::path> OpenFile() override;
    std::optional<std::filesystem::path> SaveFile(const std::filesystem::path& initialFolder,
                                                  const std::string& proposedName) override;
};

} // namespace norvalt

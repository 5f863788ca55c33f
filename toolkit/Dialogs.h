#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "toolkit/Types.h"

namespace norvalt {

enum class TMsgButtons { Ok, OkCancel };

// Every message box, question and file dialog goes through this interface:
// the program uses the Qt one, tests a scripted one. Texts are CP950.
class IDialogs {
public:
    virtual ~IDialogs() = default;

    // A modal message box with a caption; returns mrOk or mrCancel (closing
    // the box counts as mrCancel).
    virtual TModalResult MessageBox(const std::string& text, const std::string& caption,
                                    TMsgButtons buttons) = 0;
    // The Yes/No confirmation dialog; returns mrYes or mrNo.
    virtual TModalResult Confirm(const std::string& text) = 0;
    // The plain message box (OK only, the program's title as caption).
    virtual void ShowMessage(const std::string& text) = 0;
    // A plain message box that also offers to stop further boxes of the same
    // kind; returns true when the user asked for no more of them.
    virtual bool ShowMessageOfferingStop(const std::string& text, const std::string& stopCaption) = 0;
    // The application's standard error box.
    virtual void ShowError(const std::string& text) = 0;
    // The open dialog; nothing when the user cancels.
    virtual std::optional<std::filesystem::path> OpenFile() = 0;
    // The save dialog, starting in initialFolder (when not empty) with the
    // proposed file name; nothing when the user cancels.
    virtual std::optional<std::filesystem::path> SaveFile(const std::filesystem::path& initialFolder,
                                                          const std::string& proposedName) = 0;
};

} // namespace norvalt

#pragma once

#include <exception>
#include <functional>
#include <memory>
#include <string>

class QApplication;

namespace norvalt {

class IDialogs;
class IShell;

// The application object: the event loop, the dispatcher every event handler
// runs through, deferred calls, and the replaceable dialogs and shell.
class TApplication {
public:
    TApplication(int& argc, char** argv);
    ~TApplication();
    TApplication(const TApplication&) = delete;
    TApplication& operator=(const TApplication&) = delete;

    static TApplication& Instance();

    // Runs the event loop until the last window closes; returns the exit code.
    int Run();

    // Runs an event handler. An exception that escapes it is shown in the
    // standard error box; then the program goes on with the next event.
    void Dispatch(const std::function<void()>& handler) noexcept;

    // Posts a call that runs (through Dispatch) after the current event has
    // been handled, in the order posted.
    void Post(std::function<void()> call);

    // Handles pending events and posted calls (tests drive the program so).
    void ProcessMessages();

    void ShowException(const std::exception& e);

    IDialogs& Dialogs() { return *dialogs_; }
    // Non-owning; nullptr restores the Qt dialogs.
    void SetDialogs(IDialogs* dialogs);

    IShell& Shell() { return *shell_; }
    void SetShell(IShell* shell);

    // Plain text of the clipboard, as CP950 (characters that CP950 cannot hold
    // are left out).
    std::string ClipboardText() const;
    void SetClipboardText(const std::string& text);

    void Beep();

private:
    std::unique_ptr<QApplication> qt_;
    std::unique_ptr<IDialogs> ownDialogs_;
    std::unique_ptr<IShell> ownShell_;
    IDialogs* dialogs_;
    IShell* shell_;
};

inline TApplication& Application() {
    return TApplication::Instance();
}

} // namespace norvalt

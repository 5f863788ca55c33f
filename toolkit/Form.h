#pragma once

#include "toolkit/WinControl.h"

namespace norvalt {

// A top-level window.
class TForm : public TWinControl {
public:
    TForm();
    ~TForm() override;

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    int ClientWidth() const { return Width(); }
    int ClientHeight() const { return Height(); }
    void SetClientSize(int width, int height);
    void SetPosition(int left, int top);

    void Show();
    void Close();

    // Asked before the window closes; clearing canClose keeps it open.
    std::function<void(bool& canClose)> OnCloseQuery;
    // Runs when the window closes.
    std::function<void()> OnClose;

protected:
    bool PaintsBackground() const override { return true; }

private:
    class Window;
    std::string caption_;
};

} // namespace norvalt

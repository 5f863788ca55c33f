#pragma once

#include "toolkit/Control.h"

namespace norvalt {

using TKeyEvent = std::function<void(TControl& sender, int& key, TShiftState shift)>;

// A single-line edit. Its text is CP950; MaxLength counts CP950 bytes (0: no
// limit). A typed or pasted character that CP950 cannot hold, or one that
// would pass the limit, is refused with a beep. A text set by the program is
// kept byte for byte, also where its bytes do not decode.
class TEdit : public TControl {
public:
    explicit TEdit(TWinControl* parent);

    std::string Text() const;
    void SetText(const std::string& text);
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int bytes);
    bool ReadOnly() const;
    void SetReadOnly(bool readOnly);
    void SelectAll();

    // Runs on every change of the text, by the user or the program.
    std::function<void()> OnChange;
    // Runs for every key pressed in the edit; a handler that sets key to 0
    // swallows it.
    TKeyEvent OnKeyDown;
    std::function<void()> OnEnter;
    std::function<void()> OnExit;

protected:
    void ApplyColor() override;
    bool PaintsBackground() const override { return true; }

private:
    class Line;
    int maxLength_ = 0;
    std::string programText_; // the bytes last set by the program
    bool programTextShown_ = false;
};

} // namespace norvalt

#pragma once

#include <memory>
#include <string>
#include <vector>

#include "toolkit/GroupBox.h"
#include "toolkit/Label.h"
#include "toolkit/Panel.h"

namespace norvalt {

// The look shared by the entry panels' field groups: bold field labels, grey
// picture hints, units. It owns the labels and frames it makes.
class TFieldFactory {
public:
    TFieldFactory();
    TLabel& Caption(TWinControl& parent, int left, int top, const std::string& text);
    TLabel& Hint(TWinControl& parent, int left, int top, const std::string& text);
    TLabel& Unit(TWinControl& parent, int left, int top, const std::string& text);
    TGroupBox& Frame(TWinControl& parent, const TRect& bounds, const std::string& caption);
    const TFont& EditFont() const { return editFont_; }
    const TFont& CaptionFont() const { return captionFont_; }
    const TFont& ButtonFont() const { return buttonFont_; }

private:
    TLabel& Make(TWinControl& parent, int left, int top, const std::string& text, const TFont& font);
    TFont captionFont_;
    TFont hintFont_;
    TFont editFont_;
    TFont buttonFont_;
    std::vector<std::unique_ptr<TControl>> owned_;
};

} // namespace norvalt

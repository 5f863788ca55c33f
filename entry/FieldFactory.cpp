#include "entry/FieldFactory.h"

#include "text/Literal.h"

namespace norvalt {

using namespace literals;

TFieldFactory::TFieldFactory() {
    captionFont_.SetName(u8"細明體"_b5);
    captionFont_.SetHeight(-17);
    captionFont_.SetStyle(fsBold);
    captionFont_.SetColor(clBlack);
    hintFont_.SetName("MS Sans Serif");
    hintFont_.SetHeight(-13);
    hintFont_.SetColor(RGB(63, 63, 63));
    editFont_.SetName(u8"細明體"_b5);
    editFont_.SetHeight(-16);
    editFont_.SetColor(clBlack);
    buttonFont_.SetName(u8"細明體"_b5);
    buttonFont_.SetHeight(-16);
}

TLabel& TFieldFactory::Make(TWinControl& parent, int left, int top, const std::string& text,
                            const TFont& font) {
    auto label = std::make_unique<TLabel>(&parent);
    label->Font().Assign(font);
    label->SetCaption(text);
    label->SetLeft(left);
    label->SetTop(top);
    TLabel& ref = *label;
    owned_.push_back(std::move(label));
    return ref;
}

TLabel& TFieldFactory::Caption(TWinControl& parent, int left, int top, const std::string& text) {
    return Make(parent, left, top, text, captionFont_);
}

TLabel& TFieldFactory::Hint(TWinControl& parent, int left, int top, const std::string& text) {
    return Make(parent, left, top, text, hintFont_);
}

TLabel& TFieldFactory::Unit(TWinControl& parent, int left, int top, const std::string& text) {
    return Make(parent, left, top, text, captionFont_);
}

TGroupBox& TFieldFactory::Frame(TWinControl& parent, const TRect& b, const std::string& caption) {
    auto frame = std::make_unique<TGroupBox>(&parent);
    frame->Font().Assign(captionFont_);
    frame->SetCaption(caption);
    frame->SetBounds(b.Left, b.Top, b.Width(), b.Height());
    frame->SetColor(parent.Color());
    TGroupBox& ref = *frame;
    owned_.push_back(std::move(frame));
    return ref;
}

} // namespace norvalt

#pragma once

#include <functional>
#include <memory>
#include <string>

#include "toolkit/Graphics.h"
#include "toolkit/Types.h"

class QWidget;

namespace norvalt {

class TWinControl;

// A control of the window: a Qt widget with the toolkit's properties (CP950
// texts, colours in the toolkit's form, pixel bounds, alignment in its parent).
// The control owns its widget; the parent control lays out aligned children.
class TControl {
public:
    virtual ~TControl();
    TControl(const TControl&) = delete;
    TControl& operator=(const TControl&) = delete;

    std::string Name;

    TWinControl* Parent() const { return parent_; }

    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    void SetBounds(int left, int top, int width, int height);
    void SetLeft(int left) { SetBounds(left, Top(), Width(), Height()); }
    void SetTop(int top) { SetBounds(Left(), top, Width(), Height()); }
    void SetWidth(int width) { SetBounds(Left(), Top(), width, Height()); }
    void SetHeight(int height) { SetBounds(Left(), Top(), Width(), height); }
    TRect BoundsRect() const { return {Left(), Top(), Left() + Width(), Top() + Height()}; }

    TAlign Align() const { return align_; }
    void SetAlign(TAlign align);

    bool Visible() const;
    void SetVisible(bool visible);
    bool Enabled() const;
    void SetEnabled(bool enabled);

    TColor Color() const { return color_; }
    void SetColor(TColor color);
    TFont& Font() { return font_; }
    const TFont& Font() const { return font_; }
    // Whether the control follows its parent's font (until its own is set).
    bool ParentFont() const { return parentFont_; }

    void SetHint(const std::string& hint);
    void SetHandPointer(bool hand);

    bool CanFocus() const;
    void SetFocus();
    bool Focused() const;

    void Repaint();

    QWidget* Widget() const { return widget_.get(); }

protected:
    TControl(TWinControl* parent, QWidget* widget);

    // Called when the colour or the font changed, to show it on the widget.
    virtual void ApplyColor();
    virtual void ApplyFont();
    // The default background of a control that has not been given a colour.
    virtual bool PaintsBackground() const { return false; }

private:
    friend class TWinControl;
    void InheritFont(const TFont& font);

    struct WidgetDeleter {
        void operator()(QWidget* w) const;
    };
    TWinControl* parent_;
    std::unique_ptr<QWidget, WidgetDeleter> widget_;
    TAlign align_ = alNone;
    TColor color_ = clBtnFace;
    bool colorSet_ = false;
    TFont font_;
    bool parentFont_ = true;
    bool applyingFont_ = false;
};

} // namespace norvalt

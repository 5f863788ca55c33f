#pragma once

#include <string>

#include "toolkit/Label.h"

namespace norvalt {

// A label that shows a link: underlined in the link colour, the hover colour
// while the mouse is over it, the visited colour once visited; a click hands
// the link to the desktop to open.
class THyperLinkLabel : public TLabel {
public:
    explicit THyperLinkLabel(TWinControl* parent);

    TFont& LinkFont() { return linkFont_; }
    TFont& HoverLinkFont() { return hoverLinkFont_; }
    TFont& VisitedLinkFont() { return visitedLinkFont_; }
    void SetLinkFont(const TFont& font) { linkFont_.Assign(font); }
    void SetHoverLinkFont(const TFont& font) { hoverLinkFont_.Assign(font); }
    void SetVisitedLinkFont(const TFont& font) { visitedLinkFont_.Assign(font); }

    const std::string& HyperLink() const { return hyperLink_; }
    // A new link clears Visited; an empty caption shows the link.
    void SetHyperLink(const std::string& link);
    bool Visited() const { return visited_; }
    void SetVisited(bool visited);
    bool MouseOver() const { return mouseOver_; }

    // With an OnClick handler or no link, the ordinary click; otherwise opens
    // the link.
    void Click() override;
    void MouseEnter() override;
    void MouseLeave() override;

    // Hands the link to the desktop; a link of blanks raises an error.
    void OpenLink();

    // The link of a new label.
    static const std::string& DefaultLink();

private:
    void UpdateLinkFont();
    TFont hoverLinkFont_;
    std::string hyperLink_;
    TFont linkFont_;
    bool mouseOver_ = false;
    bool visited_ = false;
    TFont visitedLinkFont_;
};

} // namespace norvalt

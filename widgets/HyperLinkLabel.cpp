#include "widgets/HyperLinkLabel.h"

#include "text/Exception.h"
#include "text/Strings.h"
#include "toolkit/Application.h"
#include "toolkit/Shell.h"

namespace norvalt {

const std::string& THyperLinkLabel::DefaultLink() {
    // A neutral placeholder of our own: the labels of the window set their own links.
    static const std::string link = "http://www.example.org/";
    return link;
}

THyperLinkLabel::THyperLinkLabel(TWinControl* parent) : TLabel(parent) {
    linkFont_.SetColor(RGB(0, 0, 255));
    linkFont_.SetStyle(fsUnderline);
    visitedLinkFont_.SetColor(RGB(128, 0, 128));
    visitedLinkFont_.SetStyle(fsUnderline);
    hoverLinkFont_.SetColor(RGB(255, 0, 0));
    hoverLinkFont_.SetStyle(fsUnderline);
    for (TFont* font : {&linkFont_, &visitedLinkFont_, &hoverLinkFont_}) {
        font->OnChange = [this] { UpdateLinkFont(); };
    }
    UpdateLinkFont();
    SetCaption("index.html");
    hyperLink_ = DefaultLink();
    SetHandPointer(true);
}

void THyperLinkLabel::UpdateLinkFont() {
    Font().Assign(mouseOver_ ? hoverLinkFont_ : visited_ ? visitedLinkFont_ : linkFont_);
}

void THyperLinkLabel::SetHyperLink(const std::string& link) {
    if (link == hyperLink_) {
        return;
    }
    hyperLink_ = link;
    SetVisited(false);
    if (Caption().empty()) {
        SetCaption(link);
    }
}

void THyperLinkLabel::SetVisited(bool visited) {
    if (visited != visited_) {
        visited_ = visited;
        UpdateLinkFont();
    }
}

void THyperLinkLabel::Click() {
    if (OnClick || hyperLink_.empty()) {
        TLabel::Click();
        return;
    }
    OpenLink();
}

void THyperLinkLabel::OpenLink() {
    if (Trim(hyperLink_).empty()) {
        throw Exception("No link for launching web browser.");
    }
    // The desktop's answer is not checked: a link that cannot be opened gives
    // no message from the label.
    (void)Application().Shell().OpenUrl(hyperLink_);
}

void THyperLinkLabel::MouseEnter() {
    TLabel::MouseEnter();
    mouseOver_ = true;
    UpdateLinkFont();
}

void THyperLinkLabel::MouseLeave() {
    TLabel::MouseLeave();
    mouseOver_ = false;
    UpdateLinkFont();
}

} // namespace norvalt

#pragma once

#include <vector>

#include "toolkit/WinControl.h"

class QPainter;

namespace norvalt {

class TCanvas;
class TPageControl;

// One page of a tab control.
class TTabSheet : public TWinControl {
public:
    explicit TTabSheet(TPageControl* pageControl);
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    int PageIndex() const;

protected:
    bool PaintsBackground() const override { return true; }

private:
    TPageControl* pageControl_;
    std::string caption_;
};

// A tab control with pages. OnChange runs only when the user picks another
// tab; setting the active page from the program runs nothing. With OnDrawTab
// set, the program draws every tab.
class TPageControl : public TWinControl {
public:
    explicit TPageControl(TWinControl* parent);

    int PageCount() const { return static_cast<int>(pages_.size()); }
    TTabSheet* Page(int index) const { return pages_[static_cast<std::size_t>(index)]; }
    int ActivePageIndex() const { return active_; }
    void SetActivePageIndex(int index);
    TTabSheet* ActivePage() const { return active_ >= 0 ? Page(active_) : nullptr; }
    // The rectangle of a tab in the control's coordinates.
    TRect TabRect(int index);
    int TabHeight();

    std::function<void()> OnChange;
    std::function<void(TPageControl& control, int tabIndex, const TRect& rect, bool active, TCanvas& canvas)>
        OnDrawTab;

    // Picks a tab as the user's click does.
    void ClickTab(int index);

private:
    friend class TTabSheet;
    void AddPage(TTabSheet* page);
    void LayoutPages();
    void Paint(QPainter& painter);
    std::vector<TTabSheet*> pages_;
    int active_ = -1;
};

} // namespace norvalt

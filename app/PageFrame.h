#pragma once

#include "toolkit/Button.h"
#include "toolkit/Label.h"
#include "toolkit/PageControl.h"
#include "toolkit/Panel.h"
#include "toolkit/ScrollBox.h"

namespace norvalt {

// What every tab page holds, top to bottom, in a scroll box: the bar with the
// title area and the import and export buttons, the entry area, and the bar
// with the record buttons.
class TPageFrame {
public:
    explicit TPageFrame(TTabSheet& sheet);

    TScrollBox Box;
    TPanel TopBar;
    TPanel TitleArea;
    TButton LoadButton;
    TButton SaveButton;
    TPanel BottomBar;
    TPanel EntryArea;

    static constexpr int kTopBarHeight = 45;
    static constexpr int kTitleWidth = 325;
    static constexpr int kBottomBarHeight = 46;
};

} // namespace norvalt

#include "app/PageFrame.h"

#include "text/Literal.h"

namespace norvalt {

using namespace literals;

TPageFrame::TPageFrame(TTabSheet& sheet)
    : Box(&sheet), TopBar(&Box), TitleArea(&TopBar), LoadButton(&TopBar), SaveButton(&TopBar),
      BottomBar(&Box), EntryArea(&Box) {
    Box.Font().Assign(TFont());
    Box.SetAlign(alClient);
    Box.SetContentSize(1110, kTopBarHeight + 300 + kBottomBarHeight);

    TopBar.SetHeight(kTopBarHeight);
    TopBar.SetAlign(alTop);
    TopBar.SetColor(RGB(104, 159, 181));
    TitleArea.SetWidth(kTitleWidth);
    TitleArea.SetAlign(alLeft);
    TitleArea.SetColor(RGB(146, 186, 201));

    TFont buttonFont;
    buttonFont.SetName(u8"細明體"_b5);
    buttonFont.SetHeight(-16);
    LoadButton.SetCaption(u8"匯入檔案"_b5);
    SaveButton.SetCaption(u8"匯出檔案"_b5);
    LoadButton.SetBounds(kTitleWidth + 10, (kTopBarHeight - 32) / 2, 91, 32);
    SaveButton.SetBounds(kTitleWidth + 10 + 91 + 8, (kTopBarHeight - 32) / 2, 91, 32);
    LoadButton.Font().Assign(buttonFont);
    SaveButton.Font().Assign(buttonFont);

    BottomBar.SetHeight(kBottomBarHeight);
    BottomBar.SetAlign(alBottom);
    BottomBar.SetColor(RGB(198, 219, 227));

    EntryArea.SetAlign(alClient);
    EntryArea.SetColor(RGB(236, 240, 200));
}

} // namespace norvalt

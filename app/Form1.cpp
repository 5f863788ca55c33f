#include "app/Form1.h"

#include "app/ColumnSets.h"
#include "text/Literal.h"
#include "text/Strings.h"
#include "toolkit/Application.h"
#include "toolkit/Canvas.h"
#include "toolkit/Dialogs.h"

namespace norvalt {

using namespace literals;

namespace {

const TColor kWindowColor = RGB(236, 240, 200);
const TColor kGroupColor = RGB(244, 247, 225);
const TColor kOddRowColor = RGB(155, 136, 149);
const TColor kEvenRowColor = RGB(178, 163, 174);

TFont NamedFont(const std::string& name, int height, TFontStyles style = 0, TColor color = clWindowText) {
    TFont f;
    f.SetName(name);
    f.SetHeight(height);
    f.SetStyle(style);
    f.SetColor(color);
    return f;
}

} // namespace

TForm1::TForm1()
    : PageControl1(this), TabSheetTran01(&PageControl1), TabSheetTran0606e(&PageControl1),
      TabSheetTran11(&PageControl1), Page01(TabSheetTran01), Page06(TabSheetTran0606e), Page11(TabSheetTran11),
      Tran01Title(&Page01.TitleArea), RadioButton3(&Page06.TitleArea), RadioButton4(&Page06.TitleArea),
      Tran11Title(&Page11.TitleArea), Splitter1(this), DataGrid(this) {
    Name = "Form1";
    Font().Assign(NamedFont("MS Sans Serif", -11));
    SetColor(kWindowColor);
    SetPosition(176, 94);
    SetClientSize(1525, 730);
    SetUpPages();
    SetUpGrid();

    OnClose = [this] { FormClose(); };
    FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::SetUpPages() {
    PageControl1.Font().Assign(NamedFont("MS Sans Serif", -17));
    PageControl1.SetHeight(449);
    PageControl1.SetAlign(alTop);
    TabSheetTran01.SetCaption("Tran01");
    TabSheetTran0606e.SetCaption("Tran06/Tran06E");
    TabSheetTran11.SetCaption("Tran11");
    PageControl1.OnDrawTab = [this](TPageControl& control, int index, const TRect& rect, bool active,
                                    TCanvas& canvas) { PageControl1DrawTab(control, index, rect, active, canvas); };
    PageControl1.OnChange = [this] { PageControl1Change(); };

    const TFont titleFont = NamedFont(u8"細明體"_b5, -20, fsBold);
    Tran01Title.Font().Assign(titleFont);
    Tran01Title.SetCaption(u8"Tran01編輯"_b5);
    Tran01Title.SetLeft(12);
    Tran01Title.SetTop(12);
    Tran11Title.Font().Assign(titleFont);
    Tran11Title.SetCaption(u8"Tran11編輯"_b5);
    Tran11Title.SetLeft(12);
    Tran11Title.SetTop(12);
    const TFont radioFont = NamedFont(u8"細明體"_b5, -17, fsBold);
    RadioButton3.Font().Assign(radioFont);
    RadioButton4.Font().Assign(radioFont);
    RadioButton3.SetCaption(u8"Tran06編輯"_b5);
    RadioButton4.SetCaption(u8"Tran06E編輯"_b5);
    RadioButton3.SetBounds(8, 3, 130, 20);
    RadioButton4.SetBounds(8, 23, 130, 20);
    RadioButton3.SetChecked(true);

    for (TPageFrame* page : {&Page01, &Page06, &Page11}) {
        page->Box.Name = "PageBox";
    }
    Page01.EntryArea.OnClick = [this] { Panel3Click(); };
    Page06.EntryArea.OnClick = [this] { Panel3Click(); };

    LoadBtn_Tran01.OnClick = [this] { LoadBtn_Tran01Click(); };
    LoadBtn_Tran06.OnClick = [this] { LoadBtn_Tran06Click(); };
    btOpenT11.OnClick = [this] { btOpenT11Click(); };
    SaveBtn_Tran01.OnClick = [this] { SaveBtn_Tran01Click(); };
    SaveBtn_Tran06.OnClick = [this] { SaveBtn_Tran06Click(); };
    btSaveT11.OnClick = [this] { btSaveT11Click(); };

    Splitter1.SetHeight(3);
    Splitter1.SetAlign(alTop);
}

void TForm1::SetUpGrid() {
    DataGrid.Name = "DataGrid";
    DataGrid.SetAlign(alClient);
    DataGrid.SetColor(RGB(200, 189, 197));
    DataGrid.Font().Assign(NamedFont("Verdana", -15, 0, clBlack));
    DataGrid.SetColCount(19);
    DataGrid.SetRowCount(2);
    DataGrid.SetFixedCols(0);
    DataGrid.SetFixedRows(1);
    DataGrid.SetDefaultRowHeight(24);
    const auto& widths = StartColumnWidths();
    const auto& headings = ColumnSet(0);
    for (int c = 0; c < 19; ++c) {
        DataGrid.SetColWidths(c, widths[static_cast<std::size_t>(c)]);
        DataGrid.SetCells(c, 0, headings[static_cast<std::size_t>(c)].heading);
    }
    DataGrid.SetEditable(false);
    DataGrid.SetDecorated(false);
    DataGrid.FocusBeginColor = RGB(255, 255, 170);
    DataGrid.FocusEndColor = RGB(255, 255, 170);
    DataGrid.SetSelectedCellColor(RGB(192, 180, 189));
    DataGrid.SetSelectedFontColor(clBlack);
    for (int c = 0; c <= 18; ++c) {
        DataGrid.AlignCol(c, taCenter);
    }
    DataGrid.FixedAlignRow(0, taCenter);
    DataGrid.OnDblClick = [this] { DataGridDblClick(); };
    DataGrid.OnDrawCell = [this](int col, int row, const TRect& rect, TGridDrawState state) {
        DataGridDrawCell(col, row, rect, state);
    };
    DataGrid.OnSelectCell = [this](int col, int row, bool& canSelect) { DataGridSelectCell(col, row, canSelect); };
}

void TForm1::FormCreate() {
    // The Tran11 panel's idle state comes with that panel.
    ClearFirstRow();
    FPrevPageIndex = PageControl1.ActivePageIndex();
    FEditRow = 1;
    PageControl1.SetActivePageIndex(0);
    SetCaption(u8"Norvalt V4.00 (2021/09/24更新)"_b5);
    SetColor(kWindowColor);
    Page01.EntryArea.SetColor(kWindowColor);
    Page06.EntryArea.SetColor(kWindowColor);
    Page11.Box.SetColor(kWindowColor);
    Page11.EntryArea.SetColor(kWindowColor);
    for (TPageFrame* page : {&Page01, &Page06, &Page11}) {
        for (TControl* group : page->EntryArea.Controls()) {
            group->SetColor(kGroupColor);
        }
    }
}

void TForm1::FormClose() {}

bool TForm1::GridHoldsRecords() const { return !Trim(DataGrid.CellView(0, 1)).empty(); }

void TForm1::ClearFirstRow() {
    for (int c = 0; c < DataGrid.ColCount(); ++c) {
        DataGrid.SetCells(c, 1, {});
    }
}

void TForm1::ClearGrid() {
    for (int r = DataGrid.RowCount() - 1; r >= 2; --r) {
        DataGrid.DeleteRow(r);
    }
    ClearFirstRow();
}

void TForm1::ApplyColumnSet(int pageIndex) {
    const auto& set = ColumnSet(pageIndex);
    const int count = static_cast<int>(set.size());
    DataGrid.SetColCount(count);
    for (int c = 0; c < count; ++c) {
        DataGrid.SetCells(c, 0, set[static_cast<std::size_t>(c)].heading);
        DataGrid.SetColWidths(c, set[static_cast<std::size_t>(c)].width);
    }
    DataGrid.SetRowCount(2);
    for (int c = 0; c < count; ++c) {
        DataGrid.SetCells(c, 1, " ");
    }
    DataGrid.SetDefaultRowHeight(kRowHeight);
}

void TForm1::PageControl1Change() {
    if (GridHoldsRecords()) {
        const TModalResult answer = Application().Dialogs().MessageBox(
            u8"畫面中仍有資料，請問是否要切換分頁?(切換後會清空資料)"_b5, u8"提示"_b5, TMsgButtons::OkCancel);
        if (answer != mrOk) {
            PageControl1.SetActivePageIndex(FPrevPageIndex);
            return;
        }
        ClearGrid();
    }
    // The Tran11 panel's lock comes with that panel.
    ApplyColumnSet(PageControl1.ActivePageIndex());
    FPrevPageIndex = PageControl1.ActivePageIndex();
}

void TForm1::PageControl1DrawTab(TPageControl& control, int tabIndex, const TRect& rect, bool active,
                                 TCanvas& canvas) {
    canvas.Brush().SetColor(active ? RGB(224, 224, 121) : clMenu);
    canvas.FillRect(rect);
    canvas.Font().Assign(control.Font());
    canvas.TextOut(rect.Left + 5, rect.Top + 3, control.Page(tabIndex)->Caption());
}

void TForm1::DataGridDblClick() {
    const int row = DataGrid.Row();
    if (row < 1 || DataGrid.CellView(DataGrid.Col(), row).empty()) {
        return;
    }
    // The panels' record loading comes with the panels.
    FEditRow = row;
}

void TForm1::DataGridDrawCell(int, int row, const TRect&, TGridDrawState) {
    DataGrid.BrushRow(row).SetColor(row % 2 == 1 ? kOddRowColor : kEvenRowColor);
}

void TForm1::DataGridSelectCell(int, int row, bool& canSelect) {
    if (row != 0) {
        FSelectedRow = row;
    }
    canSelect = true;
}

void TForm1::edtAccountKeyDown(TControl&, int& key, TShiftState) {
    if (key == VK_RETURN) {
        Application().Post([this] { SelectNext(nullptr); });
    }
}

void TForm1::LoadBtn_Tran01Click() {}
void TForm1::LoadBtn_Tran06Click() {}
void TForm1::btOpenT11Click() {}
void TForm1::SaveBtn_Tran01Click() {}
void TForm1::SaveBtn_Tran06Click() {}
void TForm1::btSaveT11Click() {}

} // namespace norvalt

#include "app/Form1.h"

#include <climits>

#include "app/DocumentLinks.h"
#include "app/FileMessages.h"
#include "media/ColumnSets.h"
#include "media/MediaFile.h"
#include "media/Messages.h"
#include "media/ParallelLines.h"
#include "media/RecordLoader.h"
#include "media/Tran01Layout.h"
#include <tuple>

#include "text/Literal.h"
#include "text/Strings.h"
#include "toolkit/Application.h"
#include "toolkit/BusyCursor.h"
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
      TabSheetTran11(&PageControl1), Page01(TabSheetTran01), Page06(TabSheetTran0606e),
      Page11(TabSheetTran11), Tran01Title(&Page01.TitleArea), RadioButton3(&Page06.TitleArea),
      RadioButton4(&Page06.TitleArea), Tran11Title(&Page11.TitleArea), HyperLinkLabel1(&Page01.TitleArea),
      HyperLinkLabel2(&Page06.TitleArea), HyperLinkLabel4(&Page06.TitleArea),
      HyperLinkLabel3(&Page11.TitleArea), Splitter1(this), DataGrid(this),
      Tran01(Page01.EntryArea, Page01.BottomBar, DataGrid, *this) {
    Name = "Form1";
    Font().Assign(NamedFont("MS Sans Serif", -11));
    SetColor(kWindowColor);
    SetPosition(176, 94);
    SetClientSize(1525, 730);
    SetUpPages();
    SetUpGrid();

    OnCloseQuery = [this](bool& canClose) { FormCloseQuery(canClose); };
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
                                    TCanvas& canvas) {
        PageControl1DrawTab(control, index, rect, active, canvas);
    };
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

    const std::tuple<THyperLinkLabel*, const char*, TPoint> links[] = {
        {&HyperLinkLabel1, kTran01DocumentPath, {220, 16}},
        {&HyperLinkLabel2, kTran06DocumentPath, {160, 6}},
        {&HyperLinkLabel4, kTran06EDocumentPath, {160, 26}},
        {&HyperLinkLabel3, kTran11DocumentPath, {220, 16}},
    };
    const TFont verdana = NamedFont("Verdana", -11, fsUnderline);
    for (const auto& [label, path, at] : links) {
        TFont font = verdana;
        font.SetColor(RGB(0, 0, 255));
        label->SetLinkFont(font);
        font.SetColor(RGB(255, 0, 0));
        label->SetHoverLinkFont(font);
        font.SetColor(RGB(128, 0, 128));
        label->SetVisitedLinkFont(font);
        label->SetCaption(u8"資料格式文件"_b5);
        label->SetHyperLink(DocumentLink(path));
        label->SetVisited(false);
        label->SetLeft(at.X);
        label->SetTop(at.Y);
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
    DataGrid.OnSelectCell = [this](int col, int row, bool& canSelect) {
        DataGridSelectCell(col, row, canSelect);
    };
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

void TForm1::FormCloseQuery(bool& canClose) {
    // Records typed on a panel and not yet exported would be lost without a word.
    if (!unexported_) {
        return;
    }
    canClose = Application().Dialogs().MessageBox(
                   u8"表格中有新增、修改或刪除後尚未匯出的資料，關閉程式後將會遺失。\r\n確定要關閉嗎？"_b5,
                   u8"提示"_b5, TMsgButtons::OkCancel) == mrOk;
}

void TForm1::FormClose() {}

bool TForm1::GridHoldsRecords() const {
    return !Trim(DataGrid.CellView(0, 1)).empty();
}

void TForm1::ClearFirstRow() {
    for (int c = 0; c < DataGrid.ColCount(); ++c) {
        DataGrid.SetCells(c, 1, {});
    }
}

void TForm1::ClearGrid() {
    // Every row from the last down to row 2 goes, in one step: a grid of a
    // million records is emptied at once, not row by row.
    DataGrid.DeleteRowsFrom(2);
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
    unexported_ = false; // the records are gone, with the user's consent
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
    if (PageControl1.ActivePageIndex() == 0) {
        Tran01.ShowTran01Row(row);
    }
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

// ---- import -------------------------------------------------------------------

void TForm1::LoadBtn_Tran01Click() {
    ImportFrame(0);
}
void TForm1::LoadBtn_Tran06Click() {
    ImportFrame(1);
}
void TForm1::btOpenT11Click() {
    ImportFrame(2);
}

void TForm1::ImportFrame(int buttonPage) {
    IDialogs& dialogs = Application().Dialogs();
    if (GridHoldsRecords()) {
        if (dialogs.MessageBox(u8"畫面中仍有資料，請問是否要匯入檔案?(匯入後會清空資料)"_b5, u8"提示"_b5,
                               TMsgButtons::OkCancel) != mrOk) {
            return;
        }
        ClearGrid();
    }
    const auto file = dialogs.OpenFile();
    if (!file) {
        return;
    }
    openedFile_ = *file;
    DataGrid.SetRowCount(2);
    ClearFirstRow();
    unexported_ = false; // the user agreed to replace the records
    const auto type = RecordTypeFromFileName(*file);
    if (!type) {
        dialogs.ShowMessage(buttonPage == 1
                                ? u8"載入資料檔名有誤！請確認是否為Tran01/Tran06/Tran06e/Tran11\r\n"_b5
                                : u8"載入資料檔明有誤！請確認是否為Tran01/Tran06/Tran06e/Tran11\r\n"_b5);
        return;
    }
    if (PageOf(*type) != buttonPage) {
        PageControl1.SetActivePageIndex(PageOf(*type));
        PageControl1Change();
    }
    LoadRecordFile(*type, 1);
}

void TForm1::LoadTran01File(int firstRow) {
    LoadRecordFile(TRecordType::Tran01, firstRow);
}

// Writes the loop's records into the grid and shows its messages: one box per
// line of the wrong length until the user stops them, then a count at the end.
class TForm1::GridSink final : public TRecordSink {
public:
    GridSink(TForm1& form, int firstRow) : form_(form), next_(firstRow) {}

    void WrongLength(std::size_t, std::string_view line) override {
        if (!stopped_) {
            stopped_ = Application().Dialogs().ShowMessageOfferingStop(
                messages::WrongLineLength() + std::string(line), u8"不再顯示本次匯入的這類訊息"_b5);
        }
    }
    void Refused(std::size_t, const std::string& message) override {
        Application().Dialogs().ShowMessage(message);
    }
    void Record(std::size_t, std::span<const std::string_view> cells) override {
        form_.WriteRecordRow(next_++, cells);
    }
    bool Stopped() const { return stopped_; }

private:
    TForm1& form_;
    int next_;
    bool stopped_ = false;
};

void TForm1::WriteRecordRow(int row, std::span<const std::string_view> cells) {
    if (row >= DataGrid.RowCount()) {
        // Grow in steps, so that a large file does not resize the grid per line.
        DataGrid.SetRowCount(std::max(row + 1, DataGrid.RowCount() * 2));
    }
    DataGrid.SetRowCells(row, cells);
}

void TForm1::LoadRecordFile(TRecordType type, int firstRow) {
    IDialogs& dialogs = Application().Dialogs();
    if (!HasLayout(type)) {
        return;
    }
    std::optional<TBusyCursor> busy(std::in_place);
    // The file's size bounds its records (each needs a whole line and a line
    // end), so the grid takes its rows and its text memory in one step.
    std::error_code sizeError;
    const std::uintmax_t size = std::filesystem::file_size(openedFile_, sizeError);
    const std::size_t lines = sizeError ? 0 : static_cast<std::size_t>(size / (LineLength(type) + 1) + 1);
    const std::size_t bytes = sizeError ? 0 : static_cast<std::size_t>(size + size / 8);
    std::optional<TStringGrid::TCellReservation> reservation;
    if (lines > 1024 && lines < static_cast<std::size_t>(INT_MAX / 2)) {
        reservation.emplace(DataGrid.ReserveCells(lines + static_cast<std::size_t>(firstRow) + 1, bytes));
        DataGrid.SetRowCount(std::max(DataGrid.RowCount(), static_cast<int>(lines) + firstRow + 1));
    }
    GridSink sink(*this, firstRow);
    std::optional<TFileFailure> readFailure;
    const TLoadSummary summary = norvalt::LoadRecordFile(type, openedFile_, sink, readFailure);
    reservation.reset();
    unexported_ = false;
    if (readFailure) {
        busy.reset();
        DataGrid.SetRowCount(2);
        ClearFirstRow();
        dialogs.ShowError(ReadFailureText(openedFile_, *readFailure));
        return;
    }
    busy.reset();
    // The records taken stay visible, with one empty row after them, also when
    // a line ended the import with a conversion error.
    DataGrid.SetRowCount(summary.taken > 0 ? static_cast<int>(summary.taken) + firstRow + 1 : 2);
    if (summary.failure) {
        dialogs.ShowError(summary.failure->message + "\r\n" + u8"匯入停在檔案第 "_b5 +
                          std::to_string(summary.failure->lineNumber) + u8" 行；之前的 "_b5 +
                          std::to_string(summary.taken) + u8" 筆資料已載入。"_b5);
    }
    if (sink.Stopped()) {
        dialogs.ShowMessage(u8"本次匯入共略過 "_b5 + std::to_string(summary.skipped) +
                            u8" 行長度不符的資料。"_b5);
    }
}

bool TForm1::ParseTran01Line(std::string_view line, int row) {
    TTran01Row parsed;
    if (!ParseTran01Row(line, parsed)) {
        Application().Dialogs().ShowMessage(messages::RateFormat());
        return false;
    }
    WriteRecordRow(row, parsed.cells);
    return true;
}

// ---- export -------------------------------------------------------------------

std::string TForm1::FormatTran01Line(int row) {
    std::string line;
    AppendRecordLine(TRecordType::Tran01, row, line);
    return line;
}

void TForm1::SaveBtn_Tran01Click() {
    ExportFrame(TRecordType::Tran01);
}
void TForm1::SaveBtn_Tran06Click() {}
void TForm1::btSaveT11Click() {}

void TForm1::ExportFrame(TRecordType type) {
    // Every line is checked first, so that a cell that is not a number ends
    // the export here, before any dialog and with no file written. The lines
    // are made as the file is written, piece by piece, rather than held.
    std::optional<TBusyCursor> busy(std::in_place);
    int records = 0;
    while (records + 1 < DataGrid.RowCount() && !DataGrid.CellView(2, records + 1).empty()) {
        ++records;
    }
    CheckEveryRow(1, records + 1, [&](int row) {
        std::string_view cells[32];
        CheckRecord(type, std::span<const std::string_view>(cells, DataGrid.RowCellViews(row, cells)));
    });
    busy.reset();
    std::error_code ec;
    const std::filesystem::path folder = std::filesystem::is_directory(kUploadFolder, ec)
                                             ? std::filesystem::path(kUploadFolder)
                                             : std::filesystem::path();
    const auto path = Application().Dialogs().SaveFile(folder, FileNameOf(type));
    if (!path) {
        return;
    }
    busy.emplace();
    TLinePieces pieces(1, records + 1, 8192, [&](int row, std::string& out) {
        AppendRecordLine(type, row, out);
        out += "\r\n";
    });
    const auto failure = WriteAtomically(*path, [&](std::string& buffer) { return pieces.Next(buffer); });
    busy.reset();
    if (failure) {
        Application().Dialogs().ShowError(WriteFailureText(*path, *failure));
        return;
    }
    unexported_ = false;
}

void TForm1::AppendRecordLine(TRecordType type, int row, std::string& out) {
    std::string_view cells[32];
    const std::size_t count = DataGrid.RowCellViews(row, cells);
    AppendRecord(type, std::span<const std::string_view>(cells, count), out);
}

} // namespace norvalt

#pragma once

#include <filesystem>
#include <string_view>

#include "app/PageFrame.h"
#include "entry/EntryHost.h"
#include "entry/Tran01Panel.h"
#include "grid/RoseColoredGrid.h"
#include "media/RecordType.h"
#include "toolkit/Form.h"
#include "toolkit/Label.h"
#include "toolkit/PageControl.h"
#include "toolkit/RadioButton.h"
#include "toolkit/Splitter.h"
#include "widgets/HyperLinkLabel.h"

namespace norvalt {

class TCanvas;

// The state of the Tran11 panel.
enum class TTran11Mode { Idle, Adding, Changing };

// The main window: the tab control with one page per record type, the
// splitter, and the record grid. Controls and handlers bear the names of the
// window definition.
class TForm1 : public TForm, public IEntryHost {
public:
    TForm1();
    ~TForm1() override;

    // ---- controls ----
    TPageControl PageControl1;
    TTabSheet TabSheetTran01;
    TTabSheet TabSheetTran0606e;
    TTabSheet TabSheetTran11;
    TPageFrame Page01;
    TPageFrame Page06;
    TPageFrame Page11;
    TLabel Tran01Title;
    TRadioButton RadioButton3;
    TRadioButton RadioButton4;
    TLabel Tran11Title;
    THyperLinkLabel HyperLinkLabel1;
    THyperLinkLabel HyperLinkLabel2;
    THyperLinkLabel HyperLinkLabel4;
    THyperLinkLabel HyperLinkLabel3;
    TSplitter Splitter1;
    TRoseColoredGrid DataGrid;
    TTran01Panel Tran01;

    TButton& LoadBtn_Tran01 = Page01.LoadButton;
    TButton& SaveBtn_Tran01 = Page01.SaveButton;
    TButton& LoadBtn_Tran06 = Page06.LoadButton;
    TButton& SaveBtn_Tran06 = Page06.SaveButton;
    TButton& btOpenT11 = Page11.LoadButton;
    TButton& btSaveT11 = Page11.SaveButton;

    // ---- state ----
    int FEditRow = 1;
    int FSelectedRow = 0;
    int FPrevPageIndex = 0;
    TTran11Mode FTran11Mode = TTran11Mode::Idle;

    // ---- operations other parts use ----
    void PageControl1Change();
    void ClearGrid();
    void ClearFirstRow() override;
    // Whether row 1, column 0, without blanks and control characters at its
    // ends, holds text.
    bool GridHoldsRecords() const;
    // Applies a page's headings and widths, two rows with a blank in every
    // cell of row 1, and rows 28 pixels high.
    void ApplyColumnSet(int pageIndex);

    // ---- IEntryHost ----
    int EditRow() const override { return FEditRow; }
    void RecordsChanged() override { unexported_ = true; }
    void EnterKeyDown(TControl& sender, int& key, TShiftState shift) override {
        edtAccountKeyDown(sender, key, shift);
    }
    // Whether records were added, changed or deleted since the last import or export.
    bool HasUnexportedChanges() const { return unexported_; }

    // ---- event handlers ----
    void FormCreate();
    void FormCloseQuery(bool& canClose);
    void FormClose();
    void PageControl1DrawTab(TPageControl& control, int tabIndex, const TRect& rect, bool active,
                             TCanvas& canvas);
    void DataGridDblClick();
    void DataGridDrawCell(int col, int row, const TRect& rect, TGridDrawState state);
    void DataGridSelectCell(int col, int row, bool& canSelect);
    void edtAccountKeyDown(TControl& sender, int& key, TShiftState shift);
    void Panel3Click() {}
    void LoadBtn_Tran01Click();
    void LoadBtn_Tran06Click();
    void btOpenT11Click();
    void SaveBtn_Tran01Click();
    void SaveBtn_Tran06Click();
    void btSaveT11Click();

    // ---- import and export ----
    // The record type's loops, reading the file chosen in the open dialog;
    // they start at firstRow (always 1).
    void LoadTran01File(int firstRow);
    bool ParseTran01Line(std::string_view line, int row);
    std::string FormatTran01Line(int row);

    static constexpr int kRowHeight = 28;
    // The folder the save dialog starts in, where it exists.
    static constexpr const char* kUploadFolder = "C:\\OTC\\BOND\\UPLOAD";

private:
    class GridSink;
    void ImportFrame(int buttonPage);
    void LoadRecordFile(TRecordType type, int firstRow);
    void ExportFrame(TRecordType type);
    // Appends the record type's line for a grid row.
    void AppendRecordLine(TRecordType type, int row, std::string& out);
    // Writes a record's cells into a grid row, growing the grid when needed.
    void WriteRecordRow(int row, std::span<const std::string_view> cells);
    void SetUpGrid();
    void SetUpPages();
    std::filesystem::path openedFile_;
    bool unexported_ = false;
};

} // namespace norvalt

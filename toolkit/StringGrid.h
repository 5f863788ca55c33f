#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "toolkit/CellStore.h"
#include "toolkit/Control.h"
#include "toolkit/Edit.h"

class QPainter;

namespace norvalt {

class TCanvas;
class TInplaceEdit;

enum TGridOption : unsigned {
    goFixedVertLine = 1u << 0,
    goFixedHorzLine = 1u << 1,
    goVertLine = 1u << 2,
    goHorzLine = 1u << 3,
    goRangeSelect = 1u << 4,
    goDrawFocusSelected = 1u << 5,
    goRowSizing = 1u << 6,
    goColSizing = 1u << 7,
    goRowMoving = 1u << 8,
    goColMoving = 1u << 9,
    goEditing = 1u << 10,
    goTabs = 1u << 11,
    goRowSelect = 1u << 12,
    goAlwaysShowEditor = 1u << 13,
    goThumbTracking = 1u << 14,
};
using TGridOptions = unsigned;

enum TGridDrawFlag : unsigned { gdSelected = 1, gdFocused = 2, gdFixed = 4 };
using TGridDrawState = unsigned;

struct TGridRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    bool Contains(int col, int row) const {
        return col >= Left && col <= Right && row >= Top && row <= Bottom;
    }
    friend bool operator==(const TGridRect&, const TGridRect&) = default;
};

struct TGridCoord {
    int X = -1;
    int Y = -1;
    friend bool operator==(const TGridCoord&, const TGridCoord&) = default;
};

// The string grid: cell texts by column and row, fixed rows and columns that
// stay in view, widths and heights, the current cell and a selection, keyboard
// and mouse navigation, scrolling by whole rows and columns, owner drawing of
// visible cells and an in-place editor.
class TStringGrid : public TControl {
public:
    explicit TStringGrid(TWinControl* parent);
    ~TStringGrid() override;

    // Texts.
    std::string Cells(int col, int row) const { return std::string(store_.Get(col, row)); }
    std::string_view CellView(int col, int row) const { return store_.Get(col, row); }
    void SetCells(int col, int row, std::string_view text);
    // Sets the texts of a whole row at once (cells[i] into column i, the rest
    // emptied); the fast way to fill many rows.
    void SetRowCells(int row, std::span<const std::string_view> cells);
    // A whole row's texts at once (see CellStore::GetRow).
    std::size_t RowCellViews(int row, std::span<std::string_view> out) const {
        return store_.GetRow(row, out);
    }
    const CellStore& Store() const { return store_; }

    // Prepares for filling about `rows` rows with `bytes` bytes of text in
    // all (see CellStore::Reserve), for as long as the returned object lives.
    class TCellReservation {
    public:
        explicit TCellReservation(CellStore& store) : store_(&store) {}
        ~TCellReservation() {
            if (store_) {
                store_->EndReserve();
            }
        }
        TCellReservation(TCellReservation&& other) noexcept : store_(std::exchange(other.store_, nullptr)) {}
        TCellReservation(const TCellReservation&) = delete;
        TCellReservation& operator=(const TCellReservation&) = delete;
        TCellReservation& operator=(TCellReservation&&) = delete;

    private:
        CellStore* store_;
    };
    [[nodiscard]] TCellReservation ReserveCells(std::size_t rows, std::size_t bytes) {
        store_.Reserve(rows, bytes);
        return TCellReservation(store_);
    }

    // Counts. Growing adds empty rows or columns at the end; shrinking drops them.
    int ColCount() const { return store_.ColCount(); }
    int RowCount() const { return store_.RowCount(); }
    void SetColCount(int count);
    void SetRowCount(int count);
    int FixedCols() const { return fixedCols_; }
    int FixedRows() const { return fixedRows_; }
    void SetFixedCols(int count);
    void SetFixedRows(int count);

    // Sizes.
    int DefaultColWidth() const { return defaultColWidth_; }
    void SetDefaultColWidth(int width);
    int DefaultRowHeight() const { return defaultRowHeight_; }
    // Sets the height of every row.
    void SetDefaultRowHeight(int height);
    int ColWidths(int col) const;
    void SetColWidths(int col, int width);
    int RowHeights(int row) const;
    void SetRowHeights(int row, int height);
    int GridLineWidth() const { return gridLineWidth_; }
    void SetGridLineWidth(int width);

    // Current cell and selection.
    int Col() const { return col_; }
    int Row() const { return row_; }
    void SetCol(int col) { FocusCell(col, row_, true); }
    void SetRow(int row) { FocusCell(col_, row, true); }
    // Moves the current cell as a click would (subject to SelectCell).
    void FocusCell(int col, int row, bool moveAnchor);
    TGridRect Selection() const { return selection_; }
    void SetSelection(const TGridRect& selection);
    int TopRow() const { return topRow_; }
    int LeftCol() const { return leftCol_; }
    void SetTopRow(int row);
    void SetLeftCol(int col);
    int VisibleRowCount();
    int VisibleColCount();

    TGridOptions Options() const { return options_; }
    void SetOptions(TGridOptions options);
    bool DefaultDrawing = true;
    TColor FixedColorValue() const { return fixedColor_; }
    virtual void SetFixedColor(TColor color);

    // Geometry in the grid's own coordinates; an empty rectangle for a cell
    // that is not in view.
    TRect CellRect(int col, int row);
    TGridCoord MouseToCell(int x, int y);
    void InvalidateCell(int col, int row);
    void InvalidateRow(int row);
    void Invalidate();

    // Moves a row or column with its texts (and whatever RowMoved and
    // ColumnMoved move besides); the current cell follows.
    void MoveRow(int from, int to);
    void MoveColumn(int from, int to);

    // In-place editing.
    bool EditorMode() const { return editorMode_; }
    void SetEditorMode(bool on);
    void ShowEditor();
    void HideEditor();
    TInplaceEdit* InplaceEditor() const { return editor_.get(); }
    // Whether the editor is shown, and the cell it edits.
    bool EditorVisible() const;
    int EditorCol() const { return editCol_; }
    int EditorRow() const { return editRow_; }

    // Events.
    std::function<void(int col, int row, const TRect& rect, TGridDrawState state)> OnDrawCell;
    std::function<void(int col, int row, bool& canSelect)> OnSelectCell;
    std::function<void()> OnDblClick;
    std::function<void()> OnClick;
    TKeyEvent OnKeyDown;

    // The canvas of the paint in progress (only valid inside DrawCell).
    TCanvas* Canvas() const { return canvas_; }

    // Handles a key as the grid does (tests and the editor hand keys here).
    void KeyDown(int& key, TShiftState shift);
    // Paints the visible area onto a painter (the widget's paint does this).
    void PaintTo(QPainter& painter, const TRect& clip);

protected:
    virtual void DrawCell(int col, int row, const TRect& rect, TGridDrawState state);
    // Fills the cell and writes its text: the drawing DefaultDrawing stands for.
    virtual void DefaultDrawCell(int col, int row, const TRect& rect, TGridDrawState state);
    virtual bool SelectCell(int col, int row);
    virtual void DblClick();
    virtual void RowMoved(int from, int to);
    virtual void ColumnMoved(int from, int to);
    virtual std::unique_ptr<TInplaceEdit> CreateEditor();
    virtual bool CanEditShow();
    virtual bool CanEditModify() { return true; }
    virtual std::string GetEditText(int col, int row) { return Cells(col, row); }
    virtual void SetEditText(int col, int row, const std::string& text) { SetCells(col, row, text); }
    // Runs after the counts or sizes changed.
    virtual void SizeChanged() {}

    // The editor's cell follows row and column moves.
    void SetEditorCell(int col, int row) {
        editCol_ = col;
        editRow_ = row;
    }
    void ForceCurrent(int col, int row);
    CellStore& MutableStore() { return store_; }

private:
    friend class TInplaceEdit;
    class View;
    View& ViewWidget() const;
    int ViewWidth() const;
    int ViewHeight() const;
    int FixedWidth() const;
    int FixedHeight() const;
    int MaxTopRow();
    int MaxLeftCol();
    void ScrollIntoView(int col, int row);
    void UpdateScrollBars();
    void ClampCurrent();
    void UpdateSelectionAfterMove(bool moveAnchor);
    bool RowInView(int row) const;
    void MouseDown(int x, int y, TShiftState shift, bool doubleClick);
    void MouseMove(int x, int y);
    void MouseUp(int x, int y);
    void PlaceEditor();

    CellStore store_;
    int fixedCols_ = 1;
    int fixedRows_ = 1;
    int defaultColWidth_ = 64;
    int defaultRowHeight_ = 24;
    std::vector<int> colWidths_;
    std::vector<int> rowHeights_; // empty while every row has the default height
    int gridLineWidth_ = 1;
    int col_ = 1;
    int row_ = 1;
    int anchorCol_ = 1;
    int anchorRow_ = 1;
    TGridRect selection_{1, 1, 1, 1};
    int topRow_ = 1;
    int leftCol_ = 1;
    int lastVisibleRow_ = 0; // from the latest layout, for cheap invalidation
    TGridOptions options_ = goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRangeSelect;
    TColor fixedColor_ = clBtnFace;
    TCanvas* canvas_ = nullptr;

    std::unique_ptr<TInplaceEdit> editor_;
    bool editorMode_ = false;
    int editCol_ = -1;
    int editRow_ = -1;

    enum class Drag { None, Select, SizeColumn, MoveRow, MoveColumn };
    Drag drag_ = Drag::None;
    int dragIndex_ = -1;
    int dragStart_ = 0;
    int dragOrigin_ = 0;
};

// The one-line edit placed over the current cell. It takes the cell's text
// when shown, stores it back when hidden, and hands navigation keys back to
// the grid.
class TInplaceEdit {
public:
    explicit TInplaceEdit(TStringGrid& grid);
    virtual ~TInplaceEdit();

    std::string Text() const;
    void SetText(const std::string& text);
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int bytes) { maxLength_ = bytes; }
    bool Visible() const;
    QWidget* Widget() const;

    // Shows the editor over a cell with a text.
    virtual void Show(const TRect& rect, const std::string& text);
    virtual void Hide();
    void Move(const TRect& rect);
    // The text the editor started with, restored by Esc.
    const std::string& OriginalText() const { return original_; }

protected:
    TStringGrid& Grid() { return grid_; }
    // Whether the key goes back to the grid rather than into the edit.
    virtual bool HandsBack(int key, TShiftState shift, int cursor, int length);

private:
    class Line;
    TStringGrid& grid_;
    Line* line_;
    int maxLength_ = 0;
    std::string original_;
};

} // namespace norvalt

#pragma once

#include <functional>
#include <memory>
#include <string>

#include "grid/CellProperties.h"
#include "grid/GridTypes.h"
#include "grid/LayerList.h"
#include "toolkit/StringGrid.h"

namespace norvalt {

// The program's grid: formatting records per cell, column, row, fixed column
// and fixed row over the string grid, looked up in a fixed order, with the
// grid's own properties as the last fallback.
//
// Lookup order for a cell (ACol, ARow), first set field wins:
//   1. the cell record;
//   2. the fixed-column record of ACol for a fixed cell, else the column record;
//   3. the fixed-row record of ARow for a fixed cell, else the row record;
//   4. the grid-wide property.
// The selected colours skip the fixed layers: cell, column, row, grid.
class TRoseColoredGrid : public TStringGrid {
public:
    explicit TRoseColoredGrid(TWinControl* parent);
    ~TRoseColoredGrid() override;

    bool IsFixedCell(int col, int row) const { return col < FixedCols() || row < FixedRows(); }

    // Layered lookups.
    TAlignment CellAlignment(int col, int row) const;
    TVertAlignment CellVertAlignment(int col, int row) const;
    T_Wordwrap CellWordwrap(int col, int row) const;
    TColor CellTextBorder(int col, int row) const;
    const TFont& CellFont(int col, int row) const;
    const TBrush& CellBrush(int col, int row) const;
    TColor CellColor(int col, int row) const { return CellBrush(col, row).Color(); }
    bool CellEditable(int col, int row);
    TColor CellSelectedColor(int col, int row) const;
    TColor CellSelectedFontColor(int col, int row) const;

    // Get-or-create record accessors; a negative index raises EListError.
    TCellProperties& PropCell(int col, int row);
    TCellProperties& PropCol(int col);
    TCellProperties& PropRow(int row);
    TCellProperties& PropFixedCol(int col);
    TCellProperties& PropFixedRow(int row);
    // The records as they are, or nullptr.
    const TCellProperties* CellRecord(int col, int row) const;
    const TCellProperties* ColRecord(int col) const { return colLayer_.Get(col); }
    const TCellProperties* RowRecord(int row) const { return rowLayer_.Get(row); }
    const TCellProperties* FixedColRecord(int col) const { return fixedColLayer_.Get(col); }
    const TCellProperties* FixedRowRecord(int row) const { return fixedRowLayer_.Get(row); }

    // Layer setters (each repaints when it changes a value).
    void AlignCell(int col, int row, TAlignment a) { SetAlignment(PropCell(col, row), a); }
    void AlignCol(int col, TAlignment a) { SetAlignment(PropCol(col), a); }
    void FixedAlignCol(int col, TAlignment a) { SetAlignment(PropFixedCol(col), a); }
    void AlignRow(int row, TAlignment a) { SetAlignment(PropRow(row), a); }
    void FixedAlignRow(int row, TAlignment a) { SetAlignment(PropFixedRow(row), a); }
    void EditCell(int col, int row, bool e) { SetEditable(PropCell(col, row), e); }
    void EditCol(int col, bool e) { SetEditable(PropCol(col), e); }
    void EditRow(int row, bool e) { SetEditable(PropRow(row), e); }
    // The record's own font or brush, created as a copy of the grid's Font or
    // Brush when missing; change the returned object.
    TMyFont& FontCell(int col, int row) { return OwnFont(PropCell(col, row)); }
    TMyFont& FontCol(int col) { return OwnFont(PropCol(col)); }
    TMyFont& FontFixedCol(int col) { return OwnFont(PropFixedCol(col)); }
    TMyFont& FontRow(int row) { return OwnFont(PropRow(row)); }
    TMyFont& FontFixedRow(int row) { return OwnFont(PropFixedRow(row)); }
    TMyBrush& BrushCell(int col, int row) { return OwnBrush(PropCell(col, row)); }
    TMyBrush& BrushCol(int col) { return OwnBrush(PropCol(col)); }
    TMyBrush& BrushFixedCol(int col) { return OwnBrush(PropFixedCol(col)); }
    TMyBrush& BrushRow(int row) { return OwnBrush(PropRow(row)); }
    TMyBrush& BrushFixedRow(int row) { return OwnBrush(PropFixedRow(row)); }
    TColor ColorCell(int col, int row) const { return CellColor(col, row); }
    void SetColorCell(int col, int row, TColor c) { BrushCell(col, row).SetColor(c); }
    void ColorCol(int col, TColor c) { BrushCol(col).SetColor(c); }
    void ColorFixedCol(int col, TColor c) { BrushFixedCol(col).SetColor(c); }
    void ColorRow(int row, TColor c) { BrushRow(row).SetColor(c); }
    void ColorFixedRow(int row, TColor c) { BrushFixedRow(row).SetColor(c); }
    void SelectedColorCell(int col, int row, TColor c) { SetSelectedColor(PropCell(col, row), c); }
    void SelectedColorCol(int col, TColor c) { SetSelectedColor(PropCol(col), c); }
    void SelectedColorRow(int row, TColor c) { SetSelectedColor(PropRow(row), c); }
    // The hint of a cell, or empty.
    std::string HintCell(int col, int row) const;
    void SetHintCell(int col, int row, const std::string& hint);

    // Structural operations: texts, records and hints move together; the
    // fixed-column and fixed-row layers never move.
    void InsertRow(int index);
    void InsertCol(int index);
    void DeleteRow(int index);
    // Deletes every row from `first` to the last, as DeleteRow on each from
    // the last up would, in one step (never the last non-fixed row).
    void DeleteRowsFrom(int first);
    void ExchangeRows(int a, int b);
    void ExchangeCols(int a, int b);

    // Grid-wide properties.
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment a);
    TVertAlignment VertAlignment() const { return vertAlignment_; }
    void SetVertAlignment(TVertAlignment a);
    T_Wordwrap Wordwrap() const { return wordwrap_; }
    void SetWordwrap(T_Wordwrap w);
    bool Editable() const { return editable_; }
    void SetEditable(bool e) { editable_ = e; }
    TColor TextBorder() const { return textBorder_; }
    void SetTextBorder(TColor c) { textBorder_ = c; }
    TColor SelectedCellColor() const { return selectedCellColor_; }
    void SetSelectedCellColor(TColor c);
    TColor SelectedFontColor() const { return selectedFontColor_; }
    void SetSelectedFontColor(TColor c);
    TColor FixedColor() const { return FixedColorValue(); }
    void SetFixedColor(TColor color) override;
    bool DrawSelection() const { return drawSelection_; }
    void SetDrawSelection(bool d);
    TColor FocusBeginColor = 0x0000FFFF;
    TColor FocusEndColor = 0x00FFFFFF;
    // True when graphic buttons, row gradients and selected-row highlight are
    // all on; setting it switches the three together.
    bool Decorated() const { return graphicButtons_ && rowGradient_ && selectedRowHighlight_; }
    void SetDecorated(bool on);

    TMyFont& FixedFont() { return fixedFont_; }
    TMyBrush& FixedBrush() { return fixedBrush_; }
    // The grid's brush; its colour is the control's Color.
    TMyBrush& Brush() { return brush_; }
    const TMyBrush& Brush() const { return brush_; }

    std::function<void(TRoseColoredGrid& sender, int col, int row, bool& result)> OnInquireCellEditable;

protected:
    void DefaultDrawCell(int col, int row, const TRect& rect, TGridDrawState state) override;
    void RowMoved(int from, int to) override;
    void ColumnMoved(int from, int to) override;
    void ApplyColor() override;

private:
    template <typename Field, typename Unset>
    const TCellProperties* Resolve(int col, int row, Field field, Unset isSet, bool skipFixed) const;
    TCellProperties& GetOrCreate(TLayerList<TCellProperties>& layer, long long index);
    void SetAlignment(TCellProperties& p, TAlignment a);
    void SetEditable(TCellProperties& p, bool e);
    void SetSelectedColor(TCellProperties& p, TColor c);
    TMyFont& OwnFont(TCellProperties& p);
    TMyBrush& OwnBrush(TCellProperties& p);
    void HideEditorFor(bool affected, bool& reshow);
    // Runs f on every by-row list of the cell layer and the hint table: only
    // the column lists that exist, or one for every column, created as needed.
    enum class Lists { Existing, Create };
    template <typename F> void ForEachRowList(Lists which, F&& f) {
        const std::size_t columns = which == Lists::Create ? static_cast<std::size_t>(ColCount()) : 0;
        cellLayer_.PadTo(columns);
        hints_.PadTo(columns);
        for (auto& column : cellLayer_) {
            if (!column && which == Lists::Create) {
                column = std::make_unique<TLayerList<TCellProperties>>();
            }
            if (column) {
                f(*column);
            }
        }
        for (auto& column : hints_) {
            if (!column && which == Lists::Create) {
                column = std::make_unique<TLayerList<std::string>>();
            }
            if (column) {
                f(*column);
            }
        }
    }

    TLayerList<TCellProperties> colLayer_, rowLayer_, fixedColLayer_, fixedRowLayer_;
    TLayerList<TLayerList<TCellProperties>> cellLayer_; // by column, then row
    TLayerList<TLayerList<std::string>> hints_;         // by column, then row

    TAlignment alignment_ = taLeftJustify;
    TVertAlignment vertAlignment_ = vaCenter;
    T_Wordwrap wordwrap_ = ww_none;
    bool editable_ = true;
    TColor textBorder_ = clNone;
    TColor selectedCellColor_ = clActiveCaption;
    TColor selectedFontColor_ = clWhite;
    bool drawSelection_ = true;
    bool graphicButtons_ = false;
    bool rowGradient_ = false;
    bool selectedRowHighlight_ = false;
    TMyFont fixedFont_;
    TMyBrush fixedBrush_;
    TMyBrush brush_;
};

} // namespace norvalt

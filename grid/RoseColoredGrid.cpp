#include "grid/RoseColoredGrid.h"

#include "text/Exception.h"
#include "toolkit/Canvas.h"

namespace norvalt {

TRoseColoredGrid::TRoseColoredGrid(TWinControl* parent) : TStringGrid(parent) {
    fixedBrush_.SetColor(FixedColorValue());
    fixedFont_.OnChange = [this] { Invalidate(); };
    fixedBrush_.OnChange = [this] { Invalidate(); };
    brush_.SetColor(Color());
    brush_.OnChange = [this] {
        SetColor(brush_.Color());
        Invalidate();
    };
}

TRoseColoredGrid::~TRoseColoredGrid() = default;

void TRoseColoredGrid::ApplyColor() {
    TStringGrid::ApplyColor();
    brush_.SetColor(Color());
}

// ---- lookups -----------------------------------------------------------------

const TCellProperties* TRoseColoredGrid::CellRecord(int col, int row) const {
    const auto* column = cellLayer_.Get(col);
    return column ? column->Get(row) : nullptr;
}

template <typename Field, typename IsSet>
const TCellProperties* TRoseColoredGrid::Resolve(int col, int row, Field field, IsSet isSet,
                                                 bool skipFixed) const {
    const bool fixed = !skipFixed && IsFixedCell(col, row);
    const TCellProperties* chain[] = {
        CellRecord(col, row),
        fixed ? fixedColLayer_.Get(col) : colLayer_.Get(col),
        fixed ? fixedRowLayer_.Get(row) : rowLayer_.Get(row),
    };
    for (const TCellProperties* p : chain) {
        if (p && isSet(field(*p))) {
            return p;
        }
    }
    return nullptr;
}

TAlignment TRoseColoredGrid::CellAlignment(int col, int row) const {
    auto field = [](const TCellProperties& p) { return p.Alignment; };
    const auto* p = Resolve(
        col, row, field, [](TAlignment a) { return a != taLeftJustify; }, false);
    return p ? p->Alignment : alignment_;
}

TVertAlignment TRoseColoredGrid::CellVertAlignment(int col, int row) const {
    auto field = [](const TCellProperties& p) { return p.VertAlignment; };
    const auto* p = Resolve(
        col, row, field, [](TVertAlignment a) { return a != vaCenter; }, false);
    return p ? p->VertAlignment : vertAlignment_;
}

T_Wordwrap TRoseColoredGrid::CellWordwrap(int col, int row) const {
    auto field = [](const TCellProperties& p) { return p.Wordwrap; };
    const auto* p = Resolve(
        col, row, field, [](T_Wordwrap w) { return w != ww_default; }, false);
    const T_Wordwrap w = p ? p->Wordwrap : wordwrap_;
    return w == ww_default ? ww_none : w;
}

TColor TRoseColoredGrid::CellTextBorder(int col, int row) const {
    auto field = [](const TCellProperties& p) { return p.TextBorder; };
    const auto* p = Resolve(
        col, row, field, [](TColor c) { return c != clNone; }, false);
    return p ? p->TextBorder : textBorder_;
}

const TFont& TRoseColoredGrid::CellFont(int col, int row) const {
    auto field = [](const TCellProperties& p) { return p.Font(); };
    const auto* p = Resolve(
        col, row, field, [](const TMyFont* f) { return f != nullptr; }, false);
    if (p) {
        return *p->Font();
    }
    return IsFixedCell(col, row) ? static_cast<const TFont&>(fixedFont_) : Font();
}

const TBrush& TRoseColoredGrid::CellBrush(int col, int row) const {
    auto field = [](const TCellProperties& p) { return p.Brush(); };
    const auto* p = Resolve(
        col, row, field, [](const TMyBrush* b) { return b != nullptr; }, false);
    if (p) {
        return *p->Brush();
    }
    return IsFixedCell(col, row) ? static_cast<const TBrush&>(fixedBrush_) : brush_;
}

bool TRoseColoredGrid::CellEditable(int col, int row) {
    auto field = [](const TCellProperties& p) { return p.Editable; };
    const auto* p = Resolve(
        col, row, field, [](TEditableSetting e) { return e != ed_unset; }, false);
    bool result = p ? p->Editable == ed_true : editable_;
    if (OnInquireCellEditable) {
        OnInquireCellEditable(*this, col, row, result);
    }
    return result;
}

TColor TRoseColoredGrid::CellSelectedColor(int col, int row) const {
    auto field = [](const TCellProperties& p) { return p.SelectedBrush(); };
    const auto* p = Resolve(
        col, row, field, [](const TMyBrush* b) { return b != nullptr; }, true);
    return p ? p->SelectedBrush()->Color() : selectedCellColor_;
}

TColor TRoseColoredGrid::CellSelectedFontColor(int col, int row) const {
    auto field = [](const TCellProperties& p) { return p.SelectedFont(); };
    const auto* p = Resolve(
        col, row, field, [](const TMyFont* f) { return f != nullptr; }, true);
    return p ? p->SelectedFont()->Color() : selectedFontColor_;
}

// ---- accessors -------------------------------------------------------------

TCellProperties& TRoseColoredGrid::GetOrCreate(TLayerList<TCellProperties>& layer, long long index) {
    if (index < 0) {
        throw EListError::IndexOutOfBounds(index);
    }
    auto& slot = layer.Slot(static_cast<std::size_t>(index));
    if (!slot) {
        slot = std::make_unique<TCellProperties>(this);
    }
    return *slot;
}

TCellProperties& TRoseColoredGrid::PropCell(int col, int row) {
    if (col < 0) {
        throw EListError::IndexOutOfBounds(col);
    }
    if (row < 0) {
        throw EListError::IndexOutOfBounds(row);
    }
    auto& column = cellLayer_.Slot(static_cast<std::size_t>(col));
    if (!column) {
        column = std::make_unique<TLayerList<TCellProperties>>();
    }
    return GetOrCreate(*column, row);
}

TCellProperties& TRoseColoredGrid::PropCol(int col) {
    return GetOrCreate(colLayer_, col);
}
TCellProperties& TRoseColoredGrid::PropRow(int row) {
    return GetOrCreate(rowLayer_, row);
}
TCellProperties& TRoseColoredGrid::PropFixedCol(int col) {
    return GetOrCreate(fixedColLayer_, col);
}
TCellProperties& TRoseColoredGrid::PropFixedRow(int row) {
    return GetOrCreate(fixedRowLayer_, row);
}

void TRoseColoredGrid::SetAlignment(TCellProperties& p, TAlignment a) {
    if (p.Alignment != a) {
        p.Alignment = a;
        Invalidate();
    }
}

void TRoseColoredGrid::SetEditable(TCellProperties& p, bool e) {
    const TEditableSetting v = e ? ed_true : ed_false;
    if (p.Editable != v) {
        p.Editable = v;
        Invalidate();
    }
}

void TRoseColoredGrid::SetSelectedColor(TCellProperties& p, TColor c) {
    if (p.SelectedBrush() && p.SelectedBrush()->Color() == c) {
        return;
    }
    TBrush brush;
    brush.SetColor(c);
    p.RemoveSelectedBrush();
    p.SetSelectedBrush(&brush);
    Invalidate();
}

TMyFont& TRoseColoredGrid::OwnFont(TCellProperties& p) {
    return p.Font() ? *p.Font() : p.SetFont(&Font());
}

TMyBrush& TRoseColoredGrid::OwnBrush(TCellProperties& p) {
    return p.Brush() ? *p.Brush() : p.SetBrush(&brush_);
}

std::string TRoseColoredGrid::HintCell(int col, int row) const {
    const auto* column = hints_.Get(col);
    const std::string* hint = column ? column->Get(row) : nullptr;
    return hint ? *hint : std::string();
}

void TRoseColoredGrid::SetHintCell(int col, int row, const std::string& hint) {
    if (col < 0) {
        throw EListError::IndexOutOfBounds(col);
    }
    if (row < 0) {
        throw EListError::IndexOutOfBounds(row);
    }
    auto& column = hints_.Slot(static_cast<std::size_t>(col));
    if (!column) {
        column = std::make_unique<TLayerList<std::string>>();
    }
    column->Slot(static_cast<std::size_t>(row)) = std::make_unique<std::string>(hint);
}

// ---- grid-wide properties -------------------------------------------------------

void TRoseColoredGrid::SetAlignment(TAlignment a) {
    if (a != alignment_) {
        alignment_ = a;
        Invalidate();
    }
}

void TRoseColoredGrid::SetVertAlignment(TVertAlignment a) {
    if (a != vertAlignment_) {
        vertAlignment_ = a;
        Invalidate();
    }
}

void TRoseColoredGrid::SetWordwrap(T_Wordwrap w) {
    if (w != wordwrap_) {
        wordwrap_ = w;
        Invalidate();
    }
}

void TRoseColoredGrid::SetSelectedCellColor(TColor c) {
    selectedCellColor_ = c;
    Invalidate();
}

void TRoseColoredGrid::SetSelectedFontColor(TColor c) {
    selectedFontColor_ = c;
    Invalidate();
}

void TRoseColoredGrid::SetDrawSelection(bool d) {
    drawSelection_ = d;
    Invalidate();
}

void TRoseColoredGrid::SetFixedColor(TColor color) {
    TStringGrid::SetFixedColor(color);
    fixedBrush_.SetColor(color);
    Invalidate();
}

void TRoseColoredGrid::SetDecorated(bool on) {
    if (on) {
        if (Decorated()) {
            return;
        }
        graphicButtons_ = rowGradient_ = selectedRowHighlight_ = true;
        if (selectedCellColor_ == clActiveCaption) {
            selectedCellColor_ = RGB(160, 0, 255);
        }
    } else {
        if (!graphicButtons_ && !rowGradient_ && !selectedRowHighlight_) {
            return;
        }
        graphicButtons_ = rowGradient_ = selectedRowHighlight_ = false;
    }
    Invalidate();
}

// ---- structural operations -----------------------------------------------------

void TRoseColoredGrid::HideEditorFor(bool affected, bool& reshow) {
    reshow = false;
    if (EditorVisible() && affected) {
        HideEditor();
        reshow = true;
    }
}

void TRoseColoredGrid::InsertRow(int index) {
    index = std::max(index, FixedRows());
    bool reshow = false;
    HideEditorFor(EditorRow() >= index, reshow);
    const int current = Row();
    SetRowCount(RowCount() + 1);
    const auto at = static_cast<std::size_t>(index);
    rowLayer_.InsertEmpty(at);
    ForEachRowList(Lists::Existing, [&](auto& list) { list.InsertEmpty(at); });
    const int last = RowCount() - 1;
    MutableStore().ClearRow(last);
    MutableStore().MoveRow(last, index);
    if (current >= index) {
        ForceCurrent(Col(), current + 1);
    }
    if (reshow) {
        ShowEditor();
    }
    Invalidate();
}

void TRoseColoredGrid::InsertCol(int index) {
    index = std::max(index, FixedCols());
    bool reshow = false;
    HideEditorFor(EditorCol() >= index, reshow);
    const int current = Col();
    SetColCount(ColCount() + 1);
    const auto at = static_cast<std::size_t>(index);
    colLayer_.InsertEmpty(at);
    cellLayer_.InsertEmpty(at);
    hints_.InsertEmpty(at);
    const int last = ColCount() - 1;
    MutableStore().ClearColumn(last);
    MutableStore().MoveCol(last, index);
    if (current >= index) {
        ForceCurrent(current + 1, Row());
    }
    if (reshow) {
        ShowEditor();
    }
    Invalidate();
}

void TRoseColoredGrid::DeleteRow(int index) {
    if (index < FixedRows() || index >= RowCount() || RowCount() == FixedRows() + 1) {
        return;
    }
    bool reshow = false;
    if (EditorVisible()) {
        if (EditorRow() == index) {
            HideEditor();
        } else if (EditorRow() > index) {
            HideEditor();
            reshow = true;
        }
    }
    const auto at = static_cast<std::size_t>(index);
    rowLayer_.Erase(at);
    ForEachRowList(Lists::Existing, [&](auto& list) { list.Erase(at); });
    const int current = Row();
    const int last = RowCount() - 1;
    MutableStore().MoveRow(index, last);
    MutableStore().ClearRow(last);
    SetRowCount(RowCount() - 1);
    if (index < current) {
        ForceCurrent(Col(), current - 1);
    }
    if (reshow) {
        ShowEditor();
    }
    Invalidate();
}

void TRoseColoredGrid::DeleteRowsFrom(int first) {
    first = std::max(first, FixedRows() + 1);
    if (first >= RowCount()) {
        return;
    }
    if (EditorVisible() && EditorRow() >= first) {
        HideEditor();
    }
    const auto at = static_cast<std::size_t>(first);
    rowLayer_.Truncate(at);
    ForEachRowList(Lists::Existing, [&](auto& list) { list.Truncate(at); });
    SetRowCount(first);
    Invalidate();
}

void TRoseColoredGrid::ExchangeRows(int a, int b) {
    if (a == b || a < 0 || b < 0) {
        return;
    }
    bool reshow = false;
    HideEditorFor(EditorRow() == a || EditorRow() == b, reshow);
    const auto ia = static_cast<std::size_t>(a), ib = static_cast<std::size_t>(b);
    rowLayer_.Swap(ia, ib);
    ForEachRowList(Lists::Create, [&](auto& list) { list.Swap(ia, ib); });
    MutableStore().ExchangeRows(a, b);
    if (Row() == a) {
        ForceCurrent(Col(), b);
    } else if (Row() == b) {
        ForceCurrent(Col(), a);
    }
    if (reshow) {
        ShowEditor();
    }
    Invalidate();
}

void TRoseColoredGrid::ExchangeCols(int a, int b) {
    if (a == b || a < 0 || b < 0) {
        return;
    }
    bool reshow = false;
    HideEditorFor(EditorCol() == a || EditorCol() == b, reshow);
    const auto ia = static_cast<std::size_t>(a), ib = static_cast<std::size_t>(b);
    colLayer_.Swap(ia, ib);
    cellLayer_.Swap(ia, ib);
    hints_.Swap(ia, ib);
    MutableStore().ExchangeCols(a, b);
    if (Col() == a) {
        ForceCurrent(b, Row());
    } else if (Col() == b) {
        ForceCurrent(a, Row());
    }
    if (reshow) {
        ShowEditor();
    }
    Invalidate();
}

void TRoseColoredGrid::RowMoved(int from, int to) {
    if (from == to) {
        return;
    }
    // The editor's cell follows a move: the moved row goes to `to`, a row at
    // `to` or between shifts by one towards `from`.
    int er = EditorRow();
    if (er == from) {
        er = to;
    } else if (from < er && er <= to) {
        --er;
    } else if (to <= er && er < from) {
        ++er;
    }
    SetEditorCell(EditorCol(), er);
    const auto f = static_cast<std::size_t>(from), t = static_cast<std::size_t>(to);
    rowLayer_.Move(f, t);
    ForEachRowList(Lists::Create, [&](auto& list) { list.Move(f, t); });
    TStringGrid::RowMoved(from, to);
}

void TRoseColoredGrid::ColumnMoved(int from, int to) {
    if (from == to) {
        return;
    }
    int ec = EditorCol();
    if (ec == from) {
        ec = to;
    } else if (from < ec && ec <= to) {
        --ec;
    } else if (to <= ec && ec < from) {
        ++ec;
    }
    SetEditorCell(ec, EditorRow());
    const auto f = static_cast<std::size_t>(from), t = static_cast<std::size_t>(to);
    colLayer_.Move(f, t);
    cellLayer_.Move(f, t);
    hints_.Move(f, t);
    TStringGrid::ColumnMoved(from, to);
}

// ---- painting ----------------------------------------------------------------

void TRoseColoredGrid::DefaultDrawCell(int col, int row, const TRect& cellRect, TGridDrawState state) {
    TCanvas& canvas = *Canvas();
    TRect rect = cellRect;
    // Background: the layered brush, or the selected colours.
    canvas.Font().Assign(CellFont(col, row));
    canvas.Brush().SetColor(CellBrush(col, row).Color());
    const bool focused = (state & gdFocused) != 0;
    if (drawSelection_ && (state & gdSelected) &&
        (!focused || (Options() & (goDrawFocusSelected | goRowSelect)))) {
        canvas.Brush().SetColor(CellSelectedColor(col, row));
        canvas.Font().SetColor(CellSelectedFontColor(col, row));
    }
    canvas.FillRect(rect);
    if (state & gdFixed) {
        TRect edge = rect;
        canvas.Frame3D(edge, clBtnHighlight, clBtnShadow, 1);
    } else if (focused &&
               (Options() & (goEditing | goAlwaysShowEditor)) != (goEditing | goAlwaysShowEditor) &&
               !(Options() & goRowSelect)) {
        canvas.GradientFillHorizontal(rect, FocusBeginColor, FocusEndColor);
    }

    // Text: alignment, wrap and vertical alignment, inside a 2-pixel margin.
    const std::string text = Cells(col, row);
    if (text.empty()) {
        return;
    }
    rect = {rect.Left + 2, rect.Top + 2, rect.Right - 2, rect.Bottom - 2};
    unsigned flags = 0;
    switch (CellAlignment(col, row)) {
    case taLeftJustify:
        rect.Left += 1;
        break;
    case taRightJustify:
        flags |= dtRight;
        rect.Right -= 1;
        break;
    case taCenter:
        flags |= dtCenter;
        break;
    }
    const T_Wordwrap wrap = CellWordwrap(col, row);
    if (wrap == ww_wordwrap) {
        flags |= dtWordBreak;
    } else if (wrap == ww_ellipsis) {
        flags |= dtEndEllipsis;
    }
    if (wrap != ww_wordwrap && text.find_first_of("\r\n") == std::string::npos) {
        flags |= dtSingleLine;
        switch (CellVertAlignment(col, row)) {
        case vaTop:
            rect.Top += 1;
            break;
        case vaCenter:
            flags |= dtVCenter;
            break;
        case vaBottom:
            flags |= dtBottom;
            rect.Bottom -= 1;
            break;
        }
    }
    const TColor border = CellTextBorder(col, row);
    if (border != clNone) {
        const TColor own = canvas.Font().Color();
        canvas.Font().SetColor(border);
        const int dx[] = {1, -1, 0, 0, 1, 1, -1, -1};
        const int dy[] = {0, 0, 1, -1, 1, -1, 1, -1};
        for (int i = 0; i < 8; ++i) {
            canvas.DrawText({rect.Left + dx[i], rect.Top + dy[i], rect.Right + dx[i], rect.Bottom + dy[i]},
                            text, flags);
        }
        canvas.Font().SetColor(own);
    }
    canvas.DrawText(rect, text, flags);
}

} // namespace norvalt

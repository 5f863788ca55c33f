#include "toolkit/StringGrid.h"

#include <QAbstractScrollArea>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QValidator>
#include <algorithm>

#include "toolkit/Application.h"
#include "toolkit/Canvas.h"
#include "toolkit/MoveItem.h"
#include "toolkit/QtBridge.h"
#include "toolkit/QtWidgets.h"

namespace norvalt {

// The scrolling widget: its viewport is the grid's drawing surface; events
// are handed to the grid through the dispatcher.
class TStringGrid::View : public QAbstractScrollArea {
public:
    explicit View(TStringGrid* grid) : grid_(grid) {
        setFocusPolicy(Qt::StrongFocus);
        viewport()->setMouseTracking(false);
        setFrameShape(QFrame::StyledPanel);
        verticalScrollBar()->setSingleStep(1);
        horizontalScrollBar()->setSingleStep(1);
        connect(verticalScrollBar(), &QScrollBar::valueChanged, [this](int v) {
            if (!updating && (tracking() || !verticalScrollBar()->isSliderDown())) {
                Application().Dispatch([&] { grid_->SetTopRow(grid_->FixedRows() + v); });
            }
        });
        connect(verticalScrollBar(), &QScrollBar::sliderReleased, [this] {
            Application().Dispatch(
                [&] { grid_->SetTopRow(grid_->FixedRows() + verticalScrollBar()->value()); });
        });
        connect(horizontalScrollBar(), &QScrollBar::valueChanged, [this](int v) {
            if (!updating) {
                Application().Dispatch([&] { grid_->SetLeftCol(grid_->FixedCols() + v); });
            }
        });
    }
    bool updating = false;

protected:
    bool tracking() const { return (grid_->Options() & goThumbTracking) != 0; }

    void paintEvent(QPaintEvent* e) override {
        QPainter painter(viewport());
        const QRect r = e->rect();
        Application().Dispatch([&] {
            grid_->PaintTo(painter, {r.left(), r.top(), r.right() + 1, r.bottom() + 1});
        });
    }
    void resizeEvent(QResizeEvent* e) override {
        QAbstractScrollArea::resizeEvent(e);
        Application().Dispatch([&] { grid_->UpdateScrollBars(); });
    }
    void keyPressEvent(QKeyEvent* e) override {
        int key = ToVirtualKey(e->key());
        const TShiftState shift = ToShiftState(e->modifiers());
        if (key != 0 && key != VK_SPACE && !(key >= '0' && key <= 'Z' && !(shift & ssCtrl))) {
            Application().Dispatch([&] { grid_->KeyDown(key, shift); });
            return;
        }
        // A typed character starts editing with that character.
        const QString typed = e->text();
        if (!typed.isEmpty() && typed[0].isPrint() && (grid_->Options() & goEditing)) {
            Application().Dispatch([&] {
                grid_->ShowEditor();
                if (grid_->EditorVisible()) {
                    auto* line = static_cast<QLineEdit*>(grid_->InplaceEditor()->Widget());
                    line->setText(QString());
                    line->insert(typed);
                }
            });
            return;
        }
        if (key != 0) {
            Application().Dispatch([&] { grid_->KeyDown(key, shift); });
        }
    }
    void mousePressEvent(QMouseEvent* e) override {
        setFocus(Qt::MouseFocusReason);
        if (e->button() == Qt::LeftButton) {
            Application().Dispatch([&] {
                grid_->MouseDown(static_cast<int>(e->position().x()), static_cast<int>(e->position().y()),
                                 ToShiftState(e->modifiers()), false);
            });
        }
    }
    void mouseDoubleClickEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton) {
            Application().Dispatch([&] {
                grid_->MouseDown(static_cast<int>(e->position().x()), static_cast<int>(e->position().y()),
                                 ToShiftState(e->modifiers()), true);
            });
        }
    }
    void mouseMoveEvent(QMouseEvent* e) override {
        Application().Dispatch([&] {
            grid_->MouseMove(static_cast<int>(e->position().x()), static_cast<int>(e->position().y()));
        });
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton) {
            Application().Dispatch([&] {
                grid_->MouseUp(static_cast<int>(e->position().x()), static_cast<int>(e->position().y()));
            });
        }
    }
    void wheelEvent(QWheelEvent* e) override {
        const int steps = e->angleDelta().y() / 40;
        if (steps != 0) {
            Application().Dispatch([&] { grid_->SetTopRow(grid_->TopRow() - steps); });
        }
    }
    bool focusNextPrevChild(bool next) override {
        // With tabs on, Tab moves between cells instead of leaving the grid.
        if (grid_->Options() & goTabs) {
            return false;
        }
        return QAbstractScrollArea::focusNextPrevChild(next);
    }

private:
    TStringGrid* grid_;
};

TStringGrid::TStringGrid(TWinControl* parent) : TControl(parent, new View(this)) {
    store_.Resize(5, 5);
    colWidths_.assign(5, defaultColWidth_);
    SetColor(clWindow);
    ApplyColor();
}

TStringGrid::~TStringGrid() = default;

TStringGrid::View& TStringGrid::ViewWidget() const {
    return *static_cast<View*>(Widget());
}
int TStringGrid::ViewWidth() const {
    return ViewWidget().viewport()->width();
}
int TStringGrid::ViewHeight() const {
    return ViewWidget().viewport()->height();
}

// ---- texts and counts ------------------------------------------------------

void TStringGrid::SetCells(int col, int row, std::string_view text) {
    store_.Set(col, row, text);
    if (RowInView(row)) {
        InvalidateCell(col, row);
    }
}

void TStringGrid::SetRowCells(int row, std::span<const std::string_view> cells) {
    store_.SetRow(row, cells);
    if (RowInView(row)) {
        InvalidateRow(row);
    }
}

void TStringGrid::SetColCount(int count) {
    count = std::max(count, 0);
    if (count == ColCount()) {
        return;
    }
    if (count <= fixedCols_) {
        fixedCols_ = std::max(count - 1, 0);
    }
    store_.Resize(count, RowCount());
    colWidths_.resize(static_cast<std::size_t>(count), defaultColWidth_);
    ClampCurrent();
    UpdateScrollBars();
    Invalidate();
    SizeChanged();
}

void TStringGrid::SetRowCount(int count) {
    count = std::max(count, 0);
    if (count == RowCount()) {
        return;
    }
    if (count <= fixedRows_) {
        fixedRows_ = std::max(count - 1, 0);
    }
    if (editorMode_ && editRow_ >= count) {
        HideEditor();
    }
    store_.Resize(ColCount(), count);
    if (!rowHeights_.empty()) {
        rowHeights_.resize(static_cast<std::size_t>(count), defaultRowHeight_);
    }
    ClampCurrent();
    UpdateScrollBars();
    Invalidate();
    SizeChanged();
}

void TStringGrid::SetFixedCols(int count) {
    fixedCols_ = std::clamp(count, 0, std::max(ColCount() - 1, 0));
    leftCol_ = fixedCols_;
    col_ = fixedCols_;
    UpdateSelectionAfterMove(true);
    ClampCurrent();
    UpdateScrollBars();
    Invalidate();
}

void TStringGrid::SetFixedRows(int count) {
    fixedRows_ = std::clamp(count, 0, std::max(RowCount() - 1, 0));
    topRow_ = fixedRows_;
    row_ = fixedRows_;
    UpdateSelectionAfterMove(true);
    ClampCurrent();
    UpdateScrollBars();
    Invalidate();
}

void TStringGrid::ClampCurrent() {
    const int col = std::clamp(col_, fixedCols_, std::max(ColCount() - 1, fixedCols_));
    const int row = std::clamp(row_, fixedRows_, std::max(RowCount() - 1, fixedRows_));
    topRow_ = std::clamp(topRow_, fixedRows_, std::max(MaxTopRow(), fixedRows_));
    leftCol_ = std::clamp(leftCol_, fixedCols_, std::max(MaxLeftCol(), fixedCols_));
    if (col != col_ || row != row_) {
        col_ = col;
        row_ = row;
        UpdateSelectionAfterMove(true);
    } else {
        selection_.Right = std::min(selection_.Right, std::max(ColCount() - 1, 0));
        selection_.Bottom = std::min(selection_.Bottom, std::max(RowCount() - 1, 0));
    }
}

void TStringGrid::ForceCurrent(int col, int row) {
    col_ = col;
    row_ = row;
    ClampCurrent();
    UpdateSelectionAfterMove(true);
    Invalidate();
}

// ---- sizes -----------------------------------------------------------------

void TStringGrid::SetDefaultColWidth(int width) {
    defaultColWidth_ = width;
    colWidths_.assign(static_cast<std::size_t>(ColCount()), width);
    UpdateScrollBars();
    Invalidate();
    SizeChanged();
}

void TStringGrid::SetDefaultRowHeight(int height) {
    defaultRowHeight_ = height;
    rowHeights_.clear();
    UpdateScrollBars();
    Invalidate();
    PlaceEditor();
    SizeChanged();
}

int TStringGrid::ColWidths(int col) const {
    return (col >= 0 && col < ColCount()) ? colWidths_[static_cast<std::size_t>(col)] : defaultColWidth_;
}

void TStringGrid::SetColWidths(int col, int width) {
    if (col < 0 || col >= ColCount()) {
        return;
    }
    colWidths_[static_cast<std::size_t>(col)] = std::max(width, 0);
    UpdateScrollBars();
    Invalidate();
    PlaceEditor();
    SizeChanged();
}

int TStringGrid::RowHeights(int row) const {
    if (row < 0 || row >= RowCount() || rowHeights_.empty()) {
        return defaultRowHeight_;
    }
    return rowHeights_[static_cast<std::size_t>(row)];
}

void TStringGrid::SetRowHeights(int row, int height) {
    if (row < 0 || row >= RowCount()) {
        return;
    }
    if (rowHeights_.empty()) {
        rowHeights_.assign(static_cast<std::size_t>(RowCount()), defaultRowHeight_);
    }
    rowHeights_[static_cast<std::size_t>(row)] = std::max(height, 0);
    UpdateScrollBars();
    Invalidate();
    PlaceEditor();
    SizeChanged();
}

void TStringGrid::SetGridLineWidth(int width) {
    gridLineWidth_ = std::max(width, 0);
    UpdateScrollBars();
    Invalidate();
}

void TStringGrid::SetOptions(TGridOptions options) {
    options_ = options;
    if (!(options_ & goEditing) && EditorVisible()) {
        HideEditor();
    }
    if (options_ & goAlwaysShowEditor) {
        editorMode_ = true;
    }
    UpdateSelectionAfterMove(false);
    Invalidate();
}

void TStringGrid::SetFixedColor(TColor color) {
    fixedColor_ = color;
    Invalidate();
}

// ---- geometry --------------------------------------------------------------

int TStringGrid::FixedWidth() const {
    int w = 0;
    for (int c = 0; c < fixedCols_ && c < ColCount(); ++c) {
        w += ColWidths(c) + gridLineWidth_;
    }
    return w;
}

int TStringGrid::FixedHeight() const {
    int h = 0;
    for (int r = 0; r < fixedRows_ && r < RowCount(); ++r) {
        h += RowHeights(r) + gridLineWidth_;
    }
    return h;
}

int TStringGrid::MaxTopRow() {
    const int room = ViewHeight() - FixedHeight();
    int top = RowCount() - 1;
    int used = 0;
    for (int r = RowCount() - 1; r >= fixedRows_; --r) {
        used += RowHeights(r) + gridLineWidth_;
        if (used > room && r != RowCount() - 1) {
            break;
        }
        top = r;
    }
    return std::max(top, fixedRows_);
}

int TStringGrid::MaxLeftCol() {
    const int room = ViewWidth() - FixedWidth();
    int left = ColCount() - 1;
    int used = 0;
    for (int c = ColCount() - 1; c >= fixedCols_; --c) {
        used += ColWidths(c) + gridLineWidth_;
        if (used > room && c != ColCount() - 1) {
            break;
        }
        left = c;
    }
    return std::max(left, fixedCols_);
}

int TStringGrid::VisibleRowCount() {
    const int room = ViewHeight() - FixedHeight();
    int used = 0, count = 0;
    for (int r = topRow_; r < RowCount(); ++r) {
        used += RowHeights(r) + gridLineWidth_;
        if (used > room) {
            break;
        }
        ++count;
    }
    return count;
}

int TStringGrid::VisibleColCount() {
    const int room = ViewWidth() - FixedWidth();
    int used = 0, count = 0;
    for (int c = leftCol_; c < ColCount(); ++c) {
        used += ColWidths(c) + gridLineWidth_;
        if (used > room) {
            break;
        }
        ++count;
    }
    return count;
}

TRect TStringGrid::CellRect(int col, int row) {
    if (col < 0 || row < 0 || col >= ColCount() || row >= RowCount()) {
        return {};
    }
    int x = 0;
    if (col < fixedCols_) {
        for (int c = 0; c < col; ++c) {
            x += ColWidths(c) + gridLineWidth_;
        }
    } else {
        if (col < leftCol_) {
            return {};
        }
        x = FixedWidth();
        for (int c = leftCol_; c < col && x < ViewWidth(); ++c) {
            x += ColWidths(c) + gridLineWidth_;
        }
    }
    int y = 0;
    if (row < fixedRows_) {
        for (int r = 0; r < row; ++r) {
            y += RowHeights(r) + gridLineWidth_;
        }
    } else {
        if (row < topRow_) {
            return {};
        }
        y = FixedHeight();
        for (int r = topRow_; r < row && y < ViewHeight(); ++r) {
            y += RowHeights(r) + gridLineWidth_;
        }
    }
    if (x >= ViewWidth() || y >= ViewHeight()) {
        return {};
    }
    return {x, y, x + ColWidths(col), y + RowHeights(row)};
}

TGridCoord TStringGrid::MouseToCell(int x, int y) {
    TGridCoord cell;
    auto findCol = [&]() -> int {
        int left = 0;
        for (int c = 0; c < fixedCols_ && c < ColCount(); ++c) {
            left += ColWidths(c) + gridLineWidth_;
            if (x < left) {
                return c;
            }
        }
        for (int c = leftCol_; c < ColCount() && left <= x; ++c) {
            left += ColWidths(c) + gridLineWidth_;
            if (x < left) {
                return c;
            }
        }
        return -1;
    };
    auto findRow = [&]() -> int {
        int top = 0;
        for (int r = 0; r < fixedRows_ && r < RowCount(); ++r) {
            top += RowHeights(r) + gridLineWidth_;
            if (y < top) {
                return r;
            }
        }
        for (int r = topRow_; r < RowCount() && top <= y; ++r) {
            top += RowHeights(r) + gridLineWidth_;
            if (y < top) {
                return r;
            }
        }
        return -1;
    };
    if (x >= 0 && y >= 0) {
        cell.X = findCol();
        cell.Y = findRow();
        if (cell.X < 0 || cell.Y < 0) {
            cell = {};
        }
    }
    return cell;
}

bool TStringGrid::RowInView(int row) const {
    return row < fixedRows_ || (row >= topRow_ && row <= lastVisibleRow_);
}

void TStringGrid::InvalidateCell(int col, int row) {
    const TRect r = CellRect(col, row);
    if (r.Width() > 0) {
        ViewWidget().viewport()->update(ToQRect(r));
    }
}

void TStringGrid::InvalidateRow(int row) {
    if (RowInView(row)) {
        const TRect r = CellRect(fixedCols_ < ColCount() ? fixedCols_ : 0, row);
        ViewWidget().viewport()->update(QRect(0, r.Top, ViewWidth(), r.Height() + gridLineWidth_));
    }
}

void TStringGrid::Invalidate() {
    ViewWidget().viewport()->update();
}

// ---- scrolling -------------------------------------------------------------

void TStringGrid::UpdateScrollBars() {
    View& view = ViewWidget();
    topRow_ = std::clamp(topRow_, fixedRows_, std::max(MaxTopRow(), fixedRows_));
    leftCol_ = std::clamp(leftCol_, fixedCols_, std::max(MaxLeftCol(), fixedCols_));
    view.updating = true;
    QScrollBar* v = view.verticalScrollBar();
    v->setRange(0, std::max(MaxTopRow() - fixedRows_, 0));
    v->setPageStep(std::max(VisibleRowCount(), 1));
    v->setValue(topRow_ - fixedRows_);
    QScrollBar* h = view.horizontalScrollBar();
    h->setRange(0, std::max(MaxLeftCol() - fixedCols_, 0));
    h->setPageStep(std::max(VisibleColCount(), 1));
    h->setValue(leftCol_ - fixedCols_);
    view.updating = false;
    // The last row that can show, for the cheap visibility test of SetCells.
    int y = FixedHeight();
    int last = topRow_ - 1;
    for (int r = topRow_; r < RowCount() && y < ViewHeight(); ++r) {
        y += RowHeights(r) + gridLineWidth_;
        last = r;
    }
    lastVisibleRow_ = last;
}

void TStringGrid::SetTopRow(int row) {
    row = std::clamp(row, fixedRows_, std::max(MaxTopRow(), fixedRows_));
    if (row == topRow_) {
        return;
    }
    topRow_ = row;
    UpdateScrollBars();
    Invalidate();
    PlaceEditor();
}

void TStringGrid::SetLeftCol(int col) {
    col = std::clamp(col, fixedCols_, std::max(MaxLeftCol(), fixedCols_));
    if (col == leftCol_) {
        return;
    }
    leftCol_ = col;
    UpdateScrollBars();
    Invalidate();
    PlaceEditor();
}

void TStringGrid::ScrollIntoView(int col, int row) {
    if (row >= fixedRows_) {
        if (row < topRow_) {
            SetTopRow(row);
        } else {
            // The smallest top row from which `row` shows whole.
            const int room = ViewHeight() - FixedHeight();
            int used = 0;
            int top = row;
            for (int r = row; r >= fixedRows_; --r) {
                used += RowHeights(r) + gridLineWidth_;
                if (used > room && r != row) {
                    break;
                }
                top = r;
            }
            if (top > topRow_) {
                SetTopRow(top);
            }
        }
    }
    if (col >= fixedCols_) {
        if (col < leftCol_) {
            SetLeftCol(col);
        } else {
            const int room = ViewWidth() - FixedWidth();
            int used = 0;
            int left = col;
            for (int c = col; c >= fixedCols_; --c) {
                used += ColWidths(c) + gridLineWidth_;
                if (used > room && c != col) {
                    break;
                }
                left = c;
            }
            if (left > leftCol_) {
                SetLeftCol(left);
            }
        }
    }
}

// ---- current cell and selection ---------------------------------------------

bool TStringGrid::SelectCell(int col, int row) {
    bool canSelect = true;
    if (OnSelectCell) {
        OnSelectCell(col, row, canSelect);
    }
    return canSelect;
}

void TStringGrid::UpdateSelectionAfterMove(bool moveAnchor) {
    if (moveAnchor || !(options_ & goRangeSelect)) {
        anchorCol_ = col_;
        anchorRow_ = row_;
    }
    selection_ = {std::min(anchorCol_, col_), std::min(anchorRow_, row_), std::max(anchorCol_, col_),
                  std::max(anchorRow_, row_)};
    if (options_ & goRowSelect) {
        selection_.Left = fixedCols_;
        selection_.Right = std::max(ColCount() - 1, fixedCols_);
    }
}

void TStringGrid::SetSelection(const TGridRect& selection) {
    anchorCol_ = selection.Left;
    anchorRow_ = selection.Top;
    col_ = std::clamp(selection.Right, fixedCols_, std::max(ColCount() - 1, fixedCols_));
    row_ = std::clamp(selection.Bottom, fixedRows_, std::max(RowCount() - 1, fixedRows_));
    UpdateSelectionAfterMove(false);
    Invalidate();
}

void TStringGrid::FocusCell(int col, int row, bool moveAnchor) {
    if (ColCount() <= fixedCols_ || RowCount() <= fixedRows_) {
        return;
    }
    col = std::clamp(col, fixedCols_, ColCount() - 1);
    row = std::clamp(row, fixedRows_, RowCount() - 1);
    if (col != col_ || row != row_) {
        if (!SelectCell(col, row)) {
            return;
        }
        const bool keepEditing = editorMode_;
        if (EditorVisible()) {
            HideEditor();
        }
        editorMode_ = keepEditing;
        col_ = col;
        row_ = row;
    }
    UpdateSelectionAfterMove(moveAnchor);
    ScrollIntoView(col_, row_);
    Invalidate();
    if (editorMode_ || (options_ & goAlwaysShowEditor)) {
        ShowEditor();
    }
}

void TStringGrid::MoveRow(int from, int to) {
    if (from == to || from < 0 || to < 0 || from >= RowCount() || to >= RowCount()) {
        return;
    }
    const bool editing = EditorVisible();
    if (editing) {
        HideEditor();
    }
    if (!rowHeights_.empty()) {
        MoveItem(rowHeights_, static_cast<std::size_t>(from), static_cast<std::size_t>(to));
    }
    RowMoved(from, to);
    if (row_ == from) {
        row_ = to;
    } else if (from < row_ && row_ <= to) {
        --row_;
    } else if (to <= row_ && row_ < from) {
        ++row_;
    }
    UpdateSelectionAfterMove(true);
    Invalidate();
    if (editing) {
        ShowEditor();
    }
}

void TStringGrid::MoveColumn(int from, int to) {
    if (from == to || from < 0 || to < 0 || from >= ColCount() || to >= ColCount()) {
        return;
    }
    const bool editing = EditorVisible();
    if (editing) {
        HideEditor();
    }
    MoveItem(colWidths_, static_cast<std::size_t>(from), static_cast<std::size_t>(to));
    ColumnMoved(from, to);
    if (col_ == from) {
        col_ = to;
    } else if (from < col_ && col_ <= to) {
        --col_;
    } else if (to <= col_ && col_ < from) {
        ++col_;
    }
    UpdateSelectionAfterMove(true);
    Invalidate();
    if (editing) {
        ShowEditor();
    }
}

void TStringGrid::RowMoved(int from, int to) {
    store_.MoveRow(from, to);
}
void TStringGrid::ColumnMoved(int from, int to) {
    store_.MoveCol(from, to);
}

// ---- keyboard and mouse ------------------------------------------------------

void TStringGrid::KeyDown(int& key, TShiftState shift) {
    if (OnKeyDown) {
        OnKeyDown(*this, key, shift);
        if (key == 0) {
            return;
        }
    }
    const int page = std::max(VisibleRowCount(), 1);
    int col = col_, row = row_;
    const bool ctrl = (shift & ssCtrl) != 0;
    switch (key) {
    case VK_UP:
        --row;
        break;
    case VK_DOWN:
        ++row;
        break;
    case VK_LEFT:
        if (options_ & goRowSelect) {
            SetLeftCol(leftCol_ - 1);
            return;
        }
        --col;
        break;
    case VK_RIGHT:
        if (options_ & goRowSelect) {
            SetLeftCol(leftCol_ + 1);
            return;
        }
        ++col;
        break;
    case VK_PRIOR:
        row -= page;
        break;
    case VK_NEXT:
        row += page;
        break;
    case VK_HOME:
        col = fixedCols_;
        if (ctrl) {
            row = fixedRows_;
        }
        break;
    case VK_END:
        col = ColCount() - 1;
        if (ctrl) {
            row = RowCount() - 1;
        }
        break;
    case VK_TAB:
        if (!(options_ & goTabs)) {
            return;
        }
        if (shift & ssShift) {
            if (--col < fixedCols_) {
                col = ColCount() - 1;
                if (--row < fixedRows_) {
                    return;
                }
            }
        } else if (++col >= ColCount()) {
            col = fixedCols_;
            if (++row >= RowCount()) {
                return;
            }
        }
        break;
    case VK_RETURN:
        if ((options_ & goEditing) && !(options_ & goAlwaysShowEditor)) {
            editorMode_ ? HideEditor() : ShowEditor();
        }
        return;
    case VK_F2:
        if (options_ & goEditing) {
            ShowEditor();
        }
        return;
    default:
        return;
    }
    const bool extend = (shift & ssShift) && (options_ & goRangeSelect) && key != VK_TAB;
    FocusCell(col, row, !extend);
}

void TStringGrid::DblClick() {
    if (OnDblClick) {
        OnDblClick();
    }
}

void TStringGrid::MouseDown(int x, int y, TShiftState shift, bool doubleClick) {
    if (doubleClick) {
        DblClick();
        return;
    }
    const TGridCoord cell = MouseToCell(x, y);
    if ((options_ & goColSizing) && y < FixedHeight()) {
        // Near a column's right border: size that column.
        int right = 0;
        auto tryCol = [&](int c) {
            right += ColWidths(c) + gridLineWidth_;
            if (std::abs(x - right) <= 3) {
                drag_ = Drag::SizeColumn;
                dragIndex_ = c;
                dragStart_ = x;
                dragOrigin_ = ColWidths(c);
                return true;
            }
            return false;
        };
        for (int c = 0; c < fixedCols_; ++c) {
            if (tryCol(c)) {
                return;
            }
        }
        for (int c = leftCol_; c < ColCount() && right < ViewWidth(); ++c) {
            if (tryCol(c)) {
                return;
            }
        }
    }
    if (cell.X < 0) {
        return;
    }
    if (cell.X < fixedCols_ || cell.Y < fixedRows_) {
        if ((options_ & goRowMoving) && cell.X < fixedCols_ && cell.Y >= fixedRows_) {
            drag_ = Drag::MoveRow;
            dragIndex_ = cell.Y;
        } else if ((options_ & goColMoving) && cell.Y < fixedRows_ && cell.X >= fixedCols_) {
            drag_ = Drag::MoveColumn;
            dragIndex_ = cell.X;
        }
        return;
    }
    FocusCell(cell.X, cell.Y, !((shift & ssShift) && (options_ & goRangeSelect)));
    if (options_ & goRangeSelect) {
        drag_ = Drag::Select;
    }
    if (OnClick) {
        OnClick();
    }
}

void TStringGrid::MouseMove(int x, int y) {
    switch (drag_) {
    case Drag::Select: {
        const TGridCoord cell = MouseToCell(x, y);
        if (cell.X >= fixedCols_ && cell.Y >= fixedRows_) {
            FocusCell(cell.X, cell.Y, false);
        }
        break;
    }
    case Drag::SizeColumn:
        SetColWidths(dragIndex_, std::max(dragOrigin_ + x - dragStart_, 1));
        break;
    default:
        break;
    }
}

void TStringGrid::MouseUp(int x, int y) {
    const TGridCoord cell = MouseToCell(x, y);
    if (drag_ == Drag::MoveRow && cell.Y >= fixedRows_) {
        MoveRow(dragIndex_, cell.Y);
    } else if (drag_ == Drag::MoveColumn && cell.X >= fixedCols_) {
        MoveColumn(dragIndex_, cell.X);
    }
    drag_ = Drag::None;
}

// ---- painting ----------------------------------------------------------------

void TStringGrid::PaintTo(QPainter& painter, const TRect& clip) {
    TCanvas canvas(painter);
    canvas_ = &canvas;
    canvas.Brush().SetColor(Color());
    canvas.FillRect({0, 0, ViewWidth(), ViewHeight()});
    const bool hasFocus = ViewWidget().hasFocus() || (editor_ && editor_->Visible());

    struct Span {
        int index, start, size;
    };
    std::vector<Span> cols, rows;
    int x = 0;
    for (int c = 0; c < fixedCols_ && c < ColCount(); ++c) {
        cols.push_back({c, x, ColWidths(c)});
        x += ColWidths(c) + gridLineWidth_;
    }
    for (int c = leftCol_; c < ColCount() && x < ViewWidth(); ++c) {
        cols.push_back({c, x, ColWidths(c)});
        x += ColWidths(c) + gridLineWidth_;
    }
    int y = 0;
    for (int r = 0; r < fixedRows_ && r < RowCount(); ++r) {
        rows.push_back({r, y, RowHeights(r)});
        y += RowHeights(r) + gridLineWidth_;
    }
    for (int r = topRow_; r < RowCount() && y < ViewHeight(); ++r) {
        rows.push_back({r, y, RowHeights(r)});
        y += RowHeights(r) + gridLineWidth_;
    }
    lastVisibleRow_ = rows.empty() ? 0 : rows.back().index;

    for (const Span& r : rows) {
        if (r.start >= clip.Bottom || r.start + r.size + gridLineWidth_ <= clip.Top) {
            continue;
        }
        for (const Span& c : cols) {
            if (c.start >= clip.Right || c.start + c.size + gridLineWidth_ <= clip.Left) {
                continue;
            }
            const TRect rect{c.start, r.start, c.start + c.size, r.start + r.size};
            TGridDrawState state = 0;
            const bool fixed = c.index < fixedCols_ || r.index < fixedRows_;
            if (fixed) {
                state |= gdFixed;
            } else {
                if (selection_.Contains(c.index, r.index)) {
                    state |= gdSelected;
                }
                if (c.index == col_ && r.index == row_) {
                    state |= gdFocused;
                }
            }
            canvas.Font().Assign(Font());
            if (DefaultDrawing) {
                DefaultDrawCell(c.index, r.index, rect, state);
            }
            DrawCell(c.index, r.index, rect, state);
            if (DefaultDrawing && hasFocus && (state & gdFocused) && !(options_ & goRowSelect) &&
                !EditorVisible()) {
                canvas.DrawFocusRect(rect);
            }
            // Grid lines on the right and bottom of the cell.
            if (gridLineWidth_ > 0) {
                const bool vert = fixed ? (options_ & goFixedVertLine) : (options_ & goVertLine);
                const bool horz = fixed ? (options_ & goFixedHorzLine) : (options_ & goHorzLine);
                canvas.Brush().SetColor(fixed ? clBlack : clSilver);
                if (vert) {
                    canvas.FillRect(
                        {rect.Right, rect.Top, rect.Right + gridLineWidth_, rect.Bottom + gridLineWidth_});
                }
                if (horz) {
                    canvas.FillRect(
                        {rect.Left, rect.Bottom, rect.Right + gridLineWidth_, rect.Bottom + gridLineWidth_});
                }
            }
        }
    }
    canvas_ = nullptr;
}

void TStringGrid::DefaultDrawCell(int col, int row, const TRect& rect, TGridDrawState state) {
    TCanvas& canvas = *canvas_;
    const bool highlight =
        (state & gdSelected) && (!(state & gdFocused) || (options_ & (goDrawFocusSelected | goRowSelect)));
    if (state & gdFixed) {
        canvas.Brush().SetColor(fixedColor_);
    } else if (highlight) {
        canvas.Brush().SetColor(clHighlight);
        canvas.Font().SetColor(clHighlightText);
    } else {
        canvas.Brush().SetColor(Color());
    }
    canvas.TextRect(rect, rect.Left + 2, rect.Top + 2, Cells(col, row));
    if (state & gdFixed) {
        TRect edge = rect;
        canvas.Frame3D(edge, clBtnHighlight, clBtnShadow, 1);
    }
}

void TStringGrid::DrawCell(int col, int row, const TRect& rect, TGridDrawState state) {
    if (OnDrawCell) {
        OnDrawCell(col, row, rect, state);
    }
}

// ---- in-place editor -----------------------------------------------------------

std::unique_ptr<TInplaceEdit> TStringGrid::CreateEditor() {
    return std::make_unique<TInplaceEdit>(*this);
}

bool TStringGrid::CanEditShow() {
    return (options_ & goEditing) && !(options_ & goRowSelect) && col_ >= fixedCols_ && row_ >= fixedRows_ &&
           (editorMode_ || (options_ & goAlwaysShowEditor));
}

bool TStringGrid::EditorVisible() const {
    return editor_ && editor_->Visible();
}

void TStringGrid::SetEditorMode(bool on) {
    if (on) {
        ShowEditor();
    } else {
        HideEditor();
    }
}

void TStringGrid::ShowEditor() {
    if (col_ < fixedCols_ || row_ < fixedRows_) {
        return;
    }
    editorMode_ = true;
    if (!CanEditShow()) {
        return;
    }
    if (EditorVisible() && editCol_ == col_ && editRow_ == row_) {
        return;
    }
    if (!editor_) {
        editor_ = CreateEditor();
    }
    ScrollIntoView(col_, row_);
    editCol_ = col_;
    editRow_ = row_;
    editor_->Show(CellRect(col_, row_), GetEditText(col_, row_));
}

void TStringGrid::HideEditor() {
    editorMode_ = false;
    if (!EditorVisible()) {
        return;
    }
    const std::string text = editor_->Text();
    const bool changed = text != editor_->OriginalText();
    const bool hadFocus = editor_->Widget()->hasFocus();
    editor_->Hide();
    if (changed && CanEditModify() && editCol_ >= 0 && editRow_ >= 0 && editCol_ < ColCount() &&
        editRow_ < RowCount()) {
        SetEditText(editCol_, editRow_, text);
    }
    if (hadFocus) {
        ViewWidget().setFocus(Qt::OtherFocusReason);
    }
    Invalidate();
}

void TStringGrid::PlaceEditor() {
    if (EditorVisible()) {
        editor_->Move(CellRect(editCol_, editRow_));
    }
}

// ---- the editor ----------------------------------------------------------------

class TInplaceEdit::Line : public QLineEdit {
public:
    Line(TInplaceEdit* owner, QWidget* parent) : QLineEdit(parent), owner_(owner) {
        setFrame(false);
        setValidator(new Cp950Limit([owner] { return owner->maxLength_; }, this));
        hide();
    }

protected:
    void keyPressEvent(QKeyEvent* e) override {
        int key = ToVirtualKey(e->key());
        const TShiftState shift = ToShiftState(e->modifiers());
        if (key != 0 && owner_->HandsBack(key, shift, cursorPosition(), static_cast<int>(text().size()))) {
            Application().Dispatch([&] {
                TStringGrid& grid = owner_->Grid();
                if (key == VK_ESCAPE) {
                    owner_->SetText(owner_->OriginalText());
                    grid.HideEditor();
                } else {
                    grid.KeyDown(key, shift);
                }
            });
            return;
        }
        QLineEdit::keyPressEvent(e);
    }
    bool focusNextPrevChild(bool) override { return false; }

private:
    TInplaceEdit* owner_;
};

TInplaceEdit::TInplaceEdit(TStringGrid& grid)
    : grid_(grid), line_(new Line(this, grid.ViewWidget().viewport())) {
    line_->setFont(grid.Widget()->font());
}

TInplaceEdit::~TInplaceEdit() {
    delete line_;
}

QWidget* TInplaceEdit::Widget() const {
    return line_;
}

std::string TInplaceEdit::Text() const {
    return FromQString(line_->text()).value_or(original_);
}

void TInplaceEdit::SetText(const std::string& text) {
    line_->setText(ToQString(text));
}

bool TInplaceEdit::Visible() const {
    return !line_->isHidden();
}

void TInplaceEdit::Show(const TRect& rect, const std::string& text) {
    original_ = text;
    line_->setFont(ToQFont(grid_.Font()));
    SetText(text);
    Move(rect);
    line_->show();
    line_->setFocus(Qt::OtherFocusReason);
    line_->selectAll();
}

void TInplaceEdit::Hide() {
    line_->hide();
}

void TInplaceEdit::Move(const TRect& rect) {
    line_->setGeometry(ToQRect(rect));
}

bool TInplaceEdit::HandsBack(int key, TShiftState shift, int cursor, int length) {
    switch (key) {
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_ESCAPE:
    case VK_RETURN:
    case VK_TAB:
        return true;
    case VK_LEFT:
        return cursor == 0 && !line_->hasSelectedText();
    case VK_RIGHT:
        return cursor == length && !line_->hasSelectedText();
    case VK_HOME:
    case VK_END:
        return (shift & ssCtrl) != 0;
    default:
        return false;
    }
}

} // namespace norvalt

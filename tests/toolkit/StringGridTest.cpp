#include <gtest/gtest.h>

#include <QTest>
#include <set>

#include "UiDriver.h"
#include "text/Literal.h"
#include "toolkit/Application.h"
#include "toolkit/Canvas.h"
#include "toolkit/CellStore.h"
#include "toolkit/Form.h"
#include "toolkit/StringGrid.h"

using namespace norvalt;
using namespace norvalt::literals;
using namespace norvalt::test;

namespace {

TEST(CellStore, KeepsTextsThroughResizesMovesAndErasures) {
    CellStore store;
    store.Resize(3, 4);
    store.Set(0, 1, "a");
    store.Set(2, 1, u8"債券"_b5);
    store.Set(1, 2, "b");
    EXPECT_EQ(store.Get(2, 1), u8"債券"_b5);
    EXPECT_EQ(store.Get(1, 1), "");
    EXPECT_EQ(store.Get(5, 1), ""); // outside the store
    EXPECT_EQ(store.Get(0, -1), "");

    store.MoveRow(1, 3); // rows 2 and 3 move up
    EXPECT_EQ(store.Get(1, 1), "b");
    EXPECT_EQ(store.Get(0, 3), "a");
    store.EraseRow(1);
    EXPECT_EQ(store.RowCount(), 3);
    EXPECT_EQ(store.Get(0, 2), "a");
    store.MoveCol(0, 2);
    EXPECT_EQ(store.Get(1, 2), u8"債券"_b5);
    EXPECT_EQ(store.Get(2, 2), "a");

    store.Resize(2, 3); // shrinking drops column 2; growing back gives it empty
    store.Resize(3, 3);
    EXPECT_EQ(store.Get(2, 2), "");
    EXPECT_EQ(store.Get(1, 2), u8"債券"_b5);

    const std::string longText(70000, 'x'); // past 16-bit offsets
    store.Set(0, 0, longText);
    store.Set(1, 0, "tail");
    EXPECT_EQ(store.Get(0, 0), longText);
    EXPECT_EQ(store.Get(1, 0), "tail");
}

TEST(CellStore, ARowReadAtOnceIsItsCellsOneByOne) {
    CellStore store;
    store.Resize(4, 3);
    const std::string line = "abcdefgh";
    const std::string_view text(line);
    // Views that lie back to back in one text, and views that do not.
    const std::string_view adjacent[] = {text.substr(0, 1), text.substr(1, 3), {}, text.substr(4, 4)};
    const std::string_view scattered[] = {text.substr(5, 2), {}, text.substr(0, 2)};
    store.SetRow(0, adjacent);
    store.SetRow(1, scattered);
    std::string_view row[6];
    for (int r = -1; r <= 3; ++r) {
        std::fill(std::begin(row), std::end(row), "untouched");
        ASSERT_EQ(store.GetRow(r, row), 4u);
        for (int c = 0; c < 4; ++c) {
            EXPECT_EQ(row[c], store.Get(c, r)) << c << "," << r;
        }
        EXPECT_EQ(row[4], "untouched") << "past the columns out is left alone";
    }
    EXPECT_EQ(store.Get(1, 0), "bcd");
    EXPECT_EQ(store.Get(3, 0), "efgh");
    EXPECT_EQ(store.Get(2, 1), "ab");
    std::string_view two[2];
    EXPECT_EQ(store.GetRow(0, two), 2u);
    EXPECT_EQ(two[1], "bcd");
}

// A reservation may be short, long or given up early; the texts are the same.
TEST(CellStore, AReservedStoreHoldsWhatItIsGivenWhateverTheEstimate) {
    auto cells = [](int r) {
        return std::array<std::string, 2>{"row " + std::to_string(r),
                                          std::string(static_cast<std::size_t>(r % 50), 'x')};
    };
    for (const std::size_t estimate : {std::size_t{4096}, std::size_t{64} << 20}) {
        CellStore store;
        const int rows = 60000;
        store.Resize(2, rows);
        store.Reserve(static_cast<std::size_t>(rows), estimate);
        for (int r = 0; r < rows; ++r) {
            const auto texts = cells(r);
            const std::string_view views[] = {texts[0], texts[1]};
            store.SetRow(r, views);
        }
        store.EndReserve();
        for (int r = 0; r < rows; r += 997) {
            EXPECT_EQ(store.Get(0, r), cells(r)[0]);
            EXPECT_EQ(store.Get(1, r), cells(r)[1]);
        }
    }
    // Filled again after clearing, a store takes the blocks it gave back
    // rather than fresh memory.
    std::size_t mapped = 0;
    CellStore again;
    const std::string text(100, 'y');
    const std::string_view views[] = {text};
    again.Resize(1, 40000);
    for (int round = 0; round < 3; ++round) {
        again.Reserve(40000, 40000 * 120);
        for (int r = 0; r < 40000; ++r) {
            again.SetRow(r, views);
        }
        again.EndReserve();
        if (round == 0) {
            mapped = again.MappedBytes();
        }
        for (int r = 0; r < 40000; ++r) {
            again.ClearRow(r);
        }
    }
    EXPECT_EQ(again.MappedBytes(), mapped);
    CellStore abandoned; // destroyed while still reserved, before any use
    abandoned.Reserve(1000, std::size_t{256} << 20);
}

class GridTest : public testing::Test {
protected:
    void SetUp() override {
        form.SetClientSize(420, 260);
        grid = std::make_unique<TStringGrid>(&form);
        grid->SetAlign(alClient);
        grid->DefaultDrawing = true;
        ShowActive(form);
    }
    void Fill(int cols, int rows) {
        grid->SetColCount(cols);
        grid->SetRowCount(rows);
        for (int r = 0; r < rows; ++r) {
            for (int c = 0; c < cols; ++c) {
                grid->SetCells(c, r, std::to_string(c) + ":" + std::to_string(r));
            }
        }
    }
    void Key(int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        PressKey(grid->Widget(), qtKey, modifiers);
    }

    TForm form;
    std::unique_ptr<TStringGrid> grid;
};

TEST_F(GridTest, GrowingAddsEmptyRowsAndColumnsShrinkingDropsThem) {
    Fill(4, 6);
    grid->SetRowCount(3);
    grid->SetColCount(2);
    grid->SetRowCount(6);
    grid->SetColCount(4);
    EXPECT_EQ(grid->Cells(1, 2), "1:2");
    EXPECT_EQ(grid->Cells(3, 2), "");
    EXPECT_EQ(grid->Cells(1, 4), "");
    EXPECT_EQ(grid->ColWidths(3), grid->DefaultColWidth());
}

TEST_F(GridTest, KeyboardNavigationLandsOnTheExpectedCells) {
    Fill(6, 40);
    grid->SetFocus();
    struct Step {
        const char* name;
        int key;
        Qt::KeyboardModifiers modifiers;
        int col, row;
    };
    const int page = grid->VisibleRowCount();
    const Step steps[] = {
        {"down", Qt::Key_Down, Qt::NoModifier, 1, 2},
        {"right", Qt::Key_Right, Qt::NoModifier, 2, 2},
        {"up", Qt::Key_Up, Qt::NoModifier, 2, 1},
        {"up at the first row stays", Qt::Key_Up, Qt::NoModifier, 2, 1},
        {"page down", Qt::Key_PageDown, Qt::NoModifier, 2, 1 + page},
        {"end", Qt::Key_End, Qt::NoModifier, 5, 1 + page},
        {"home", Qt::Key_Home, Qt::NoModifier, 1, 1 + page},
        {"ctrl end", Qt::Key_End, Qt::ControlModifier, 5, 39},
        {"down at the last row stays", Qt::Key_Down, Qt::NoModifier, 5, 39},
        {"ctrl home", Qt::Key_Home, Qt::ControlModifier, 1, 1},
        {"left at the first column stays", Qt::Key_Left, Qt::NoModifier, 1, 1},
        {"tab without the tabs option does nothing", Qt::Key_Tab, Qt::NoModifier, 1, 1},
    };
    for (const auto& s : steps) {
        Key(s.key, s.modifiers);
        EXPECT_EQ(grid->Col(), s.col) << s.name;
        EXPECT_EQ(grid->Row(), s.row) << s.name;
        const TRect r = grid->CellRect(grid->Col(), grid->Row());
        EXPECT_GT(r.Width(), 0) << s.name << ": the current cell is scrolled into view";
    }
    grid->SetOptions(grid->Options() | goTabs);
    grid->SetCol(5);
    Key(Qt::Key_Tab);
    EXPECT_EQ(grid->Col(), 1);
    EXPECT_EQ(grid->Row(), 2);
}

TEST_F(GridTest, ShiftExtendsTheSelectionWithRangeSelect) {
    Fill(6, 10);
    Key(Qt::Key_Down, Qt::ShiftModifier);
    Key(Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(grid->Selection(), (TGridRect{1, 1, 2, 2}));
    Key(Qt::Key_Down);
    EXPECT_EQ(grid->Selection(), (TGridRect{2, 3, 2, 3}));
}

TEST_F(GridTest, RefusedSelectCellKeepsTheCurrentCell) {
    Fill(5, 10);
    grid->OnSelectCell = [](int, int row, bool& canSelect) { canSelect = row != 3; };
    grid->SetRow(2);
    Key(Qt::Key_Down);
    EXPECT_EQ(grid->Row(), 2);
    const TRect target = grid->CellRect(2, 3);
    Click(InputWidget(*grid), target.Left + 3, target.Top + 3);
    EXPECT_EQ(grid->Row(), 2);
    EXPECT_EQ(grid->Col(), 1);
}

TEST_F(GridTest, FixedRowsAndColumnsStayInViewWhenScrolling) {
    Fill(30, 200);
    grid->SetTopRow(150);
    grid->SetLeftCol(20);
    EXPECT_EQ(grid->TopRow(), 150);
    EXPECT_EQ(grid->CellRect(0, 0), (TRect{0, 0, 64, 24}));
    EXPECT_EQ(grid->CellRect(3, 0), (TRect{}));
    EXPECT_EQ(grid->CellRect(0, 150), (TRect{0, 25, 64, 49})); // fixed column, scrolled row
    EXPECT_EQ(grid->CellRect(20, 0), (TRect{65, 0, 129, 24})); // fixed row, scrolled column
    EXPECT_EQ(grid->CellRect(20, 150), (TRect{65, 25, 129, 49}));
    EXPECT_EQ(grid->CellRect(5, 150), (TRect{})); // scrolled out of view
    const TGridCoord cell = grid->MouseToCell(70, 30);
    EXPECT_EQ(cell, (TGridCoord{20, 150}));
}

TEST_F(GridTest, DrawCellIsCalledOnlyForVisibleCells) {
    Fill(22, 100000);
    grid->SetTopRow(50000);
    std::set<std::pair<int, int>> drawn;
    grid->OnDrawCell = [&](int col, int row, const TRect&, TGridDrawState) { drawn.insert({col, row}); };
    (void)Grab(InputWidget(*grid));
    ASSERT_FALSE(drawn.empty());
    for (const auto& [col, row] : drawn) {
        EXPECT_TRUE(row == 0 || (row >= 50000 && row < 50000 + 12)) << row;
        EXPECT_LT(col, 8);
        EXPECT_GT(grid->CellRect(col, row).Width(), 0);
    }
    EXPECT_TRUE(drawn.count({0, 0}));
    EXPECT_TRUE(drawn.count({1, 50000}));
}

TEST_F(GridTest, PaintedCellShowsItsBackgroundAndTextInsideItsRect) {
    grid->SetColCount(3);
    grid->SetRowCount(3);
    grid->SetColWidths(1, 120);
    grid->SetCells(1, 2, "WWWW");
    grid->SetRow(1);
    grid->DefaultDrawing = false;
    const TColor pink = RGB(250, 200, 210);
    grid->OnDrawCell = [&](int col, int row, const TRect& rect, TGridDrawState) {
        TCanvas& canvas = *grid->Canvas();
        canvas.Brush().SetColor(col == 1 && row == 2 ? pink : clWhite);
        canvas.FillRect(rect);
        canvas.Font().SetColor(clBlack);
        canvas.TextOut(rect.Left + 2, rect.Top + 2, grid->Cells(col, row));
    };
    const QImage image = Grab(InputWidget(*grid));
    const TRect r = grid->CellRect(1, 2);
    int ink = 0, background = 0;
    for (int y = r.Top; y < r.Bottom; ++y) {
        for (int x = r.Left; x < r.Right; ++x) {
            const TColor c = PixelColor(image, x, y);
            if (c == pink) {
                ++background;
            } else if ((c & 0xFF) < 120 && ((c >> 8) & 0xFF) < 120) {
                ++ink;
            }
        }
    }
    EXPECT_GT(background, r.Width() * r.Height() / 2);
    EXPECT_GT(ink, 10) << "the text's pixels are inside the cell";
    EXPECT_EQ(PixelColor(image, r.Left - 3, r.Top + 5), clWhite) << "the colour stays inside the cell";
}

TEST_F(GridTest, InplaceEditorTakesTheCellTextAndStoresItBack) {
    Fill(4, 5);
    grid->SetOptions(grid->Options() | goEditing);
    grid->SetFocus();
    Key(Qt::Key_F2);
    ASSERT_TRUE(grid->EditorVisible());
    EXPECT_EQ(grid->InplaceEditor()->Text(), "1:1");
    TypeText(grid->InplaceEditor()->Widget(), "債");
    PressKey(grid->InplaceEditor()->Widget(), Qt::Key_Down); // navigation goes back to the grid
    EXPECT_EQ(grid->Cells(1, 1), u8"債"_b5);
    EXPECT_EQ(grid->Row(), 2);
    ASSERT_TRUE(grid->EditorVisible()); // editing goes on in the new cell
    TypeText(grid->InplaceEditor()->Widget(), "x");
    PressKey(grid->InplaceEditor()->Widget(), Qt::Key_Escape);
    EXPECT_FALSE(grid->EditorVisible());
    EXPECT_EQ(grid->Cells(1, 2), "1:2");
}

TEST_F(GridTest, DoubleClickAndColumnSizingWithTheMouse) {
    Fill(4, 5);
    int doubleClicks = 0;
    grid->OnDblClick = [&] { ++doubleClicks; };
    const TRect cell = grid->CellRect(2, 3);
    DoubleClick(InputWidget(*grid), cell.Left + 5, cell.Top + 5);
    EXPECT_EQ(doubleClicks, 1);
    EXPECT_EQ(grid->Col(), 2);
    EXPECT_EQ(grid->Row(), 3);

    grid->SetOptions(grid->Options() | goColSizing);
    QWidget* view = InputWidget(*grid);
    const int border = grid->CellRect(1, 0).Right + 1;
    QTest::mousePress(view, Qt::LeftButton, Qt::NoModifier, QPoint(border, 10));
    QTest::mouseMove(view, QPoint(border + 30, 10));
    QTest::mouseRelease(view, Qt::LeftButton, Qt::NoModifier, QPoint(border + 30, 10));
    EXPECT_EQ(grid->ColWidths(1), 94);
}

} // namespace

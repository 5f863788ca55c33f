#include <gtest/gtest.h>

#include "UiDriver.h"
#include "grid/RoseColoredGrid.h"
#include "text/Exception.h"
#include "toolkit/Form.h"

using namespace norvalt;
using namespace norvalt::test;

namespace {

class GridModelTest : public testing::Test {
protected:
    void SetUp() override {
        form.SetClientSize(500, 300);
        grid.SetAlign(alClient);
        grid.SetColCount(5);
        grid.SetRowCount(6);
        for (int r = 0; r < 6; ++r) {
            for (int c = 0; c < 5; ++c) {
                grid.SetCells(c, r, std::to_string(c) + "," + std::to_string(r));
            }
        }
    }
    TForm form;
    TRoseColoredGrid grid{&form};
};

TEST_F(GridModelTest, AlignmentLookupFollowsTheLayerOrder) {
    struct Case {
        const char* name;
        std::function<void(TRoseColoredGrid&)> setup;
        int col, row;
        TAlignment expected;
    };
    const Case cases[] = {
        {"grid value closes the chain", [](auto& g) { g.SetAlignment(taCenter); }, 2, 3, taCenter},
        {"a cell's taLeftJustify does not override a centred grid",
         [](auto& g) {
             g.SetAlignment(taCenter);
             g.AlignCell(2, 3, taLeftJustify);
         },
         2, 3, taCenter},
        {"a cell's taRightJustify wins",
         [](auto& g) {
             g.SetAlignment(taCenter);
             g.AlignCell(2, 3, taRightJustify);
         },
         2, 3, taRightJustify},
        {"the column layer comes before the row layer",
         [](auto& g) {
             g.AlignRow(5, taRightJustify);
             g.AlignCol(1, taCenter);
         },
         1, 5, taCenter},
        {"the row layer when the column says nothing", [](auto& g) { g.AlignRow(5, taRightJustify); }, 1, 5,
         taRightJustify},
        {"AlignCol has no effect on a fixed cell", [](auto& g) { g.AlignCol(0, taCenter); }, 0, 0,
         taLeftJustify},
        {"FixedAlignCol does", [](auto& g) { g.FixedAlignCol(0, taCenter); }, 0, 0, taCenter},
        {"FixedAlignCol has no effect on a normal cell", [](auto& g) { g.FixedAlignCol(2, taCenter); }, 2, 2,
         taLeftJustify},
        {"FixedAlignRow on the heading row", [](auto& g) { g.FixedAlignRow(0, taRightJustify); }, 3, 0,
         taRightJustify},
    };
    for (const auto& c : cases) {
        TForm f;
        TRoseColoredGrid g(&f);
        g.SetColCount(5);
        g.SetRowCount(6);
        c.setup(g);
        EXPECT_EQ(g.CellAlignment(c.col, c.row), c.expected) << c.name;
    }
}

TEST_F(GridModelTest, OtherLookupsAndTheirFallbacks) {
    EXPECT_EQ(grid.CellWordwrap(1, 1), ww_none);
    grid.SetWordwrap(ww_default);
    EXPECT_EQ(grid.CellWordwrap(1, 1), ww_none); // ww_default behaves as ww_none
    grid.PropCol(2).Wordwrap = ww_wordwrap;
    EXPECT_EQ(grid.CellWordwrap(2, 4), ww_wordwrap);

    EXPECT_TRUE(grid.CellEditable(1, 1));
    grid.EditRow(3, false);
    EXPECT_FALSE(grid.CellEditable(1, 3));
    grid.EditCell(1, 3, true);
    EXPECT_TRUE(grid.CellEditable(1, 3));
    grid.OnInquireCellEditable = [](TRoseColoredGrid&, int, int, bool& result) { result = false; };
    EXPECT_FALSE(grid.CellEditable(1, 3));

    EXPECT_EQ(grid.CellSelectedColor(1, 1), clActiveCaption);
    grid.SelectedColorRow(1, clRed);
    EXPECT_EQ(grid.CellSelectedColor(1, 1), clRed);
    grid.SelectedColorRow(0, clBlue); // the selected colours skip the fixed layers, not the row layer
    EXPECT_EQ(grid.CellSelectedColor(0, 0), clBlue);
    EXPECT_EQ(grid.CellSelectedFontColor(1, 1), clWhite);

    grid.ColorRow(2, RGB(1, 2, 3));
    EXPECT_EQ(grid.CellColor(3, 2), RGB(1, 2, 3));
    grid.SetColorCell(3, 2, RGB(4, 5, 6));
    EXPECT_EQ(grid.ColorCell(3, 2), RGB(4, 5, 6));
    EXPECT_EQ(grid.CellColor(0, 0), clBtnFace); // FixedBrush
    grid.SetFixedColor(clRed);
    EXPECT_EQ(grid.CellColor(0, 0), clRed);
}

TEST_F(GridModelTest, FixedCellsUseTheFixedFontEvenAfterTheGridFontChanges) {
    grid.Font().SetName("Verdana");
    grid.Font().SetHeight(-15);
    EXPECT_EQ(&grid.CellFont(0, 0), &grid.FixedFont());
    EXPECT_EQ(grid.CellFont(0, 0).Name(), "MS Sans Serif");
    EXPECT_EQ(&grid.CellFont(1, 1), &grid.Font());
    // A font created by an accessor is a copy of the grid's Font, also for fixed cells.
    EXPECT_EQ(grid.FontFixedRow(0).Name(), "Verdana");
    EXPECT_EQ(&grid.CellFont(2, 0), grid.FixedRowRecord(0)->Font());
}

TEST_F(GridModelTest, SettingABrushToItsOwnColourRepaintsNothing) {
    int repaints = 0;
    TMyBrush& brush = grid.BrushRow(2);
    brush.OnChange = [&] { ++repaints; };
    brush.SetColor(clRed);
    brush.SetColor(clRed);
    EXPECT_EQ(repaints, 1);
}

TEST_F(GridModelTest, DeleteRowMovesTextsRecordsAndHintsUp) {
    TForm f;
    TRoseColoredGrid small(&f);
    small.SetRowCount(2);
    small.SetCells(1, 1, "x");
    small.DeleteRow(1); // the last non-fixed row is never deleted
    EXPECT_EQ(small.RowCount(), 2);
    EXPECT_EQ(small.Cells(1, 1), "x");

    grid.SetRowCount(5);
    grid.ColorRow(2, clRed);
    grid.AlignCell(3, 3, taCenter);
    grid.SetHintCell(4, 4, "hint");
    grid.SetRow(3);
    grid.DeleteRow(1);
    EXPECT_EQ(grid.RowCount(), 4);
    EXPECT_EQ(grid.Cells(0, 1), "0,2");
    EXPECT_EQ(grid.Cells(0, 3), "0,4");
    EXPECT_EQ(grid.CellColor(1, 1), clRed);
    EXPECT_EQ(grid.CellAlignment(3, 2), taCenter);
    EXPECT_EQ(grid.HintCell(4, 3), "hint");
    EXPECT_EQ(grid.HintCell(4, 4), "");
    EXPECT_EQ(grid.Row(), 2);
    grid.DeleteRow(0); // a fixed row is never deleted
    grid.DeleteRow(4);
    EXPECT_EQ(grid.RowCount(), 4);
}

TEST_F(GridModelTest, DeletingTheTrailingRowsAtOnceEndsAsDeletingThemOneByOne) {
    TForm f;
    TRoseColoredGrid oneByOne(&f);
    for (TRoseColoredGrid* g : {&grid, &oneByOne}) {
        g->SetColCount(5);
        g->SetRowCount(6);
        for (int r = 0; r < 6; ++r) {
            g->SetCells(1, r, "t" + std::to_string(r));
            g->ColorRow(r, RGB(1, 2, static_cast<std::uint8_t>(r)));
            g->SetHintCell(2, r, "h");
            g->AlignCell(3, r, taCenter);
        }
        g->FixedAlignRow(4, taRightJustify);
        g->SetRow(5);
    }
    grid.DeleteRowsFrom(2);
    for (int r = 5; r >= 2; --r) {
        oneByOne.DeleteRow(r);
    }
    for (TRoseColoredGrid* g : {&grid, &oneByOne}) {
        EXPECT_EQ(g->RowCount(), 2);
        EXPECT_EQ(g->Cells(1, 1), "t1");
        EXPECT_EQ(g->Row(), 1);
        g->SetRowCount(6);
        EXPECT_EQ(g->Cells(1, 4), "");
        EXPECT_EQ(g->RowRecord(4), nullptr);
        EXPECT_EQ(g->CellRecord(3, 4), nullptr);
        EXPECT_EQ(g->HintCell(2, 4), "");
        EXPECT_EQ(g->FixedRowRecord(4)->Alignment, taRightJustify) << "the fixed layer stays";
        EXPECT_EQ(g->CellColor(1, 1), RGB(1, 2, 1));
    }
    grid.SetRowCount(2);
    grid.DeleteRowsFrom(1); // the last non-fixed row stays
    EXPECT_EQ(grid.RowCount(), 2);
}

TEST_F(GridModelTest, InsertRowAtAFixedRowInsertsBelowItAndLeavesTheFixedLayer) {
    grid.FixedAlignRow(1, taCenter);
    grid.AlignRow(1, taRightJustify);
    grid.SetRow(2);
    grid.InsertRow(0);
    EXPECT_EQ(grid.RowCount(), 7);
    EXPECT_EQ(grid.Cells(0, 1), "");
    EXPECT_EQ(grid.Cells(0, 2), "0,1");
    EXPECT_EQ(grid.Cells(0, 6), "0,5");
    EXPECT_EQ(grid.RowRecord(1), nullptr);
    EXPECT_EQ(grid.RowRecord(2)->Alignment, taRightJustify);
    EXPECT_EQ(grid.FixedRowRecord(1)->Alignment, taCenter);
    EXPECT_EQ(grid.Row(), 3);
}

TEST_F(GridModelTest, InsertingAndMovingColumnsCarryTheirRecords) {
    grid.AlignCol(2, taCenter);
    grid.FixedAlignCol(2, taRightJustify);
    grid.SetHintCell(2, 3, "hint");
    grid.SetCol(3);
    grid.InsertCol(2);
    EXPECT_EQ(grid.ColCount(), 6);
    EXPECT_EQ(grid.Cells(2, 1), "");
    EXPECT_EQ(grid.Cells(3, 1), "2,1");
    EXPECT_EQ(grid.ColRecord(2), nullptr);
    EXPECT_EQ(grid.ColRecord(3)->Alignment, taCenter);
    EXPECT_EQ(grid.FixedColRecord(2)->Alignment, taRightJustify) << "the fixed layer stays";
    EXPECT_EQ(grid.HintCell(3, 3), "hint");
    EXPECT_EQ(grid.Col(), 4);

    grid.MoveColumn(3, 5);
    EXPECT_EQ(grid.Cells(5, 1), "2,1");
    EXPECT_EQ(grid.Cells(3, 1), "3,1");
    EXPECT_EQ(grid.CellAlignment(5, 1), taCenter);
    EXPECT_EQ(grid.HintCell(5, 3), "hint");
    EXPECT_EQ(grid.Col(), 3) << "the current column follows the move";
}

TEST_F(GridModelTest, AStructuralChangeBelowTheEditorHidesAndShowsItAgain) {
    test::ShowActive(form);
    grid.SetOptions(grid.Options() | goEditing);
    grid.SetCol(1);
    grid.SetRow(3);
    grid.ShowEditor();
    ASSERT_TRUE(grid.EditorVisible());
    grid.DeleteRow(1);
    EXPECT_TRUE(grid.EditorVisible());
    EXPECT_EQ(grid.EditorRow(), 2);
    EXPECT_EQ(grid.InplaceEditor()->Text(), "1,3") << "the editor stays on its record";
    grid.DeleteRow(2); // the editor's own row: hidden, not shown again
    EXPECT_FALSE(grid.EditorVisible());
}

TEST_F(GridModelTest, ExchangeRowsAndColumnsCarryTheirRecords) {
    grid.ExchangeRows(1, 1);
    EXPECT_EQ(grid.Cells(0, 1), "0,1");
    grid.ColorRow(1, clRed);
    grid.SetRow(4);
    grid.ExchangeRows(1, 4);
    EXPECT_EQ(grid.Cells(2, 1), "2,4");
    EXPECT_EQ(grid.Cells(2, 4), "2,1");
    EXPECT_EQ(grid.CellColor(2, 4), clRed);
    EXPECT_EQ(grid.Row(), 1);

    grid.AlignCol(1, taCenter);
    grid.ExchangeCols(1, 3);
    EXPECT_EQ(grid.Cells(1, 2), "3,2");
    EXPECT_EQ(grid.CellAlignment(3, 2), taCenter);
    EXPECT_EQ(grid.CellAlignment(1, 2), taLeftJustify);
}

TEST_F(GridModelTest, MovingARowCarriesItsRecordsButNotTheFixedLayer) {
    grid.ColorRow(1, clRed);
    grid.FixedAlignRow(1, taCenter);
    grid.MoveRow(1, 3);
    EXPECT_EQ(grid.Cells(0, 3), "0,1");
    EXPECT_EQ(grid.Cells(0, 1), "0,2");
    EXPECT_EQ(grid.CellColor(2, 3), clRed);
    EXPECT_EQ(grid.FixedRowRecord(1)->Alignment, taCenter);
}

TEST_F(GridModelTest, NegativeIndexRaisesTheListErrorAndChangesNothing) {
    EXPECT_THROW(grid.PropRow(-1), EListError);
    EXPECT_THROW(grid.PropCell(1, -2), EListError);
    EXPECT_THROW(grid.AlignCol(-1, taCenter), EListError);
    EXPECT_EQ(grid.RowRecord(0), nullptr);
    EXPECT_EQ(grid.CellRecord(1, 0), nullptr);
    EXPECT_EQ(grid.CellAlignment(-1, -1), taLeftJustify); // lookups treat it as no record
}

TEST_F(GridModelTest, DecoratedSwitchesTheThreeAndThePurpleSelection) {
    grid.SetDecorated(true);
    EXPECT_TRUE(grid.Decorated());
    EXPECT_EQ(grid.SelectedCellColor(), RGB(160, 0, 255));
    TForm f;
    TRoseColoredGrid red(&f);
    red.SetSelectedCellColor(clRed);
    red.SetDecorated(true);
    EXPECT_EQ(red.SelectedCellColor(), clRed);
    red.SetDecorated(false);
    EXPECT_FALSE(red.Decorated());
}

} // namespace

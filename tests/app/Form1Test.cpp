#include "Form1Fixture.h"

#include "text/Literal.h"
#include "toolkit/Edit.h"

using namespace norvalt;
using namespace norvalt::literals;
using namespace norvalt::test;

namespace {

const std::string& SwitchQuestion() {
    return u8"畫面中仍有資料，請問是否要切換分頁?(切換後會清空資料)"_b5;
}

TEST_F(Form1Test, StartState) {
    EXPECT_EQ(form->Caption(), u8"Norvalt V4.00 (2021/09/24更新)"_b5);
    EXPECT_EQ(form->PageControl1.ActivePageIndex(), 0);
    EXPECT_EQ(Grid().ColCount(), 19);
    EXPECT_EQ(Grid().ColWidths(0), 70);
    EXPECT_EQ(Grid().ColWidths(18), 137);
    EXPECT_EQ(Grid().DefaultRowHeight(), 24);
    EXPECT_EQ(Grid().RowCount(), 2);
    EXPECT_EQ(Grid().FixedRows(), 1);
    EXPECT_EQ(Grid().FixedCols(), 0);
    EXPECT_EQ(Grid().Cells(4, 0), u8"客戶身分碼"_b5);
    for (int c = 0; c < 19; ++c) {
        EXPECT_EQ(Grid().Cells(c, 1), "");
    }
    EXPECT_EQ(form->FEditRow, 1);
    EXPECT_EQ(form->FSelectedRow, 0);
    EXPECT_EQ(form->FPrevPageIndex, 0);
    EXPECT_EQ(form->PageControl1.Height(), 449);
    EXPECT_EQ(form->ClientWidth(), 1525);
    EXPECT_EQ(form->ClientHeight(), 730);
    EXPECT_EQ(form->DataGrid.Top(), 449 + 3);
}

TEST_F(Form1Test, SwitchingWithAnEmptyGridAsksNothingAndAppliesTheColumnSet) {
    ClickTab(1);
    EXPECT_EQ(Grid().ColCount(), 22);
    EXPECT_EQ(Grid().Cells(21, 0), u8"陸資身分識別碼"_b5);
    EXPECT_EQ(Grid().ColWidths(21), 720);
    ClickTab(2);
    EXPECT_EQ(Grid().ColCount(), 7);
    EXPECT_EQ(Grid().Cells(6, 0), u8"成交殖利率/百元價"_b5);
    ClickTab(0); // row 1 holds blanks only: still no records
    EXPECT_TRUE(Questions().empty());
    EXPECT_EQ(Grid().ColCount(), 19);
    EXPECT_EQ(Grid().ColWidths(0), 64);
    EXPECT_EQ(Grid().DefaultRowHeight(), 28);
    EXPECT_EQ(Grid().RowCount(), 2);
    for (int c = 0; c < 19; ++c) {
        EXPECT_EQ(Grid().Cells(c, 1), " ");
    }
    EXPECT_EQ(form->FPrevPageIndex, 0);
}

TEST_F(Form1Test, SwitchingWithRecordsAsksAndCancelKeepsEverything) {
    PutRecords(3);
    dialogs.QueueAnswer(mrCancel);
    ClickTab(2);
    EXPECT_EQ(Questions(), std::vector<std::string>{SwitchQuestion()});
    EXPECT_EQ(dialogs.ShownBoxes()[0].caption, u8"提示"_b5);
    EXPECT_EQ(form->PageControl1.ActivePageIndex(), 0);
    EXPECT_EQ(Grid().ColCount(), 19);
    EXPECT_EQ(Grid().RowCount(), 5);
    EXPECT_EQ(Grid().Cells(18, 3), "r3c18");
    EXPECT_EQ(form->FPrevPageIndex, 0);
}

TEST_F(Form1Test, SwitchingWithRecordsAndOkResetsToTheNewSet) {
    PutRecords(3);
    dialogs.QueueAnswer(mrOk);
    ClickTab(1);
    EXPECT_EQ(form->PageControl1.ActivePageIndex(), 1);
    EXPECT_EQ(Grid().ColCount(), 22);
    EXPECT_EQ(Grid().RowCount(), 2);
    EXPECT_EQ(Grid().Cells(0, 1), " ");
    EXPECT_EQ(form->FPrevPageIndex, 1);
}

TEST_F(Form1Test, ClearGridLeavesTheHeadingsAndOneEmptyRow) {
    PutRecords(4);
    form->ClearGrid();
    EXPECT_EQ(Grid().RowCount(), 2);
    EXPECT_EQ(Grid().Cells(3, 0), u8"業務別"_b5);
    EXPECT_EQ(Grid().Cells(3, 1), "");
}

TEST_F(Form1Test, DoubleClickOnAnEmptyCellDoesNothing) {
    PutRecords(2);
    Grid().SetCells(5, 2, "");
    Grid().SetCells(12, 2, "100"); // the amounts load into the amount controls
    Grid().SetCells(13, 2, "100");
    form->FEditRow = 1;
    const TRect empty = Grid().CellRect(5, 2);
    DoubleClick(InputWidget(Grid()), empty.Left + 5, empty.Top + 5);
    EXPECT_EQ(form->FEditRow, 1);
    EXPECT_EQ(form->FSelectedRow, 2);
    const TRect full = Grid().CellRect(4, 2);
    DoubleClick(InputWidget(Grid()), full.Left + 5, full.Top + 5);
    EXPECT_EQ(form->FEditRow, 2);
    EXPECT_EQ(form->Tran01.Tran01_CustomerIDEdt.Text(), "r2c4");

    // A row whose amount is not a number stops the loading; FEditRow stays.
    Grid().SetCells(12, 1, "abc");
    const TRect first = Grid().CellRect(4, 1);
    DoubleClick(InputWidget(Grid()), first.Left + 5, first.Top + 5);
    EXPECT_EQ(form->FEditRow, 2);
    EXPECT_EQ(dialogs.Texts(ScriptedDialogs::Kind::Error),
              std::vector<std::string>{"'abc' is not a valid floating point value"});
    EXPECT_EQ(form->Tran01.Tran01_CustomerIDEdt.Text(), "r1c4") << "the fields loaded before it stay";
}

TEST_F(Form1Test, EnterInABoundEditMovesTheFocusToTheNextControl) {
    TEdit bound(&form->Page01.EntryArea), next(&form->Page01.EntryArea), unbound(&form->Page01.EntryArea);
    bound.SetBounds(10, 10, 80, 20);
    next.SetBounds(10, 40, 80, 20);
    unbound.SetBounds(10, 70, 80, 20);
    bound.OnKeyDown = [this](TControl& s, int& k, TShiftState sh) { form->edtAccountKeyDown(s, k, sh); };
    bound.SetFocus();
    Settle();
    PressKey(bound.Widget(), Qt::Key_Return);
    Settle();
    EXPECT_TRUE(next.Focused());
    unbound.SetFocus();
    Settle();
    PressKey(unbound.Widget(), Qt::Key_Return);
    Settle();
    EXPECT_TRUE(unbound.Focused());
}

TEST_F(Form1Test, RowsAlternateBetweenTheTwoColours) {
    PutRecords(3);
    Grid().SetCells(0, 1, "");
    (void)Grab(InputWidget(Grid())); // the first paint gives each row its brush
    const QImage image = Grab(InputWidget(Grid()));
    const TRect r1 = Grid().CellRect(1, 1), r2 = Grid().CellRect(1, 2), r3 = Grid().CellRect(1, 3);
    EXPECT_EQ(PixelColor(image, r1.Left + 2, r1.Top + 2), RGB(155, 136, 149));
    EXPECT_EQ(PixelColor(image, r2.Left + 2, r2.Top + 2), RGB(178, 163, 174));
    EXPECT_EQ(PixelColor(image, r3.Left + 2, r3.Top + 2), RGB(155, 136, 149));
}

TEST_F(Form1Test, TextsAreCentredInColumnsUpTo18AndLeftAlignedBeyond) {
    ClickTab(1);
    PutRecords(2);
    for (int c = 0; c < 22; ++c) {
        Grid().SetCells(c, 2, "88");
    }
    Grid().SetRow(1);
    Grid().SetLeftCol(14);
    (void)Grab(InputWidget(Grid()));
    const QImage image = Grab(InputWidget(Grid()));
    for (int c : {14, 18, 19, 20}) {
        const TRect cell = Grid().CellRect(c, 2);
        ASSERT_GT(cell.Width(), 0) << c;
        const TRect ink = InkBounds(image, cell, RGB(178, 163, 174));
        ASSERT_GT(ink.Width(), 0) << c;
        const int leftGap = ink.Left - cell.Left, rightGap = cell.Right - ink.Right;
        if (c <= 18) {
            EXPECT_LE(std::abs(leftGap - rightGap), 3) << "column " << c << " is centred";
        } else {
            EXPECT_LE(leftGap, 6) << "column " << c << " is left-aligned";
        }
    }
    const TRect heading = Grid().CellRect(14, 0);
    const TRect ink = InkBounds(image, heading, clBtnFace == 0 ? 0 : RGB(240, 240, 240));
    EXPECT_LE(std::abs((ink.Left - heading.Left) - (heading.Right - ink.Right)), 4) << "headings are centred";
}

TEST_F(Form1Test, SelectedCellsShowTheSelectedColours) {
    PutRecords(3);
    Grid().SetSelection({1, 1, 3, 2}); // current cell (3, 2), the others selected
    (void)Grab(InputWidget(Grid()));
    const QImage image = Grab(InputWidget(Grid()));
    const TRect selected = Grid().CellRect(1, 1);
    const TRect focused = Grid().CellRect(3, 2);
    EXPECT_EQ(PixelColor(image, selected.Left + 2, selected.Top + 2), RGB(192, 180, 189));
    EXPECT_EQ(PixelColor(image, focused.Left + 2, focused.Top + 2), RGB(255, 255, 170));
    const TRect ink = InkBounds(image, selected, RGB(192, 180, 189));
    ASSERT_GT(ink.Width(), 0);
    unsigned darkest = 255;
    for (int y = ink.Top; y < ink.Bottom; ++y) {
        for (int x = ink.Left; x < ink.Right; ++x) {
            darkest = std::min(darkest, PixelColor(image, x, y) & 0xFF);
        }
    }
    EXPECT_LT(darkest, 40u) << "selected text is black";
}

} // namespace

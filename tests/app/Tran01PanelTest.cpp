#include "Form1Fixture.h"

#include <fstream>

#include "text/Literal.h"

using namespace norvalt;
using namespace norvalt::literals;
using namespace norvalt::test;

namespace {

class Tran01PanelTest : public Form1Test {
protected:
    TTran01Panel& P() { return form->Tran01; }
    void Pick(TComboBox& list, const std::string& item) {
        const auto& items = list.Items();
        const auto it = std::find(items.begin(), items.end(), item);
        ASSERT_NE(it, items.end());
        PickItem(list.Widget(), static_cast<int>(it - items.begin()));
    }
    void Type(TEdit& edit, const std::string& utf8) {
        edit.SetFocus();
        Settle();
        edit.SelectAll();
        TypeText(edit, utf8);
    }
    void TypeAmount(TCurrencyEdit& edit, const std::string& text) {
        edit.SetFocus();
        Settle();
        TypeText(edit, text);
        P().Tran01_BrokerIDEdt.SetFocus();
        Settle();
    }
    // A valid 買賣斷 record typed as the user would.
    void TypeOutright(const std::string& seq = "A0001") {
        Type(P().Tran01_BrokerIDEdt, "9800");
        Type(P().Tran01_DealDateEdt, "1100923");
        Type(P().Tran01_DealSeqEdt, seq);
        Type(P().Tran01_CustomerIDEdt, "王小明");
        Pick(P().Tran01_DealTypeCB, u8"買賣斷"_b5);
        Type(P().Tran01_BondIDEdt, "A91104");
        Type(P().Tran01_HPEdt, "1.2345");
        Type(P().Tran01_LPEdt, "1.1");
        Type(P().Tran01_APEdt, "1.15");
        TypeAmount(P().Tran01_TotalDealGCEdt, "1234567.89");
        TypeAmount(P().Tran01_TotalDealCCEdt, "1000000");
        Type(P().Tran01_TotalDealCountEdt, "12");
    }
    // Every field a valid record needs but the category and the balances.
    void TypeWithoutCategory(const std::string& seq) {
        Type(P().Tran01_BrokerIDEdt, "9800");
        Type(P().Tran01_DealDateEdt, "1100923");
        Type(P().Tran01_DealSeqEdt, seq);
        Type(P().Tran01_BondIDEdt, "A91104");
        Type(P().Tran01_HPEdt, "1");
        Type(P().Tran01_LPEdt, "1");
        Type(P().Tran01_APEdt, "1");
        TypeAmount(P().Tran01_TotalDealGCEdt, "100");
        TypeAmount(P().Tran01_TotalDealCCEdt, "100");
        Type(P().Tran01_TotalDealCountEdt, "1");
    }
    std::vector<std::string> ErrorBoxes() const {
        std::vector<std::string> texts;
        for (const auto& s : dialogs.ShownBoxes()) {
            if (s.kind == ScriptedDialogs::Kind::MessageBox && s.caption == u8"錯誤"_b5) {
                texts.push_back(s.text);
            }
        }
        return texts;
    }
    std::filesystem::path TempFile(const std::string& name) {
        return std::filesystem::temp_directory_path() /
               ("norvalt-panel-" + std::to_string(::getpid()) + name);
    }
};

TEST_F(Tran01PanelTest, StartContentsOfTheLists) {
    EXPECT_EQ(P().Tran01_CTCB.Text(), u8"自營"_b5);
    EXPECT_EQ(P().Tran01_DealTypeCB.ItemIndex(), -1);
    EXPECT_TRUE(P().Tran01_BSCB.Items().empty());
    EXPECT_EQ(P().Tran01_DealDayCB.Items().size(), 9u);
    EXPECT_EQ(P().Tran01_DealDayCB.Items()[2], u8"2=2-10 天"_b5);
    EXPECT_EQ(P().Tran01_DealDayCB.ItemIndex(), -1);
    EXPECT_EQ(P().Tran01_PayDayCB.Items(), std::vector<std::string>{""});
    EXPECT_EQ(P().Tran01_BrokerIDEdt.MaxLength(), 4);
    EXPECT_EQ(P().Tran01_BuyPriceEdt.MaxLength(), 13);
}

TEST_F(Tran01PanelTest, TheCategoryDecidesTheListsRatesAndBalances) {
    const std::string blank = u8"空白"_b5;
    struct Case {
        std::string category;
        std::vector<std::string> sides;
        std::size_t terms;
        std::string firstTerm;
        std::string firstCounterparty;
        std::size_t settlements;
        std::string rate;
        std::string balance;
    };
    const Case cases[] = {
        {u8"附條件-到期"_b5, {u8"買"_b5, u8"賣"_b5}, 1, blank, u8"債券自營商(銀行)"_b5, 1, "0", "0"},
        {u8"遠期買賣斷"_b5, {u8"買"_b5, u8"賣"_b5}, 1, blank, blank, 5, "", ""},
        {u8"RS融券-承作"_b5, {u8"買"_b5}, 8, u8"隔夜"_b5, u8"債券自營商(銀行)"_b5, 1, "", "0"},
        {u8"附條件-承作"_b5, {u8"買"_b5, u8"賣"_b5}, 8, u8"隔夜"_b5, u8"債券自營商(銀行)"_b5, 1, "", "0"},
    };
    for (const auto& c : cases) {
        Pick(P().Tran01_DealTypeCB, c.category);
        EXPECT_EQ(P().Tran01_BSCB.Items(), c.sides) << c.category;
        EXPECT_EQ(P().Tran01_BSCB.ItemIndex(), 0);
        EXPECT_EQ(P().Tran01_DealDayCB.Items().size(), c.terms);
        EXPECT_EQ(P().Tran01_DealDayCB.Text(), c.firstTerm);
        EXPECT_EQ(P().Tran01_DealPartnerCB.Text(), c.firstCounterparty);
        EXPECT_EQ(P().Tran01_DealPartnerCB.Items().back(), u8"陸資"_b5);
        EXPECT_EQ(P().Tran01_PayDayCB.Items().size(), c.settlements);
        EXPECT_EQ(P().Tran01_PayDayCB.Text(), blank);
        EXPECT_EQ(P().Tran01_HPEdt.Text(), c.rate);
        EXPECT_EQ(P().Tran01_APEdt.Text(), c.rate);
        EXPECT_EQ(P().Tran01_BuyPriceEdt.Text(), c.balance);
        EXPECT_EQ(P().Tran01_SellPriceEdt.Text(), c.balance);
    }
}

TEST_F(Tran01PanelTest, AddingAValidOutrightRecordIntoAnEmptyGrid) {
    TypeOutright();
    P().Tran01_OKBTN.Click();
    EXPECT_TRUE(ErrorBoxes().empty()) << (ErrorBoxes().empty() ? "" : ErrorBoxes()[0]);
    EXPECT_EQ(Grid().RowCount(), 3);
    EXPECT_EQ(Grid().Cells(0, 1), "9800");
    EXPECT_EQ(Grid().Cells(4, 1), u8"王小明"_b5);
    EXPECT_EQ(Grid().Cells(6, 1), u8"買賣斷"_b5);
    EXPECT_EQ(Grid().Cells(8, 1), "--");
    EXPECT_EQ(Grid().Cells(12, 1), "1234567.89");
    EXPECT_EQ(Grid().Cells(15, 1), u8"債券自營商(銀行)"_b5);
    EXPECT_EQ(Grid().Cells(16, 1), "--");
    EXPECT_EQ(Grid().Cells(17, 1), "0");
    EXPECT_EQ(Grid().Cells(2, 2), "");
    EXPECT_EQ(form->FEditRow, 1);

    // A second record with the same sequence number is refused.
    P().Tran01_OKBTN.Click();
    ASSERT_EQ(ErrorBoxes().size(), 1u);
    EXPECT_EQ(ErrorBoxes()[0], u8"「序號」不可重複\r\n"_b5);
    EXPECT_EQ(Grid().RowCount(), 3);
}

TEST_F(Tran01PanelTest, ASixDigitDateIsExportedWithSevenAndLoadsBackAsTyped) {
    TypeOutright();
    Type(P().Tran01_DealDateEdt, "991231");
    P().Tran01_OKBTN.Click();
    EXPECT_EQ(Grid().Cells(1, 1), "991231");
    const auto out = TempFile("date");
    dialogs.QueueFile(out);
    form->SaveBtn_Tran01.Click();
    std::ifstream in(out, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), {});
    std::filesystem::remove(out);
    EXPECT_EQ(bytes.substr(4, 7), "0991231");
    Grid().SetCells(1, 1, "0991231"); // as an import of that file would hold it
    P().Tran01_CleanBTN.Click();
    const TRect cell = Grid().CellRect(1, 1);
    DoubleClick(InputWidget(Grid()), cell.Left + 5, cell.Top + 5);
    EXPECT_EQ(P().Tran01_DealDateEdt.Text(), "991231");
    EXPECT_EQ(P().Tran01_TotalDealGCEdt.Text(), "1234567.89");
    EXPECT_EQ(P().Tran01_DealTypeCB.Text(), u8"買賣斷"_b5);
    EXPECT_EQ(P().Tran01_BuyPriceEdt.Text(), "0");
}

TEST_F(Tran01PanelTest, AfterCleanTheBalancesAreEmptyUntilTypedAgain) {
    TypeOutright();
    P().Tran01_CleanBTN.Click();
    EXPECT_EQ(P().Tran01_DealTypeCB.Text(), u8"買賣斷"_b5);
    EXPECT_EQ(P().Tran01_BuyPriceEdt.Text(), "");
    TypeWithoutCategory("1");
    P().Tran01_OKBTN.Click();
    ASSERT_EQ(ErrorBoxes().size(), 1u);
    EXPECT_EQ(ErrorBoxes()[0], u8"非遠期交易 買進餘額須 = 0\r\n非遠期交易 賣出餘額須 = 0\r\n"_b5);
    Type(P().Tran01_BuyPriceEdt, "0");
    Type(P().Tran01_SellPriceEdt, "0");
    P().Tran01_OKBTN.Click();
    EXPECT_EQ(ErrorBoxes().size(), 1u);
    EXPECT_EQ(Grid().RowCount(), 3);
}

TEST_F(Tran01PanelTest, ARecordAddedBeforeAnyCategoryIsExportedAsCode5) {
    TypeWithoutCategory("7");
    Type(P().Tran01_BuyPriceEdt, "0");
    Type(P().Tran01_SellPriceEdt, "0");
    P().Tran01_OKBTN.Click();
    ASSERT_TRUE(ErrorBoxes().empty()) << ErrorBoxes()[0];
    EXPECT_EQ(Grid().Cells(6, 1), "");
    EXPECT_EQ(form->FormatTran01Line(1)[29], '5');
    EXPECT_EQ(form->FormatTran01Line(1).substr(11, 6), "000007");
}

TEST_F(Tran01PanelTest, ModifyChangesTheEditRowAfterTheQuestion) {
    TypeOutright();
    P().Tran01_OKBTN.Click();
    TypeOutright("B0002");
    P().Tran01_OKBTN.Click();
    ASSERT_EQ(Grid().RowCount(), 4);
    Type(P().Tran01_BondIDEdt, "NEW");
    dialogs.QueueAnswer(mrNo);
    P().Tran01_ModifyBTN.Click();
    EXPECT_EQ(Grid().Cells(7, 1), "A91104");
    dialogs.QueueAnswer(mrYes);
    P().Tran01_ModifyBTN.Click();
    EXPECT_EQ(dialogs.Texts(ScriptedDialogs::Kind::Confirm).back(), u8"確定修改本筆資料？\r\n序號: A0001"_b5);
    EXPECT_EQ(Grid().Cells(7, 1), "NEW");
    EXPECT_EQ(Grid().Cells(2, 1), "B0002") << "changing writes the sequence number unchecked";
    EXPECT_EQ(Grid().Cells(7, 2), "A91104");
}

TEST_F(Tran01PanelTest, ModifyWithAStaleEditRowWritesNothing) {
    TypeOutright();
    P().Tran01_OKBTN.Click();
    form->FEditRow = 5;
    P().Tran01_ModifyBTN.Click();
    EXPECT_TRUE(dialogs.Texts(ScriptedDialogs::Kind::Confirm).empty());
    EXPECT_EQ(dialogs.Texts(ScriptedDialogs::Kind::Message),
              std::vector<std::string>{u8"請先在表格中雙擊要修改的資料，再按修改。"_b5});
    EXPECT_EQ(Grid().RowCount(), 3);
    form->FEditRow = 2; // the empty row after the records
    P().Tran01_ModifyBTN.Click();
    EXPECT_EQ(Grid().Cells(0, 2), "");
    EXPECT_EQ(Grid().RowCount(), 3);
}

TEST_F(Tran01PanelTest, Delete) {
    P().Tran01_DeleteBTN.Click(); // both codes empty
    EXPECT_TRUE(dialogs.ShownBoxes().empty());

    TypeOutright();
    P().Tran01_OKBTN.Click();
    TypeOutright("B0002");
    P().Tran01_OKBTN.Click();
    form->FEditRow = 1;
    dialogs.QueueAnswer(mrYes);
    P().Tran01_DeleteBTN.Click();
    EXPECT_EQ(dialogs.Texts(ScriptedDialogs::Kind::Confirm).back(), u8"確定刪除本筆資料？\r\n序號: B0002"_b5);
    EXPECT_EQ(Grid().RowCount(), 3);
    EXPECT_EQ(Grid().Cells(2, 1), "B0002");
    EXPECT_EQ(P().Tran01_BrokerIDEdt.Text(), "");
    P().Tran01_DeleteBTN.Click(); // the fields are empty now
    EXPECT_EQ(dialogs.Texts(ScriptedDialogs::Kind::Confirm).size(), 1u);

    // On a grid of 2 rows, row 1 is emptied whatever FEditRow holds.
    form->ClearGrid();
    Grid().SetCells(2, 1, "X");
    TypeOutright();
    form->FEditRow = 7;
    dialogs.QueueAnswer(mrYes);
    P().Tran01_DeleteBTN.Click();
    EXPECT_EQ(Grid().Cells(2, 1), "");
    EXPECT_EQ(Grid().RowCount(), 2);
}

TEST_F(Tran01PanelTest, ANegativeRatePassesTheCheckButIsRefusedAtWriting) {
    TypeOutright();
    Type(P().Tran01_HPEdt, "-150");
    P().Tran01_OKBTN.Click();
    EXPECT_TRUE(ErrorBoxes().empty());
    EXPECT_EQ(dialogs.Texts(ScriptedDialogs::Kind::Message),
              std::vector<std::string>{u8"資料異動失敗，成交殖利率/百元價輸入格式錯誤，請修正後再執行。"_b5});
    EXPECT_EQ(Grid().RowCount(), 2);
    EXPECT_EQ(Grid().Cells(0, 1), "");
}

TEST_F(Tran01PanelTest, AForwardTradesBalanceIsTidiedInTheField) {
    TypeOutright();
    Pick(P().Tran01_DealTypeCB, u8"遠期買賣斷"_b5);
    Type(P().Tran01_HPEdt, "1");
    Type(P().Tran01_LPEdt, "1");
    Type(P().Tran01_APEdt, "1");
    Type(P().Tran01_TotalDealCountEdt, "0");
    P().Tran01_TotalDealGCEdt.SetValue(0);
    P().Tran01_TotalDealCCEdt.SetValue(0);
    Type(P().Tran01_BuyPriceEdt, "00500");
    Type(P().Tran01_SellPriceEdt, "0");
    P().Tran01_OKBTN.Click();
    EXPECT_TRUE(ErrorBoxes().empty()) << (ErrorBoxes().empty() ? "" : ErrorBoxes()[0]);
    EXPECT_EQ(P().Tran01_BuyPriceEdt.Text(), "500");
    EXPECT_EQ(Grid().Cells(17, 1), "500");
}

TEST_F(Tran01PanelTest, ClosingWithUnexportedChangesAsks) {
    bool canClose = true;
    form->FormCloseQuery(canClose);
    EXPECT_TRUE(canClose) << "nothing typed: no question";
    EXPECT_TRUE(Questions().empty());

    TypeOutright();
    P().Tran01_OKBTN.Click();
    dialogs.QueueAnswer(mrCancel);
    form->FormCloseQuery(canClose);
    EXPECT_FALSE(canClose);
    ASSERT_EQ(Questions().size(), 1u);
    EXPECT_EQ(dialogs.ShownBoxes().back().caption, u8"提示"_b5);

    const auto out = TempFile("close");
    dialogs.QueueFile(out);
    form->SaveBtn_Tran01.Click();
    std::filesystem::remove(out);
    canClose = true;
    form->FormCloseQuery(canClose);
    EXPECT_TRUE(canClose) << "exported since: no question";
    EXPECT_EQ(Questions().size(), 1u);

    // Records given up at a page switch need no question either.
    TypeOutright("B0002");
    P().Tran01_OKBTN.Click();
    dialogs.QueueAnswer(mrOk);
    form->PageControl1.ClickTab(2);
    form->FormCloseQuery(canClose);
    EXPECT_TRUE(canClose);
    EXPECT_EQ(Questions().size(), 2u) << "only the page switch asked";
}

} // namespace

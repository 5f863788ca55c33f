#include "entry/Tran01Panel.h"

#include "entry/GridRows.h"
#include "media/FillOps.h"
#include "media/Messages.h"
#include "text/Literal.h"
#include "text/Numbers.h"
#include "toolkit/Application.h"
#include "toolkit/Dialogs.h"
#include "validation/Tran01Check.h"

namespace norvalt {

using namespace literals;

TTran01Panel::TTran01Panel(TPanel& area, TPanel& bar, TRoseColoredGrid& grid, IEntryHost& host)
    : grid_(grid), host_(host), Group1(&area), Group2(&area), Group3(&area), Group4(&area),
      Tran01_BrokerIDEdt(&Group1), Tran01_DealDateEdt(&Group1), Tran01_DealSeqEdt(&Group1),
      Tran01_CTCB(&Group1), Tran01_CustomerIDEdt(&Group1), Tran01_DealTypeCB(&Group1), Tran01_BSCB(&Group2),
      Tran01_BondIDEdt(&Group2), Tran01_DealDayCB(&Group2), RateFrame(&Group2), Tran01_HPEdt(&RateFrame),
      Tran01_LPEdt(&RateFrame), Tran01_APEdt(&RateFrame), TotalFrame(&Group3),
      Tran01_TotalDealGCEdt(&TotalFrame), Tran01_TotalDealCCEdt(&TotalFrame),
      Tran01_TotalDealCountEdt(&TotalFrame), Tran01_DealPartnerCB(&Group3), Tran01_PayDayCB(&Group3),
      BalanceFrame(&Group4), Tran01_BuyPriceEdt(&BalanceFrame), Tran01_SellPriceEdt(&BalanceFrame),
      Tran01_OKBTN(&bar), Tran01_ModifyBTN(&bar), Tran01_DeleteBTN(&bar), Tran01_CleanBTN(&bar) {
    Layout();

    Tran01_CTCB.SetItems(Tran01Businesses());
    Tran01_CTCB.SetItemIndex(0);
    Tran01_DealTypeCB.SetItems(Tran01DealTypes());
    Tran01_DealDayCB.SetItems(Tran01StartTerms());
    Tran01_PayDayCB.SetItems({""});

    Tran01_DealTypeCB.OnChange = [this] { Tran01_DealTypeCBChange(); };
    Tran01_OKBTN.OnClick = [this] { Tran01_OKBTNClick(); };
    Tran01_ModifyBTN.OnClick = [this] { Tran01_ModifyBTNClick(); };
    Tran01_DeleteBTN.OnClick = [this] { Tran01_DeleteBTNClick(); };
    Tran01_CleanBTN.OnClick = [this] { Tran01_CleanBTNClick(); };

    // Enter moves to the next field everywhere but in the dealer code, the
    // amount controls and the sell balance.
    const TKeyEvent enter = [this](TControl& sender, int& key, TShiftState shift) {
        host_.EnterKeyDown(sender, key, shift);
    };
    for (TEdit* edit :
         {&Tran01_DealDateEdt, &Tran01_DealSeqEdt, &Tran01_CustomerIDEdt, &Tran01_BondIDEdt, &Tran01_HPEdt,
          &Tran01_LPEdt, &Tran01_APEdt, &Tran01_TotalDealCountEdt, &Tran01_BuyPriceEdt}) {
        edit->OnKeyDown = enter;
    }
    for (TComboBox* list : {&Tran01_CTCB, &Tran01_DealTypeCB, &Tran01_BSCB, &Tran01_DealDayCB,
                            &Tran01_DealPartnerCB, &Tran01_PayDayCB}) {
        list->OnKeyDown = enter;
    }
}

void TTran01Panel::Layout() {
    TFieldFactory& f = factory_;
    auto place = [&](TControl& c, const TRect& r) {
        c.SetBounds(r.Left, r.Top, r.Width(), r.Height());
        c.Font().Assign(f.EditFont());
    };
    auto edit = [&](TEdit& e, const TRect& r, int maxLength) {
        place(e, r);
        e.SetMaxLength(maxLength);
    };
    Group1.SetBounds(9, 7, 258, 290);
    Group2.SetBounds(273, 7, 260, 290);
    Group3.SetBounds(538, 7, 310, 290);
    Group4.SetBounds(853, 6, 248, 290);
    for (TPanel* g : {&Group1, &Group2, &Group3, &Group4}) {
        g->SetColor(RGB(244, 247, 225));
        g->SetBevel(TBevel::Raised);
    }

    for (TGroupBox* frame : {&RateFrame, &TotalFrame, &BalanceFrame}) {
        frame->Font().Assign(f.CaptionFont());
    }

    // Group 1: dealer, date, sequence, business, customer, category.
    f.Caption(Group1, 8, 15, u8"交易商代號"_b5);
    edit(Tran01_BrokerIDEdt, {104, 12, 204, 36}, 4);
    f.Hint(Group1, 210, 16, "X(4)");
    f.Caption(Group1, 8, 61, u8"成交日期"_b5);
    edit(Tran01_DealDateEdt, {104, 58, 204, 82}, 7);
    f.Hint(Group1, 104, 84, u8"民國年 9(7)"_b5);
    f.Caption(Group1, 8, 107, u8"成交序號"_b5);
    edit(Tran01_DealSeqEdt, {104, 104, 204, 128}, 5);
    f.Hint(Group1, 210, 108, "X(5)");
    f.Caption(Group1, 8, 153, u8"業務別"_b5);
    place(Tran01_CTCB, {104, 150, 204, 174});
    f.Caption(Group1, 8, 199, u8"客戶身份碼"_b5);
    edit(Tran01_CustomerIDEdt, {104, 196, 214, 220}, 10);
    f.Hint(Group1, 104, 222, "X(10)");
    f.Caption(Group1, 8, 245, u8"成交類別"_b5);
    place(Tran01_DealTypeCB, {104, 242, 248, 266});

    // Group 2: side, bond, term, rates.
    f.Caption(Group2, 8, 15, u8"買賣別"_b5);
    place(Tran01_BSCB, {96, 12, 246, 36});
    f.Caption(Group2, 8, 61, u8"債券代號"_b5);
    edit(Tran01_BondIDEdt, {96, 58, 196, 82}, 7);
    f.Hint(Group2, 202, 62, "X(7)");
    f.Caption(Group2, 8, 107, u8"約定天數"_b5);
    place(Tran01_DealDayCB, {96, 104, 246, 128});
    RateFrame.SetCaption(u8"成交殖利率/百元價"_b5);
    RateFrame.SetBounds(6, 140, 248, 142);
    RateFrame.SetColor(RGB(244, 247, 225));
    f.Hint(RateFrame, 10, 24, u8"(約定利率)"_b5);
    f.Hint(RateFrame, 130, 24, "9(3)V9(4)");
    f.Caption(RateFrame, 10, 49, u8"最高"_b5);
    edit(Tran01_HPEdt, {96, 46, 206, 70}, 8);
    f.Caption(RateFrame, 10, 81, u8"最低"_b5);
    edit(Tran01_LPEdt, {96, 78, 206, 102}, 8);
    f.Caption(RateFrame, 10, 113, u8"加權平均"_b5);
    edit(Tran01_APEdt, {96, 110, 206, 134}, 8);

    // Group 3: totals, counterparty, settlement.
    TotalFrame.SetCaption(u8"總成交"_b5);
    TotalFrame.SetBounds(6, 6, 298, 140);
    TotalFrame.SetColor(RGB(244, 247, 225));
    f.Caption(TotalFrame, 10, 33, u8"金額"_b5);
    place(Tran01_TotalDealGCEdt, {64, 30, 264, 54});
    f.Unit(TotalFrame, 270, 33, u8"元"_b5);
    f.Caption(TotalFrame, 10, 67, u8"面額"_b5);
    place(Tran01_TotalDealCCEdt, {64, 64, 264, 88});
    f.Unit(TotalFrame, 270, 67, u8"元"_b5);
    f.Caption(TotalFrame, 10, 101, u8"筆數"_b5);
    edit(Tran01_TotalDealCountEdt, {64, 98, 164, 122}, 6);
    f.Caption(Group3, 8, 163, u8"交易對象"_b5);
    place(Tran01_DealPartnerCB, {96, 160, 296, 184});
    f.Caption(Group3, 8, 209, u8"交割期限"_b5);
    place(Tran01_PayDayCB, {96, 206, 296, 230});

    // Group 4: forward balances.
    BalanceFrame.SetCaption(u8"遠期交易餘額"_b5);
    BalanceFrame.SetBounds(6, 6, 236, 150);
    BalanceFrame.SetColor(RGB(244, 247, 225));
    f.Hint(BalanceFrame, 60, 26, "9(13)");
    f.Caption(BalanceFrame, 10, 53, u8"買進"_b5);
    edit(Tran01_BuyPriceEdt, {56, 50, 200, 74}, 13);
    f.Unit(BalanceFrame, 206, 53, u8"元"_b5);
    f.Caption(BalanceFrame, 10, 93, u8"賣出"_b5);
    edit(Tran01_SellPriceEdt, {56, 90, 200, 114}, 13);
    f.Unit(BalanceFrame, 206, 93, u8"元"_b5);

    // The bottom bar.
    const std::pair<TButton*, TRect> buttons[] = {
        {&Tran01_OKBTN, {10, 6, 137, 39}},
        {&Tran01_ModifyBTN, {145, 6, 238, 39}},
        {&Tran01_DeleteBTN, {246, 6, 339, 39}},
        {&Tran01_CleanBTN, {347, 6, 422, 39}},
    };
    const std::string* captions[] = {&u8"新增"_b5, &u8"修改"_b5, &u8"刪除"_b5, &u8"清空"_b5};
    for (std::size_t i = 0; i < std::size(buttons); ++i) {
        TButton& b = *buttons[i].first;
        b.SetBounds(buttons[i].second.Left, buttons[i].second.Top, buttons[i].second.Width(),
                    buttons[i].second.Height());
        b.Font().Assign(f.ButtonFont());
        b.SetCaption(*captions[i]);
    }
    f.Caption(*Tran01_OKBTN.Parent(), 440, 15, u8"*滑鼠雙擊要修改/刪除的資料後，按下修改/刪除按鈕。"_b5);
}

// ---- the category and the fields ------------------------------------------------

void TTran01Panel::Tran01_DealTypeCBChange() {
    const TTran01CategoryDefaults d = Tran01CategoryDefaults(Tran01_DealTypeCB.Text());
    const std::pair<TComboBox*, const std::vector<std::string>*> lists[] = {
        {&Tran01_BSCB, &d.sides},
        {&Tran01_DealDayCB, &d.terms},
        {&Tran01_DealPartnerCB, &d.counterparties},
        {&Tran01_PayDayCB, &d.settlements},
    };
    for (const auto& [list, items] : lists) {
        list->SetItems(*items);
        list->SetItemIndex(0);
    }
    for (TEdit* rate : {&Tran01_HPEdt, &Tran01_LPEdt, &Tran01_APEdt}) {
        rate->SetText(d.rateText);
    }
    Tran01_BuyPriceEdt.SetText(d.balanceText);
    Tran01_SellPriceEdt.SetText(d.balanceText);
}

void TTran01Panel::ClearTran01Fields() {
    for (TEdit* e : {&Tran01_BrokerIDEdt, &Tran01_DealDateEdt, &Tran01_DealSeqEdt, &Tran01_CustomerIDEdt,
                     &Tran01_BondIDEdt, &Tran01_HPEdt, &Tran01_LPEdt, &Tran01_APEdt,
                     &Tran01_TotalDealCountEdt, &Tran01_BuyPriceEdt, &Tran01_SellPriceEdt}) {
        e->SetText({});
    }
    Tran01_CTCB.SetText(u8"自營"_b5);
    Tran01_DealTypeCB.SetText(u8"買賣斷"_b5);
    Tran01_TotalDealGCEdt.SetValue(0);
    Tran01_TotalDealCCEdt.SetValue(0);
}

TEdit& TTran01Panel::EditOf(TTran01Field field) {
    switch (field) {
    case TTran01Field::BrokerId:
        return Tran01_BrokerIDEdt;
    case TTran01Field::DealDate:
        return Tran01_DealDateEdt;
    case TTran01Field::DealSeq:
        return Tran01_DealSeqEdt;
    case TTran01Field::CustomerId:
        return Tran01_CustomerIDEdt;
    case TTran01Field::BondId:
        return Tran01_BondIDEdt;
    case TTran01Field::HighRate:
        return Tran01_HPEdt;
    case TTran01Field::LowRate:
        return Tran01_LPEdt;
    case TTran01Field::AverageRate:
        return Tran01_APEdt;
    case TTran01Field::DealCount:
        return Tran01_TotalDealCountEdt;
    case TTran01Field::BuyBalance:
        return Tran01_BuyPriceEdt;
    case TTran01Field::SellBalance:
        return Tran01_SellPriceEdt;
    case TTran01Field::Amount:
    case TTran01Field::FaceValue:
        break;
    }
    return Tran01_BrokerIDEdt;
}

TComboBox& TTran01Panel::ListOf(TTran01List list) {
    switch (list) {
    case TTran01List::Business:
        return Tran01_CTCB;
    case TTran01List::DealType:
        return Tran01_DealTypeCB;
    case TTran01List::Side:
        return Tran01_BSCB;
    case TTran01List::Term:
        return Tran01_DealDayCB;
    case TTran01List::Counterparty:
        return Tran01_DealPartnerCB;
    case TTran01List::Settlement:
        return Tran01_PayDayCB;
    }
    return Tran01_CTCB;
}

void TTran01Panel::SetText(TTran01Field field, const std::string& text) {
    EditOf(field).SetText(text);
}

void TTran01Panel::SetAmountText(TTran01Field field, const std::string& text) {
    (field == TTran01Field::Amount ? Tran01_TotalDealGCEdt : Tran01_TotalDealCCEdt).SetText(text);
}

bool TTran01Panel::SelectItem(TTran01List list, const std::string& text) {
    TComboBox& box = ListOf(list);
    const auto& items = box.Items();
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i] == text) {
            box.SetItemIndex(static_cast<int>(i));
            return true;
        }
    }
    return false;
}

void TTran01Panel::ShowTran01Row(int row) {
    std::string_view cells[19];
    for (int c = 0; c < 19; ++c) {
        cells[c] = grid_.CellView(c, row);
    }
    // The cells are copied first: loading may not change the grid, but the
    // views must not outlive a change of it either.
    std::vector<std::string> copies(std::begin(cells), std::end(cells));
    std::vector<std::string_view> views(copies.begin(), copies.end());
    LoadTran01Row(views, *this);
}

// ---- writing and the buttons -----------------------------------------------------

bool TTran01Panel::WriteTran01Row(int row) {
    for (TEdit* rate : {&Tran01_HPEdt, &Tran01_LPEdt, &Tran01_APEdt}) {
        if (!RateInRange(rate->Text())) {
            Application().Dialogs().ShowMessage(messages::RateFormat());
            return false;
        }
    }
    const std::string cells[19] = {
        Tran01_BrokerIDEdt.Text(),
        Tran01_DealDateEdt.Text(),
        Tran01_DealSeqEdt.Text(),
        Tran01_CTCB.Text(),
        Tran01_CustomerIDEdt.Text(),
        Tran01_BSCB.Text(),
        Tran01_DealTypeCB.Text(),
        Tran01_BondIDEdt.Text(),
        DashForBlank(Tran01_DealDayCB.Text()),
        Tran01_HPEdt.Text(),
        Tran01_LPEdt.Text(),
        Tran01_APEdt.Text(),
        FloatToStr(Tran01_TotalDealGCEdt.Value()),
        FloatToStr(Tran01_TotalDealCCEdt.Value()),
        Tran01_TotalDealCountEdt.Text(),
        DashForBlank(Tran01_DealPartnerCB.Text()),
        DashForBlank(Tran01_PayDayCB.Text()),
        Tran01_BuyPriceEdt.Text(),
        Tran01_SellPriceEdt.Text(),
    };
    for (int c = 0; c < 19; ++c) {
        grid_.SetCells(c, row, cells[c]);
    }
    return true;
}

bool TTran01Panel::CheckTran01Fields(TCheckMode mode) {
    TTran01CheckInput in;
    in.brokerId = Tran01_BrokerIDEdt.Text();
    in.dealDate = Tran01_DealDateEdt.Text();
    in.dealSeq = Tran01_DealSeqEdt.Text();
    in.bondId = Tran01_BondIDEdt.Text();
    in.highRate = Tran01_HPEdt.Text();
    in.lowRate = Tran01_LPEdt.Text();
    in.averageRate = Tran01_APEdt.Text();
    in.amount = Tran01_TotalDealGCEdt.Text();
    in.faceValue = Tran01_TotalDealCCEdt.Text();
    in.dealCount = Tran01_TotalDealCountEdt.Text();
    in.buyBalance = Tran01_BuyPriceEdt.Text();
    in.sellBalance = Tran01_SellPriceEdt.Text();
    in.dealType = Tran01_DealTypeCB.ItemIndex();
    in.mode = mode;
    const TTran01CheckResult result = CheckTran01Record(in, TGridRows(grid_));
    if (result.buyBalance != in.buyBalance) {
        Tran01_BuyPriceEdt.SetText(result.buyBalance);
    }
    if (result.sellBalance != in.sellBalance) {
        Tran01_SellPriceEdt.SetText(result.sellBalance);
    }
    if (!result.ok) {
        Application().Dialogs().MessageBox(result.message, u8"錯誤"_b5, TMsgButtons::Ok);
    }
    return result.ok;
}

void TTran01Panel::Tran01_OKBTNClick() {
    if (!CheckTran01Fields(TCheckMode::Adding)) {
        return;
    }
    if (!WriteTran01Row(grid_.RowCount() - 1)) {
        return;
    }
    grid_.SetRowCount(grid_.RowCount() + 1);
    host_.RecordsChanged();
}

bool TTran01Panel::IsRecordRow(int row) const {
    return row >= 1 && row < grid_.RowCount() && !grid_.CellView(2, row).empty();
}

void TTran01Panel::Tran01_ModifyBTNClick() {
    const int row = host_.EditRow();
    if (!IsRecordRow(row)) {
        Application().Dialogs().ShowMessage(u8"請先在表格中雙擊要修改的資料，再按修改。"_b5);
        return;
    }
    if (Application().Dialogs().Confirm(u8"確定修改本筆資料？\r\n序號: "_b5 + grid_.Cells(2, row)) != mrYes) {
        return;
    }
    if (CheckTran01Fields(TCheckMode::Changing) && WriteTran01Row(row)) {
        host_.RecordsChanged();
    }
}

void TTran01Panel::Tran01_DeleteBTNClick() {
    if (Tran01_BrokerIDEdt.Text().empty() && Tran01_BondIDEdt.Text().empty()) {
        return;
    }
    if (Application().Dialogs().Confirm(u8"確定刪除本筆資料？\r\n序號: "_b5 + Tran01_DealSeqEdt.Text()) !=
        mrYes) {
        return;
    }
    if (grid_.RowCount() == 2) {
        host_.ClearFirstRow();
    } else {
        grid_.DeleteRow(host_.EditRow());
    }
    ClearTran01Fields();
    host_.RecordsChanged();
}

void TTran01Panel::Tran01_CleanBTNClick() {
    ClearTran01Fields();
}

} // namespace norvalt

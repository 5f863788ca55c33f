#pragma once

#include <string>

#include "entry/EntryHost.h"
#include "entry/FieldFactory.h"
#include "grid/RoseColoredGrid.h"
#include "toolkit/Button.h"
#include "toolkit/ComboBox.h"
#include "toolkit/CurrencyEdit.h"
#include "toolkit/Edit.h"
#include "toolkit/GroupBox.h"
#include "toolkit/Panel.h"
#include "validation/CommonChecks.h"
#include "validation/Tran01Fields.h"

namespace norvalt {

// The Tran01 entry panel: four field groups in the page's entry area and the
// record buttons in its bottom bar. Controls and handlers bear the names of
// the window definition.
class TTran01Panel final : public ITran01Fields {
public:
    TTran01Panel(TPanel& entryArea, TPanel& bottomBar, TRoseColoredGrid& grid, IEntryHost& host);

    // ---- operations ----
    void Tran01_DealTypeCBChange();
    void ClearTran01Fields();
    void ShowTran01Row(int row);
    bool WriteTran01Row(int row);
    bool CheckTran01Fields(TCheckMode mode);
    void Tran01_OKBTNClick();
    void Tran01_ModifyBTNClick();
    void Tran01_DeleteBTNClick();
    void Tran01_CleanBTNClick();

    // ---- ITran01Fields, through which a grid row is loaded ----
    void Clear() override { ClearTran01Fields(); }
    void SetText(TTran01Field field, const std::string& text) override;
    void SetAmountText(TTran01Field field, const std::string& text) override;
    bool SelectItem(TTran01List list, const std::string& text) override;
    void DealTypeChanged() override { Tran01_DealTypeCBChange(); }

private:
    TFieldFactory factory_;
    TRoseColoredGrid& grid_;
    IEntryHost& host_;

public:
    // ---- controls, in tab order ----
    TPanel Group1;
    TPanel Group2;
    TPanel Group3;
    TPanel Group4;
    TEdit Tran01_BrokerIDEdt;
    TEdit Tran01_DealDateEdt;
    TEdit Tran01_DealSeqEdt;
    TComboBox Tran01_CTCB;
    TEdit Tran01_CustomerIDEdt;
    TComboBox Tran01_DealTypeCB;
    TComboBox Tran01_BSCB;
    TEdit Tran01_BondIDEdt;
    TComboBox Tran01_DealDayCB;
    TGroupBox RateFrame;
    TEdit Tran01_HPEdt;
    TEdit Tran01_LPEdt;
    TEdit Tran01_APEdt;
    TGroupBox TotalFrame;
    TCurrencyEdit Tran01_TotalDealGCEdt;
    TCurrencyEdit Tran01_TotalDealCCEdt;
    TEdit Tran01_TotalDealCountEdt;
    TComboBox Tran01_DealPartnerCB;
    TComboBox Tran01_PayDayCB;
    TGroupBox BalanceFrame;
    TEdit Tran01_BuyPriceEdt;
    TEdit Tran01_SellPriceEdt;
    TButton Tran01_OKBTN;
    TButton Tran01_ModifyBTN;
    TButton Tran01_DeleteBTN;
    TButton Tran01_CleanBTN;

private:
    void Layout();
    TEdit& EditOf(TTran01Field field);
    TComboBox& ListOf(TTran01List list);
    // Whether the row holds a record that 修改 may change.
    bool IsRecordRow(int row) const;
};

} // namespace norvalt

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

#include "UiDriver.h"
#include "text/Exception.h"
#include "text/Literal.h"
#include "toolkit/Application.h"
#include "toolkit/Button.h"
#include "toolkit/ComboBox.h"
#include "toolkit/Edit.h"
#include "toolkit/Form.h"
#include "toolkit/PageControl.h"
#include "toolkit/Panel.h"
#include "toolkit/ScriptedDialogs.h"
#include "toolkit/Splitter.h"

using namespace norvalt;
using namespace norvalt::literals;
using namespace norvalt::test;

namespace {

class ToolkitTest : public testing::Test {
protected:
    void SetUp() override {
        Application().SetDialogs(&dialogs);
        form.SetClientSize(400, 300);
        ShowActive(form);
    }
    void TearDown() override { Application().SetDialogs(nullptr); }

    ScriptedDialogs dialogs;
    TForm form;
};

TEST_F(ToolkitTest, EditCountsItsLimitInCp950BytesAndRefusesUnmappableCharacters) {
    TEdit edit(&form);
    edit.SetMaxLength(4);
    edit.SetFocus();
    TypeText(edit, "交易商"); // two characters of two bytes fit, the third does not
    EXPECT_EQ(edit.Text(), u8"交易"_b5);

    TEdit free(&form);
    TypeText(free, "A\xF0\x9F\x98\x80"
                   "B"); // the emoji is refused, the rest typed
    EXPECT_EQ(free.Text(), "AB");
}

TEST_F(ToolkitTest, EditKeepsProgramTextByteForByte) {
    TEdit edit(&form);
    const std::string undecodable = "A\xFF"
                                    "B";
    edit.SetText(undecodable);
    EXPECT_EQ(edit.Text(), undecodable);
    EXPECT_EQ(static_cast<QLineEdit*>(edit.Widget())->text(), QString::fromUtf8("A\xEF\xBF\xBD"
                                                                                "B"));
    edit.SetText(u8"債券"_b5);
    EXPECT_EQ(edit.Text(), u8"債券"_b5);
}

TEST_F(ToolkitTest, ExceptionInHandlerBecomesOneErrorBoxAndTheNextEventStillRuns) {
    TButton failing(&form);
    TButton working(&form);
    int runs = 0;
    failing.OnClick = [] { throw EConvertError::NotAFloat("abc"); };
    working.OnClick = [&] { ++runs; };
    failing.Click();
    working.Click();
    EXPECT_EQ(dialogs.Texts(ScriptedDialogs::Kind::Error),
              std::vector<std::string>{"'abc' is not a valid floating point value"});
    EXPECT_EQ(runs, 1);
}

TEST_F(ToolkitTest, PostedCallsRunAfterTheCurrentEventInOrder) {
    std::string order;
    TButton button(&form);
    button.OnClick = [&] {
        Application().Post([&] { order += "b"; });
        Application().Post([&] { order += "c"; });
        order += "a";
    };
    button.Click();
    EXPECT_EQ(order, "a");
    Settle();
    EXPECT_EQ(order, "abc");
}

TEST_F(ToolkitTest, ListChangeEventFiresOnlyForTheUsersPick) {
    TComboBox list(&form);
    list.SetItems({"A", u8"買"_b5, u8"賣"_b5});
    int changes = 0;
    list.OnChange = [&] { ++changes; };
    list.SetItemIndex(1);
    list.SetText(u8"賣"_b5);
    EXPECT_EQ(list.ItemIndex(), 2);
    EXPECT_EQ(changes, 0);
    list.SetText("not an item");
    EXPECT_EQ(list.ItemIndex(), -1);
    EXPECT_EQ(list.Text(), "");

    list.SetFocus();
    PressKey(list.Widget(), Qt::Key_Down);
    EXPECT_EQ(list.ItemIndex(), 0);
    EXPECT_EQ(changes, 1);
}

TEST_F(ToolkitTest, TabChangeEventFiresOnlyForTheUsersTabChange) {
    TPageControl pages(&form);
    pages.SetBounds(0, 0, 400, 200);
    TTabSheet first(&pages), second(&pages);
    first.SetCaption("One");
    second.SetCaption("Two");
    int changes = 0;
    pages.OnChange = [&] { ++changes; };
    pages.SetActivePageIndex(1);
    EXPECT_EQ(changes, 0);
    EXPECT_TRUE(second.Widget()->isVisible());
    EXPECT_FALSE(first.Widget()->isVisible());

    const TRect tab = pages.TabRect(0);
    Click(pages.Widget(), tab.Left + 4, tab.Top + 4);
    EXPECT_EQ(pages.ActivePageIndex(), 0);
    EXPECT_EQ(changes, 1);
}

TEST_F(ToolkitTest, AlignedControlsFillTheirParentAndTheSplitterMovesTheBorder) {
    TPanel top(&form), bottom(&form);
    top.SetHeight(100);
    top.SetAlign(alTop);
    TSplitter splitter(&form);
    splitter.SetHeight(3);
    splitter.SetAlign(alTop);
    bottom.SetAlign(alClient);
    EXPECT_EQ(top.BoundsRect(), (TRect{0, 0, 400, 100}));
    EXPECT_EQ(splitter.Top(), 100);
    EXPECT_EQ(bottom.BoundsRect(), (TRect{0, 103, 400, 300}));
    splitter.MoveBy(50);
    EXPECT_EQ(top.Height(), 150);
    EXPECT_EQ(bottom.Top(), 153);
    splitter.MoveBy(1000); // the area below keeps its minimum
    EXPECT_EQ(bottom.Height(), splitter.MinSize);
}

TEST_F(ToolkitTest, EnterCanMoveTheFocusToTheNextControlInTabOrder) {
    TEdit a(&form), b(&form), c(&form);
    a.SetBounds(0, 0, 50, 20);
    b.SetBounds(0, 30, 50, 20);
    c.SetBounds(0, 60, 50, 20);
    a.OnKeyDown = [&](TControl& sender, int& key, TShiftState) {
        if (key == VK_RETURN) {
            Application().Post([&] { form.SelectNext(&sender); });
        }
    };
    a.SetFocus();
    Settle();
    PressKey(a.Widget(), Qt::Key_Return);
    EXPECT_TRUE(a.Focused()); // the move is posted, not done in the key event
    Settle();
    EXPECT_TRUE(b.Focused());
}

} // namespace

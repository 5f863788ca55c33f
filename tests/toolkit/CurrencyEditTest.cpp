#include <gtest/gtest.h>

#include "UiDriver.h"
#include "text/Exception.h"
#include "toolkit/CurrencyEdit.h"
#include "toolkit/Edit.h"
#include "toolkit/Form.h"

using namespace norvalt;
using namespace norvalt::test;

namespace {

class CurrencyEditTest : public testing::Test {
protected:
    void SetUp() override {
        form.SetClientSize(300, 100);
        amount.SetBounds(10, 10, 200, 24);
        other.SetBounds(10, 50, 200, 24);
        ShowActive(form);
    }
    void Focus(TControl& c) {
        c.SetFocus();
        Settle();
    }
    TForm form;
    TCurrencyEdit amount{&form};
    TEdit other{&form};
};

TEST_F(CurrencyEditTest, TypedKeysKeepANumberWithTwoDecimals) {
    struct Case {
        const char* typed;
        const char* text;
    };
    const Case cases[] = {
        {"1234.5", "1234.5"},
        {"12,34", "12.34"},
        {"1.234", "1.23"},
        {"-5", "5"},
        {"12a3", "123"},
        {"1.2.3", "1.23"},
        {"", ""},
        {"0012", "0012"},
        {"1234567890123456789", "123456789012345"},
    };
    for (const auto& c : cases) {
        amount.SetValue(0);
        Focus(amount);
        TypeText(amount, c.typed);
        EXPECT_EQ(amount.Text(), c.text) << c.typed;
        Focus(other);
    }
}

TEST_F(CurrencyEditTest, ShowsTheDisplayFormatWithoutTheFocusAndThePlainTextWithIt) {
    Focus(other);
    amount.SetText("1234567.5");
    EXPECT_EQ(amount.DisplayedText(), "1,234,567.50");
    EXPECT_EQ(amount.Text(), "1234567.5");
    Focus(amount);
    EXPECT_EQ(amount.DisplayedText(), "1234567.5");
    Focus(other);
    amount.SetValue(0);
    EXPECT_EQ(amount.DisplayedText(), "0.00");
    EXPECT_EQ(amount.Text(), "");
    Focus(amount);
    EXPECT_EQ(amount.DisplayedText(), "");
}

TEST_F(CurrencyEditTest, LeavingClampsAndEscRestores) {
    Focus(other);
    Focus(amount);
    TypeText(amount, "999999999999999");
    Focus(other);
    EXPECT_EQ(amount.Text(), "999999999999.99");
    EXPECT_EQ(amount.DisplayedText(), "999,999,999,999.99");

    amount.SetText("12.5");
    Focus(amount);
    TypeText(amount, "77");
    PressKey(amount.Widget(), Qt::Key_Escape);
    EXPECT_EQ(amount.Text(), "12.5");
    Focus(other);
    EXPECT_EQ(amount.Text(), "12.5");
}

TEST_F(CurrencyEditTest, TextSetterAndValue) {
    const std::pair<const char*, const char*> cases[] = {
        {" 1,234.50 ", "1234.5"},
        {"", ""},
        {"-", ""},
        {"-12", ""},
        {"12,5", "12.5"},
        {"1000000000000", "999999999999.99"},
        {"0.005", "0.01"},
        {"3", "3"},
    };
    for (const auto& [set, text] : cases) {
        amount.SetText(set);
        EXPECT_EQ(amount.Text(), text) << set;
    }
    EXPECT_THROW(amount.SetText("abc"), EConvertError);
    amount.SetText("1234567.89");
    EXPECT_DOUBLE_EQ(static_cast<double>(amount.Value()), 1234567.89);
    amount.SetReadOnly(true);
    EXPECT_TRUE(amount.ReadOnly());
}

} // namespace

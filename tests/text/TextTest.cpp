#include <gtest/gtest.h>

#include <limits>

#include "text/Cp950.h"
#include "text/Exception.h"
#include "text/Literal.h"
#include "text/Numbers.h"

using namespace norvalt;
using namespace norvalt::literals;

TEST(Cp950, ChineseTextRoundTripsAndCountsTwoBytesPerCharacter) {
    const std::string big5 = u8"交易商代號"_b5;
    EXPECT_EQ(big5.size(), 10u);
    EXPECT_EQ(big5, "\xA5\xE6\xA9\xF6\xB0\xD3\xA5\x4E\xB8\xB9");
    EXPECT_EQ(Cp950ToUtf8(big5), "交易商代號");
    EXPECT_EQ(Utf8ToCp950("A1 交易"), "A1 \xA5\xE6\xA9\xF6");
}

TEST(Cp950, LiteralIsConvertedOnceAndKept) {
    const std::string& first = u8"債券"_b5;
    const std::string& second = u8"債券"_b5;
    EXPECT_EQ(&first, &second);
}

TEST(Cp950, UnmappableCharacterIsRefusedAndBadBytesAreMarked) {
    EXPECT_FALSE(TryUtf8ToCp950("emoji \xF0\x9F\x98\x80").has_value());
    EXPECT_FALSE(TryUtf8ToCp950("\xFF").has_value()); // not UTF-8 at all

    std::size_t bad = 99;
    EXPECT_FALSE(IsValidCp950("AB\xFF"
                              "C",
                              &bad));
    EXPECT_EQ(bad, 2u);
    EXPECT_TRUE(IsValidCp950("\xA5\xE6"));
    EXPECT_EQ(Cp950ToUtf8("A\xFF"
                          "B"),
              "A\xEF\xBF\xBD"
              "B");
}

struct NumberCase {
    const char* text;
    bool isNumber;
    long double value;
};

TEST(Numbers, ReadNumberAcceptsOnlyThePlainDecimalForm) {
    const NumberCase cases[] = {
        {"12", true, 12},    {" 12 ", true, 12},    {"-0.5", true, -0.5L},
        {"+3", true, 3},     {"1.5e3", true, 1500}, {"9.9E+10", true, 9.9e10L},
        {".5", true, 0.5L},  {"5.", true, 5},       {"0012345", true, 12345},
        {"", false, 0},      {"   ", false, 0},     {"1,000", false, 0},
        {"nan", false, 0},   {"inf", false, 0},     {"0x10", false, 0},
        {"1.2.3", false, 0}, {"1e", false, 0},      {"12a", false, 0},
        {"-", false, 0},     {"1 2", false, 0},     {"1e99999", false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const auto value = ReadNumber(c.text);
        ASSERT_EQ(value.has_value(), c.isNumber);
        if (c.isNumber) {
            EXPECT_DOUBLE_EQ(static_cast<double>(*value), static_cast<double>(c.value));
        }
    }
}

TEST(Numbers, StrToFloatRaisesTheConversionMessage) {
    try {
        StrToFloat("12a");
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'12a' is not a valid floating point value");
    }
}

TEST(Numbers, WholeNumbersIn32And64Bits) {
    EXPECT_EQ(ReadInt32("  -42"), -42);
    EXPECT_EQ(ReadInt32("+7"), 7);
    EXPECT_EQ(ReadInt32("00012"), 12);
    EXPECT_EQ(ReadInt32("2147483647"), 2147483647);
    EXPECT_EQ(ReadInt32("-2147483648"), INT32_MIN);
    EXPECT_FALSE(ReadInt32("2147483648"));
    EXPECT_EQ(ReadInt64("2147483648"), 2147483648LL);
    EXPECT_EQ(ReadInt64("-9223372036854775808"), INT64_MIN);
    EXPECT_FALSE(ReadInt64("9223372036854775808"));
    for (const char* bad : {"", " ", "12 ", "1.0", "A12", "#1234", "-", "1e3"}) {
        EXPECT_FALSE(ReadInt32(bad)) << bad;
    }
    EXPECT_EQ(StrToIntDef("x", -1), -1);
    EXPECT_THROW(StrToInt("x"), EConvertError);
}

TEST(Numbers, ShortestNumberText) {
    const std::pair<long double, const char*> cases[] = {
        {1234.5L, "1234.5"},
        {0.0001L, "0.0001"},
        {12, "12"},
        {-0.5L, "-0.5"},
        {0, "0"},
        {1.2345, "1.2345"},
        {1234567.89, "1234567.89"},
        {0.1 + 0.2, "0.3"},
        {123456789012.34L, "123456789012.34"},
        {999999999999999.0L, "999999999999999"},
        {1e15L, "1E15"},
        {1.5e-7L, "1.5E-7"},
        {0.00001L, "0.00001"},
        {-1.5e20L, "-1.5E20"},
        {static_cast<double>(12345) / 10000, "1.2345"},
        {99000000000.0L, "99000000000"},
    };
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(FloatToStr(value), text);
    }
    EXPECT_EQ(FloatToStr(std::numeric_limits<long double>::infinity()), "INF");
}

TEST(Numbers, FormatPatterns) {
    struct Case {
        const char* pattern;
        long double value;
        const char* text;
    };
    const Case cases[] = {
        {"#0", 1100923, "1100923"},
        {"#0", 0, "0"},
        {"#0", 2.5L, "3"},
        {"#0", -2.5L, "-3"},
        {"#0", 0.4L, "0"},
        {"#0.00", 3.5L, "3.50"},
        {"#0.00", 0.005L, "0.01"},
        {"#0.0000", 1.23456L, "1.2346"},
        {",0.00", 1234567.891L, "1,234,567.89"},
        {",0.00", 0, "0.00"},
        {",0.00", 999, "999.00"},
        {",0.00", 999999999999.99L, "999,999,999,999.99"},
        {",0.00;,0.00", -1234.5L, "1,234.50"},
        {"#0.00", -0.001L, "0.00"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatFloat(c.pattern, c.value), c.text)
            << c.pattern << " " << static_cast<double>(c.value);
    }
}

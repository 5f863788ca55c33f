#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "TestFiles.h"
#include "text/Cp950.h"
#include "tools/Csv.h"
#include "tools/MediaTool.h"

using namespace norvalt;

namespace {

std::string Line(const std::string& seq = "0A0001", const std::string& date = "1100923",
                 const std::string& high = "0012345", const std::string& customer = "A123456789") {
    return test::Tran01Line({"9800", date, seq, customer, high});
}

class MediaToolTest : public testing::Test {
protected:
    std::string Path(const std::string& name) { return folder.Path(name).string(); }
    std::string Write(const std::string& name, const std::string& bytes) {
        return folder.Write(name, bytes).string();
    }
    static std::string Read(const std::string& p) { return test::TempFolder::Read(p); }
    int Run(std::vector<std::string> args) {
        std::ostringstream o, e;
        const int rc = RunMediaTool(args, o, e);
        out = o.str();
        err = e.str();
        return rc;
    }
    test::TempFolder folder;
    const std::filesystem::path& dir = folder.Dir();
    std::string out, err;
};

TEST_F(MediaToolTest, ShowWritesTheGridsTextsAsTabSeparatedUtf8) {
    EXPECT_EQ(Run({"show", std::string(NORVALT_SOURCE_DIR) + "/examples/tran01"}), 0) << err;
    std::istringstream lines(out);
    std::string first, second, third, fourth;
    std::getline(lines, first);
    std::getline(lines, second);
    std::getline(lines, third);
    std::getline(lines, fourth);
    EXPECT_EQ(first.rfind("交易商代號\t成交日期\t成交序號\t", 0), 0u);
    EXPECT_EQ(second, "9800\t1100923\tA0001\t自營\tA123456789\t買\t買賣斷\tA91104 \t--\t1.2345\t1.1\t1.15\t"
                      "1234567.89\t1000000\t12\t債券自營商(銀行)\t--\t0\t0");
    EXPECT_NE(fourth.find("\t王小明    \t"), std::string::npos);
    EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 13);
    EXPECT_TRUE(err.empty());
}

TEST_F(MediaToolTest, ShowEscapesControlCharactersAndReportsSkippedLines) {
    std::string withTab = Line("0A0001", "1100923", "0012345", "A\t\\345678 ");
    const std::string file = Write("tran01", withTab + "\r\nshort\r\n");
    EXPECT_EQ(Run({"show", file}), 1);
    EXPECT_NE(out.find("\tA\\t\\\\345678 \t"), std::string::npos) << out;
    EXPECT_EQ(err, file + ":2: 載入資料有誤！略過 short\n");
}

TEST_F(MediaToolTest, MediaToCsvAndBackGivesTheSameBytes) {
    const std::string customer = Utf8ToCp950("王,\"x\"    "); // 10 bytes with a comma and quotes
    const std::string media =
        Line("0A0001") + "\r\n" + Line("000002", "1100924", "0000000", customer) + "\r\n";
    const std::string file = Write("tran01", media);
    ASSERT_EQ(Run({"convert", file, Path("trades.csv")}), 0) << err;
    const std::string csv = Read(Path("trades.csv"));
    EXPECT_EQ(csv.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_NE(csv.find(",\"王,\"\"x\"\"    \","), std::string::npos) << "quoted as RFC 4180 asks";
    EXPECT_NE(csv.find("\r\n"), std::string::npos);
    std::filesystem::create_directory(dir / "out");
    ASSERT_EQ(Run({"convert", Path("trades.csv"), Path("out/TRAN01")}), 0) << err;
    EXPECT_EQ(Read(Path("out/TRAN01")), media);

    // Without the byte-order mark and with LF line ends it reads the same.
    std::string plain = csv.substr(3);
    for (std::size_t at; (at = plain.find("\r\n")) != std::string::npos;) {
        plain.replace(at, 2, "\n");
    }
    Write("plain.csv", plain);
    ASSERT_EQ(Run({"convert", Path("plain.csv"), Path("out/tran01")}), 0) << err;
    EXPECT_EQ(Read(Path("out/tran01")), media);
}

TEST_F(MediaToolTest, BadCsvIsRefusedWithRowAndColumnAndNothingIsWritten) {
    ASSERT_EQ(Run({"convert", Write("tran01", Line() + "\r\n"), Path("good.csv")}), 0);
    const std::string good = Read(Path("good.csv"));
    const std::size_t headerEnd = good.find("\r\n") + 2;
    const std::string header = good.substr(0, headerEnd);
    std::string row = good.substr(headerEnd);
    auto replaceField = [](std::string record, std::size_t column, const std::string& value) {
        std::size_t start = 0;
        for (std::size_t c = 1; c < column; ++c) {
            start = record.find(',', start) + 1;
        }
        const std::size_t end = record.find_first_of(",\r", start);
        return record.replace(start, end - start, value);
    };
    struct Case {
        const char* name;
        std::string csv;
        std::string where;
    };
    const Case cases[] = {
        {"wrong header",
         "\xEF\xBB\xBF"
         "a,b\r\n" +
             row,
         ":1:1:"},
        {"a missing field", header + row.substr(0, row.rfind(',')) + "\r\n", ":2:19:"},
        {"a bad number", header + replaceField(row, 10, "abc"), ":2:10:"},
        {"a character outside code page 950", header + replaceField(row, 5, "A\xF0\x9F\x98\x80"), ":2:5:"},
        {"an unclosed quote", header + "\"abc\r\n", ":2:1:"},
    };
    for (const auto& c : cases) {
        const std::string in = Write("in.csv", c.csv);
        EXPECT_EQ(Run({"convert", in, Path("tran01.out")}), 2) << c.name;
        EXPECT_EQ(Run({"--type", "tran01", "convert", in, Path("result")}), 2) << c.name;
        EXPECT_EQ(err.rfind(in + c.where, 0), 0u) << c.name << ": " << err;
        EXPECT_FALSE(std::filesystem::exists(Path("result"))) << c.name;
    }
}

TEST_F(MediaToolTest, BytesThatAreNotCp950AreRefusedOnTheWayToCsv) {
    const std::string file = Write("tran01", Line("0A0001", "1100923", "0012345",
                                                  "AB\xFF"
                                                  "4567890") +
                                                 "\r\n");
    EXPECT_EQ(Run({"convert", file, Path("x.csv")}), 2);
    EXPECT_EQ(err.rfind(file + ":1:5:", 0), 0u) << err;
    EXPECT_FALSE(std::filesystem::exists(Path("x.csv")));
}

TEST_F(MediaToolTest, CheckReportsEveryMessageWithItsLine) {
    const std::string file =
        Write("tran01", Line("0A0001") + "\r\n" + Line("000002", "1100230") + "\r\n" + Line("0A0001") +
                            "\r\n" + Line("000004", "1100923", "1.23456") + "\r\n" + Line("000005") + "\r\n");
    EXPECT_EQ(Run({"check", file}), 1);
    // The rate field "1.23456" reads as 0.000123456: more than four decimals.
    EXPECT_EQ(err, file + ":2: 成交日期錯誤\n" + file + ":3: 「序號」不可重複\n" + file +
                       ":4: 最高利率小數位最多四位\n");
    EXPECT_EQ(Run({"check", Write("tran01", Line() + "\r\n")}), 0) << err;
}

TEST_F(MediaToolTest, ExitStatuses) {
    EXPECT_EQ(Run({}), 2);
    EXPECT_EQ(Run({"show"}), 2);
    EXPECT_EQ(Run({"frobnicate", "x"}), 2);
    EXPECT_EQ(Run({"--help"}), 0);
    EXPECT_NE(out.find("norvalt-media show examples/tran01"), std::string::npos);
    EXPECT_EQ(Run({"show", Path("tran01")}), 2) << "unreadable";
    EXPECT_EQ(Run({"show", Write("trades.dat", Line() + "\r\n")}), 2) << "unknown type";
    EXPECT_EQ(Run({"--type", "TRAN01", "show", Path("trades.dat")}), 0) << err;
    EXPECT_EQ(Run({"show", Write("tran06", "")}), 2);
    EXPECT_NE(err.find("not supported yet"), std::string::npos);
    EXPECT_EQ(Run({"--type", "tran11", "show", Path("trades.dat")}), 2);
    EXPECT_EQ(Run({"--type", "x", "show", Path("trades.dat")}), 2);
    std::string bad = Line();
    bad.replace(59, 14, std::string(14, ' '));
    EXPECT_EQ(Run({"show", Write("tran01", Line() + "\r\n" + bad + "\r\n")}), 2);
    EXPECT_EQ(err, Path("tran01") + ":2: '              ' is not a valid floating point value\n");
    EXPECT_EQ(Run({"convert", Path("a.csv"), Path("b.csv")}), 2);
}

TEST(Csv, QuotesOnlyWhatNeedsIt) {
    EXPECT_EQ(CsvRecord({"a", "b,c", "d\"e", "f\ng", ""}), "a,\"b,c\",\"d\"\"e\",\"f\ng\",\r\n");
    TCsvError error;
    const auto rows = ParseCsv("a,\"b,c\",\"d\"\"e\"\r\n\"f\ng\",\r\n", error);
    ASSERT_TRUE(rows);
    EXPECT_EQ(*rows, (std::vector<std::vector<std::string>>{{"a", "b,c", "d\"e"}, {"f\ng", ""}}));
    EXPECT_FALSE(ParseCsv("a\"b\r\n", error));
    EXPECT_EQ(error.row, 1u);
    EXPECT_EQ(error.column, 1u);
}

} // namespace

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <fstream>
#include <sys/resource.h>
#include <sys/stat.h>

#include "TestFiles.h"
#include "media/CodeTable.h"
#include "media/FillOps.h"
#include "media/MediaFile.h"
#include "media/RecordLoader.h"
#include "media/RecordType.h"
#include "media/Tran01Layout.h"
#include "text/Exception.h"
#include "text/Literal.h"
#include "text/Numbers.h"

#include <cmath>

using namespace norvalt;
using namespace norvalt::literals;

namespace {

TEST(FillOps, RightAndLeftAlignedFilling) {
    struct Case {
        const char* text;
        std::size_t width;
        char fill;
        const char* right;
        const char* left;
    };
    const Case cases[] = {
        {"-15000", 7, '0', "-015000", "-150000"},
        {"12", 7, '0', "0000012", "1200000"},
        {"AB", 4, ' ', "  AB", "AB  "},
        {"123456789", 7, '0', "1234567", "3456789"},
        {"ABCDEFGHIJK", 10, ' ', "ABCDEFGHIJ", "BCDEFGHIJK"},
        {"", 3, '0', "000", "000"},
        {"-", 3, '0', "-00", "-00"},
        {"12345", 4, ' ', "1234", "2345"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RightAlignFill(c.text, c.width, c.fill), c.right) << c.text;
        EXPECT_EQ(LeftAlignFill(c.text, c.width, c.fill), c.left) << c.text;
    }
}

TEST(FillOps, NormaliseRateKeepsTheLastDecimals) {
    const std::pair<const char*, const char*> cases[] = {
        {"12.5", "12.5000"}, {"7", "7.0000"}, {"1.23456", "1.3456"},    {"1.23450", "1.3450"},
        {"-0.5", "-0.5000"}, {"", ".0000"},   {"999.9999", "999.9999"}, {"1.2.3", "1.2.30"},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(NormaliseRate(text, 3, 4), expected) << text;
    }
    EXPECT_EQ(NormaliseRate("1.5", -1, 4), "");
    EXPECT_EQ(NormaliseRate("1.5", 3, -1), "");
}

TEST(FillOps, PointsRatesNumbersAndBlanks) {
    EXPECT_EQ(RemoveFirstPoint("12.5"), "125");
    EXPECT_EQ(RemoveFirstPoint("1.2.3"), "12.3");
    EXPECT_EQ(RemoveFirstPoint("12"), "12");
    for (const char* in : {"-99.9999", "999.9999", "0", "12.5"}) {
        EXPECT_TRUE(RateInRange(in)) << in;
    }
    for (const char* out : {"-100", "1000", "-99.99991", "9.9E+10"}) {
        EXPECT_FALSE(RateInRange(out)) << out;
    }
    EXPECT_THROW(RateInRange("abc"), EConvertError);
    EXPECT_EQ(FormatNumberText("0991231", "#0"), "991231");
    EXPECT_EQ(FormatNumberText("abc", "#0"), "0");
    EXPECT_EQ(FormatNumberText("", "#0"), "0");
    EXPECT_EQ(FormatNumberText("3.5", "#0.0000"), "3.5000");
    EXPECT_EQ(DashForBlank(u8"空白"_b5), "--");
    EXPECT_EQ(DashForBlank("--"), "--");
    EXPECT_EQ(DashForBlank(u8"隔夜"_b5), u8"隔夜"_b5);
}

TEST(FillOps, DecimalReadAndWrite) {
    EXPECT_EQ(DecimalRead("0012345", 4), "1.2345");
    EXPECT_EQ(DecimalRead("0000000", 4), "0");
    EXPECT_EQ(DecimalRead("000012", 0), "12");
    EXPECT_EQ(DecimalRead("99999999999999", 2), "999999999999.99");
    EXPECT_THROW(DecimalRead("       ", 4), EConvertError);
    EXPECT_THROW(DecimalRead(" 1e999 ", 4), EConvertError) << "too large for double precision";
    EXPECT_EQ(DecimalWrite("1.2345", 4, 7), "0012345");
    EXPECT_EQ(DecimalWrite("0", 4, 7), "0000000");
    EXPECT_EQ(DecimalWrite("-1.5", 4, 7), "-015000");
    EXPECT_EQ(DecimalWrite("999999999999.99", 2, 14), "99999999999999");
    EXPECT_EQ(DecimalWrite("1.15", 4, 7), "0011500");
    EXPECT_EQ(DecimalWrite("1234567.89", 2, 14), "00000123456789");
}

// The quick paths of decimal read and write give what the general conversion
// gives, on fields and cells of every shape the files and panels produce.
TEST(FillOps, DecimalReadAndWriteAgreeWithTheGeneralConversion) {
    auto generalRead = [](std::string_view f, int m) {
        return FloatToStr(static_cast<double>(StrToFloat(f)) / std::pow(10.0, m));
    };
    auto generalWrite = [](std::string_view c, int m, std::size_t w) -> std::string {
        try {
            return RightAlignFill(FloatToStr(StrToFloat(c) * std::pow(10.0L, m)), w, '0');
        } catch (const EConvertError&) {
            return "conversion error";
        }
    };
    auto quickWrite = [](std::string_view c, int m, std::size_t w) -> std::string {
        try {
            return DecimalWrite(c, m, w);
        } catch (const EConvertError&) {
            return "conversion error";
        }
    };
    std::uint64_t x = 12345;
    auto next = [&] {
        x = x * 6364136223846793005ull + 1442695040888963407ull;
        return x >> 11;
    };
    for (int i = 0; i < 20000; ++i) {
        const int m = static_cast<int>(next() % 5);
        const std::size_t width = 1 + next() % 14;
        std::string field = std::to_string(next() % 100000000000000ull);
        field = std::string(width > field.size() ? width - field.size() : 0, '0') + field;
        ASSERT_EQ(DecimalRead(field, m), generalRead(field, m)) << field << " " << m;
        const std::string cell = DecimalRead(field, m);
        for (const std::string& c : {cell, "-" + cell, cell + ".", "0" + cell}) {
            for (const std::size_t w : {std::size_t{14}, width}) {
                ASSERT_EQ(quickWrite(c, m, w), generalWrite(c, m, w)) << c << " " << m << " " << w;
            }
        }
    }
    for (const char* c : {"0", "-0", ".5", "5.", "00.10", "12.345", "1e3", " 12", "999999999999.99"}) {
        EXPECT_EQ(DecimalWrite(c, 2, 14), generalWrite(c, 2, 14)) << c;
    }
    for (const char* bad : {"", ".", "-", "1,5", "abc"}) {
        EXPECT_THROW(DecimalWrite(bad, 2, 14), EConvertError) << bad;
    }
}

// The word-at-a-time test agrees with a byte-by-byte one for every byte at
// every position of every length.
TEST(FillOps, DigitFieldsAreRecognisedByteForByte) {
    for (std::size_t n = 1; n <= 16; ++n) {
        for (std::size_t at = 0; at < n; ++at) {
            for (int b = 0; b < 256; ++b) {
                std::string field(n, '7');
                field[at] = static_cast<char>(b);
                ASSERT_EQ(IsDigitsField(field, 0), n <= 15 && b >= '0' && b <= '9')
                    << n << " " << at << " " << b;
            }
        }
    }
    EXPECT_FALSE(IsDigitsField("", 0));
    EXPECT_FALSE(IsDigitsField("12", 3)) << "fewer digits than decimals";
    EXPECT_TRUE(IsDigitsField("123", 3));
}

TEST(RecordType, FileNamesDecideTheType) {
    const std::pair<const char*, std::optional<TRecordType>> cases[] = {
        {"/data/tran01", TRecordType::Tran01},
        {"Tran01", TRecordType::Tran01},
        {"TRAN01", TRecordType::Tran01},
        {"x/TrAn06E", TRecordType::Tran06E},
        {"tran06", TRecordType::Tran06},
        {"tran11", TRecordType::Tran11},
        {"tran01.txt", std::nullopt},
        {"tran1", std::nullopt},
        {"tran01/", std::nullopt},
        {"/tran01/other", std::nullopt},
        {"xtran01", std::nullopt},
    };
    for (const auto& [name, type] : cases) {
        EXPECT_EQ(RecordTypeFromFileName(name), type) << name;
    }
    EXPECT_EQ(PageOf(TRecordType::Tran06E), 1);
    EXPECT_EQ(LineLength(TRecordType::Tran11), 54u);
}

TEST(MediaFile, SplitsAtCrLfLfAndCr) {
    EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (std::vector<std::string_view>{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines("a\r\n"), (std::vector<std::string_view>{"a"}));
    EXPECT_EQ(SplitLines("a\r\n\r\nb"), (std::vector<std::string_view>{"a", "", "b"}));
    EXPECT_EQ(SplitLines("\n\r"), (std::vector<std::string_view>{"", ""}));
    EXPECT_TRUE(SplitLines("").empty());
}

TEST(MediaFile, LinesSplitInPiecesAreTheLinesOfTheWhole) {
    const std::string text = "a\r\nbb\ncc\r\r\n\nd\r\ne\r";
    for (std::size_t piece = 1; piece <= text.size(); ++piece) {
        std::vector<std::string> lines;
        TLineSplitter splitter;
        for (std::size_t at = 0; at < text.size(); at += piece) {
            splitter.Feed(std::string_view(text).substr(at, piece),
                          [&](std::string_view l) { lines.emplace_back(l); });
        }
        splitter.Finish([&](std::string_view l) { lines.emplace_back(l); });
        const auto whole = SplitLines(text);
        EXPECT_EQ(lines, std::vector<std::string>(whole.begin(), whole.end())) << "pieces of " << piece;
    }
}

// The worked line of the layout: every field with its position.
std::string WorkedLine() {
    return test::Tran01Line();
}

TEST(Tran01Layout, TheWorkedLineGivesItsCellsAndTheCellsGiveItBack) {
    const std::string line = WorkedLine();
    ASSERT_EQ(line.size(), kTran01LineLength);
    TTran01Cells cells;
    ASSERT_TRUE(ParseTran01(line, cells));
    const TTran01Cells expected = {"1234",
                                   "1100923",
                                   "A0001",
                                   u8"自營"_b5,
                                   "A123456789",
                                   u8"買"_b5,
                                   u8"買賣斷"_b5,
                                   "A91104 ",
                                   "--",
                                   "1.2345",
                                   "1.1",
                                   "1.15",
                                   "1234567.89",
                                   "1000000",
                                   "12",
                                   u8"債券自營商(銀行)"_b5,
                                   "--",
                                   "0",
                                   "0"};
    EXPECT_EQ(cells, expected);
    std::vector<std::string_view> views(cells.begin(), cells.end());
    EXPECT_EQ(FormatTran01(views), line);
}

TEST(Tran01Layout, CodesOutsideTheTablesReadAsDefaultsAndWriteBackAsDefaultCodes) {
    struct Case {
        std::size_t position; // 1-based
        char code;
        std::size_t column;
        std::string label;
        char written;
    };
    const Case cases[] = {
        {30, '5', 6, u8"RS融券-承作"_b5, '5'},
        {30, '6', 6, u8"RS融券-承作"_b5, '5'},
        {30, ' ', 6, u8"RS融券-承作"_b5, '5'},
        {18, '2', 3, u8"經紀"_b5, '2'},
        {18, 'X', 3, u8"經紀"_b5, '2'},
        {29, '9', 5, u8"賣"_b5, '2'},
        {38, '9', 8, "--", ' '},
        {38, ' ', 8, "--", ' '},
        {38, '8', 8, u8"180 以上"_b5, '8'},
        {94, 'A', 15, u8"陸資"_b5, 'A'},
        {94, 'a', 15, "--", ' '},
        {95, '4', 16, u8"三個月以上"_b5, '4'},
    };
    for (const auto& c : cases) {
        std::string line = WorkedLine();
        line[c.position - 1] = c.code;
        TTran01Cells cells;
        ASSERT_TRUE(ParseTran01(line, cells));
        EXPECT_EQ(cells[c.column], c.label) << c.position << " " << c.code;
        std::vector<std::string_view> views(cells.begin(), cells.end());
        EXPECT_EQ(FormatTran01(views)[c.position - 1], c.written) << c.position << " " << c.code;
    }
}

// Writing compares the whole text: every label gives its code, and a label
// with any one byte changed, a byte more or a byte less gives the default.
TEST(CodeTable, OnlyTheWholeLabelWritesItsCode) {
    for (const TCodeTable* table : {&BusinessTable(), &SideTable(), &DealTypeTable(), &TermTable(),
                                    &CounterpartyTable(), &SettlementTable()}) {
        const std::vector<std::string> labels = table->Labels();
        const char fallback = table->Write("no such label");
        for (const std::string& label : labels) {
            const char code = table->Write(label);
            EXPECT_EQ(table->Read(code), label);
            auto expect = [&](const std::string& text) {
                const bool other = std::find(labels.begin(), labels.end(), text) != labels.end();
                if (!other) {
                    EXPECT_EQ(table->Write(text), fallback) << text;
                }
            };
            for (std::size_t at = 0; at < label.size(); ++at) {
                std::string changed = label;
                changed[at] = static_cast<char>(changed[at] ^ 0x01);
                expect(changed);
            }
            expect(label + " ");
            expect(label.substr(0, label.size() - 1));
            expect(label.substr(1));
        }
    }
}

TEST(Tran01Layout, RatesNumbersAndTheWritersFills) {
    std::string line = WorkedLine();
    line.replace(38, 7, "9.9E+10"); // in range only as a field, not as a number
    TTran01Cells cells;
    EXPECT_FALSE(ParseTran01(line, cells));

    line = WorkedLine();
    line.replace(59, 14, std::string(14, ' '));
    EXPECT_THROW(ParseTran01(line, cells), EConvertError);

    std::vector<std::string_view> row(19, "");
    row[2] = "12";
    row[9] = "-1.5";
    row[10] = row[11] = "0";
    row[12] = "999999999999.99";
    row[13] = "0";
    row[14] = "12";
    row[17] = "0";
    row[18] = "120";
    const std::string written = FormatTran01(row);
    EXPECT_EQ(written.size(), 121u);
    EXPECT_EQ(written.substr(0, 4), "    ");
    EXPECT_EQ(written.substr(4, 7), "0000000");
    EXPECT_EQ(written.substr(11, 6), "000012");
    EXPECT_EQ(written.substr(38, 7), "-015000");
    EXPECT_EQ(written.substr(59, 14), "99999999999999");
    EXPECT_EQ(written.substr(87, 6), "000012");
    EXPECT_EQ(written.substr(95, 13), std::string(13, '0'));
    EXPECT_EQ(written.substr(108, 13), "0000000000120");
    row[9] = " ";
    EXPECT_THROW(FormatTran01(row), EConvertError);
}

// The export's check raises what making the line raises: the same column and
// message, the first bad number column first, and nothing for a good row.
TEST(Tran01Layout, TheCheckRaisesWhatMakingTheLineRaises) {
    TTran01Cells parsed;
    ASSERT_TRUE(ParseTran01(WorkedLine(), parsed));
    auto outcome = [](const std::function<void()>& f) -> std::string {
        try {
            f();
        } catch (const ECellConvertError& e) {
            return std::to_string(e.Column()) + " " + e.Message();
        }
        return "fine";
    };
    const std::vector<std::vector<std::pair<std::size_t, std::string>>> changes = {
        {},
        {{9, "x"}},
        {{13, ""}},
        {{12, "1,5"}, {10, "-"}},
        {{14, "abc"}, {17, "1.2.3"}},
        {{11, " "}, {13, "."}}};
    for (const auto& change : changes) {
        std::vector<std::string> texts(parsed.begin(), parsed.end());
        for (const auto& [column, text] : change) {
            texts[column] = text;
        }
        const std::vector<std::string_view> cells(texts.begin(), texts.end());
        std::string line = "kept";
        const std::string made = outcome([&] { AppendTran01(cells, line); });
        EXPECT_EQ(outcome([&] { CheckTran01(cells); }), made);
        EXPECT_EQ(line == "kept", made != "fine") << "a failed line leaves out as it was";
    }
    EXPECT_EQ(outcome([&] { CheckTran01(std::vector<std::string_view>(3, "")); }),
              outcome([&] { FormatTran01(std::vector<std::string_view>(3, "")); }))
        << "missing cells count as empty";
}

struct Recorder : TRecordSink {
    std::vector<std::string> events;
    void WrongLength(std::size_t n, std::string_view) override {
        events.push_back("length " + std::to_string(n));
    }
    void Refused(std::size_t n, const std::string&) override {
        events.push_back("refused " + std::to_string(n));
    }
    void Record(std::size_t n, std::span<const std::string_view> c) override {
        events.push_back("record " + std::to_string(n) + " " + std::string(c[0]));
    }
};

TEST(RecordLoader, SkipsRefusesAndStopsAtAConversionError) {
    std::string rateLine = WorkedLine();
    rateLine.replace(45, 7, "9.9E+10");
    std::string badAmount = WorkedLine();
    badAmount.replace(73, 14, std::string(14, 'x'));
    const std::string bytes = WorkedLine() + "\r\n" + WorkedLine().substr(1) + "\n" + rateLine + "\r" +
                              WorkedLine() + "\r\n\r\n" + badAmount + "\r\n" + WorkedLine() + "\r\n";
    Recorder sink;
    const TLoadSummary summary = LoadRecords(TRecordType::Tran01, bytes, sink);
    EXPECT_EQ(sink.events, (std::vector<std::string>{"record 1 1234", "length 2", "refused 3",
                                                     "record 4 1234", "length 5"}));
    EXPECT_EQ(summary.taken, 2u);
    EXPECT_EQ(summary.skipped, 2u);
    EXPECT_EQ(summary.refused, 1u);
    ASSERT_TRUE(summary.failure);
    EXPECT_EQ(summary.failure->lineNumber, 6u);
    EXPECT_EQ(summary.failure->message, "'xxxxxxxxxxxxxx' is not a valid floating point value");
}

// Lines of any bytes import without a crash: every line is taken, skipped,
// refused or ends the import with a conversion error, and every record taken
// is written back as 121 bytes (or refused with a conversion error).
TEST(RecordLoader, AnyBytesImportWithoutACrash) {
    const std::string alphabet = std::string("0123456789    .-+eE,xA") + "\xA5\xE6\xFF\x80\t\0";
    std::uint64_t x = 99;
    auto next = [&] {
        x = x * 6364136223846793005ull + 1442695040888963407ull;
        return x >> 33;
    };
    struct Keep : TRecordSink {
        void WrongLength(std::size_t, std::string_view) override {}
        void Refused(std::size_t, const std::string&) override {}
        void Record(std::size_t, std::span<const std::string_view> c) override {
            rows.emplace_back(c.begin(), c.end());
        }
        std::vector<std::vector<std::string>> rows;
    };
    for (int round = 0; round < 300; ++round) {
        std::string bytes;
        for (int l = 0; l < 20; ++l) {
            const std::size_t length = next() % 4 == 0 ? next() % 130 : 121;
            for (std::size_t i = 0; i < length; ++i) {
                bytes += next() % 3 == 0 ? alphabet[next() % alphabet.size()]
                                         : static_cast<char>('0' + next() % 10);
            }
            bytes += next() % 2 ? "\r\n" : "\n";
        }
        Keep sink;
        const TLoadSummary summary = LoadRecords(TRecordType::Tran01, bytes, sink);
        EXPECT_EQ(summary.taken, sink.rows.size());
        for (const auto& row : sink.rows) {
            std::vector<std::string_view> views(row.begin(), row.end());
            try {
                EXPECT_EQ(FormatTran01(views).size(), 121u);
            } catch (const EConvertError&) {
            }
        }
    }
}

class TempDir : public testing::Test {
protected:
    static std::string Read(const std::filesystem::path& p) { return test::TempFolder::Read(p); }
    test::TempFolder folder;
    const std::filesystem::path& dir = folder.Dir();
};

TEST_F(TempDir, AtomicWriteReplacesTheFileWholeOrNotAtAll) {
    const auto target = dir / "tran01";
    EXPECT_FALSE(WriteLinesAtomically(target, {"a", "b"}));
    EXPECT_EQ(Read(target), "a\r\nb\r\n");
    EXPECT_FALSE(WriteLinesAtomically(target, {}));
    EXPECT_EQ(Read(target), "");

    EXPECT_FALSE(WriteLinesAtomically(target, {"old"}));
    ::chmod(dir.c_str(), 0500); // no new file can be made beside the target
    const auto failure = WriteLinesAtomically(target, {"new"});
    ::chmod(dir.c_str(), 0700);
    if (::geteuid() != 0) { // root writes anywhere
        ASSERT_TRUE(failure);
        EXPECT_EQ(failure->error, TFileError::NoPermission);
        EXPECT_EQ(Read(target), "old\r\n");
    }
    const auto intoFolder = WriteLinesAtomically(dir, {"x"});
    ASSERT_TRUE(intoFolder);
    EXPECT_EQ(intoFolder->error, TFileError::IsFolder);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 1) << "no temporary file is left";
}

TEST_F(TempDir, AWriteThatFailsPartWayLeavesTheOldFile) {
    const auto target = dir / "tran01";
    EXPECT_FALSE(WriteLinesAtomically(target, {"old"}));
    // A file-size limit makes the write fail part-way, as a full disk would.
    struct rlimit saved {};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    const auto previous = ::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 4096;
    ::setrlimit(RLIMIT_FSIZE, &small);
    const auto failure = WriteBytesAtomically(target, std::string(1 << 20, 'x'));
    ::setrlimit(RLIMIT_FSIZE, &saved);
    ::signal(SIGXFSZ, previous);
    EXPECT_TRUE(failure);
    EXPECT_EQ(Read(target), "old\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 1) << "no temporary file is left";
}

TEST_F(TempDir, AnErrorWhileMakingTheBytesLeavesNothingBehind) {
    const auto target = dir / "tran01";
    EXPECT_FALSE(WriteLinesAtomically(target, {"old"}));
    int calls = 0;
    EXPECT_THROW(WriteAtomically(target,
                                 [&](std::string& buffer) {
                                     if (++calls == 3) {
                                         throw EConvertError::NotAFloat("x");
                                     }
                                     buffer.append(1 << 20, 'x');
                                     return true;
                                 }),
                 EConvertError);
    EXPECT_EQ(Read(target), "old\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 1);
}

TEST_F(TempDir, DevicesAreNotReplacedAndLinksAreFollowed) {
    EXPECT_TRUE(WriteBytesAtomically("/dev/null", "x"));
    EXPECT_FALSE(std::filesystem::is_regular_file("/dev/null"));
    const auto real = dir / "real";
    EXPECT_FALSE(WriteLinesAtomically(real, {"old"}));
    std::filesystem::create_symlink(real, dir / "tran01");
    EXPECT_FALSE(WriteLinesAtomically(dir / "tran01", {"new"}));
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "tran01"));
    EXPECT_EQ(Read(real), "new\r\n");
}

TEST_F(TempDir, ReadingReportsMissingFilesAndFolders) {
    EXPECT_EQ(ReadWholeFile(dir / "none").failure->error, TFileError::NotFound);
    EXPECT_EQ(ReadWholeFile(dir).failure->error, TFileError::IsFolder);
    std::ofstream(dir / "f", std::ios::binary) << "x\r\ny";
    EXPECT_EQ(ReadWholeFile(dir / "f").bytes, "x\r\ny");
}

} // namespace

#include "Form1Fixture.h"
#include "TestFiles.h"

#include <csignal>
#include <fstream>
#include <sys/resource.h>

#include "media/MediaFile.h"
#include "text/Literal.h"

using namespace norvalt;
using namespace norvalt::literals;
using namespace norvalt::test;

namespace {

std::string WorkedLine(const std::string& dealer = "1234") {
    return Tran01Line({.dealer = dealer});
}

class ImportExportTest : public Form1Test {
protected:
    std::filesystem::path Write(const std::string& name, const std::string& bytes) {
        return folder.Write(name, bytes);
    }
    static std::string Read(const std::filesystem::path& p) { return TempFolder::Read(p); }
    void Import(const std::filesystem::path& path, TButton& button) {
        dialogs.QueueFile(path);
        button.Click();
    }
    void Import(const std::filesystem::path& path) { Import(path, form->LoadBtn_Tran01); }
    // Exports through the page's button into `path`; returns the boxes shown.
    void Export(const std::filesystem::path& path) {
        dialogs.QueueFile(path);
        form->SaveBtn_Tran01.Click();
    }
    std::vector<std::string> Errors() const { return dialogs.Texts(ScriptedDialogs::Kind::Error); }
    std::vector<std::string> Messages() const { return dialogs.Texts(ScriptedDialogs::Kind::Message); }

    TempFolder folder;
    const std::filesystem::path& dir = folder.Dir();
};

TEST_F(ImportExportTest, TheWorkedLineImportsIntoRowOneAndExportsByteForByte) {
    Import(Write("tran01", WorkedLine() + "\r\n"));
    EXPECT_EQ(Grid().RowCount(), 3);
    EXPECT_EQ(Grid().Cells(2, 1), "A0001");
    EXPECT_EQ(Grid().Cells(6, 1), u8"買賣斷"_b5);
    EXPECT_EQ(Grid().Cells(12, 1), "1234567.89");
    EXPECT_EQ(Grid().Cells(0, 2), "");
    EXPECT_EQ(Grid().ColWidths(0), 70) << "the page's own name keeps the column set";
    const auto out = dir / "out";
    Export(out);
    EXPECT_EQ(Read(out), WorkedLine() + "\r\n");
    const auto& save = dialogs.ShownBoxes().back();
    EXPECT_EQ(save.kind, ScriptedDialogs::Kind::Save);
    EXPECT_EQ(save.text, "tran01");
    EXPECT_TRUE(Errors().empty());
}

TEST_F(ImportExportTest, ALineOfTheWrongLengthIsReportedAndSkipped) {
    const std::string line120 = WorkedLine().substr(0, 120);
    Import(Write("tran01", WorkedLine("1111") + "\r\n" + line120 + "\r\n" + WorkedLine("3333") + "\r\n"));
    EXPECT_EQ(Messages(), std::vector<std::string>{u8"載入資料有誤！略過\r\n"_b5 + line120});
    EXPECT_EQ(Grid().Cells(0, 1), "1111");
    EXPECT_EQ(Grid().Cells(0, 2), "3333");
    EXPECT_EQ(Grid().RowCount(), 4);
}

TEST_F(ImportExportTest, ARateOutOfRangeIsRefusedAndTheNextLineTakesItsRow) {
    std::string rate = WorkedLine("2222");
    rate.replace(38, 7, "9.9E+10");
    Import(Write("tran01", rate + "\n" + WorkedLine("3333") + "\n"));
    EXPECT_EQ(Messages(),
              std::vector<std::string>{u8"資料異動失敗，成交殖利率/百元價輸入格式錯誤，請修正後再執行。"_b5});
    EXPECT_EQ(Grid().Cells(0, 1), "3333");
    EXPECT_EQ(Grid().RowCount(), 3);
}

TEST_F(ImportExportTest, FileNamesAreCheckedWithThePagesOwnMessage) {
    for (const char* name : {"tran01", "Tran01", "TRAN01"}) {
        dialogs.ClearShown();
        Import(Write(name, WorkedLine() + "\r\n"));
        EXPECT_TRUE(Messages().empty()) << name;
        EXPECT_EQ(Grid().Cells(0, 1), "1234") << name;
        dialogs.QueueAnswer(mrOk); // the next import asks before replacing
    }
    const std::string page0 = u8"載入資料檔明有誤！請確認是否為Tran01/Tran06/Tran06e/Tran11\r\n"_b5;
    const std::string page1 = u8"載入資料檔名有誤！請確認是否為Tran01/Tran06/Tran06e/Tran11\r\n"_b5;
    for (const char* name : {"tran01.txt", "tran1"}) {
        dialogs.ClearShown();
        Import(Write(name, WorkedLine() + "\r\n"));
        EXPECT_EQ(Messages(), std::vector<std::string>{page0}) << name;
        EXPECT_EQ(Grid().RowCount(), 2);
        EXPECT_EQ(Grid().Cells(0, 1), "");
        EXPECT_EQ(form->PageControl1.ActivePageIndex(), 0);
    }
    form->PageControl1.ClickTab(1);
    dialogs.ClearShown();
    Import(Write("tran6", ""), form->LoadBtn_Tran06);
    EXPECT_EQ(Messages(), std::vector<std::string>{page1});
}

TEST_F(ImportExportTest, AnotherTypesFileSwitchesThePageFirst) {
    Import(Write("tran11", std::string(54, '0') + "\r\n"));
    EXPECT_EQ(form->PageControl1.ActivePageIndex(), 2);
    EXPECT_EQ(Grid().ColCount(), 7);
    EXPECT_TRUE(Questions().empty());
    form->PageControl1.ClickTab(1);
    Import(Write("tran01", ""), form->LoadBtn_Tran06); // no usable line
    EXPECT_EQ(form->PageControl1.ActivePageIndex(), 0);
    EXPECT_EQ(Grid().ColCount(), 19);
    EXPECT_EQ(Grid().ColWidths(0), 64);
    EXPECT_EQ(Grid().RowCount(), 2);
    EXPECT_EQ(Grid().Cells(5, 1), " ");
}

TEST_F(ImportExportTest, TheQuestionAndTheDialogCanBeCancelled) {
    Import(Write("tran01", WorkedLine() + "\r\n"));
    dialogs.QueueAnswer(mrCancel);
    form->LoadBtn_Tran01.Click();
    EXPECT_EQ(Questions(),
              std::vector<std::string>{u8"畫面中仍有資料，請問是否要匯入檔案?(匯入後會清空資料)"_b5});
    EXPECT_EQ(Grid().Cells(0, 1), "1234");
    dialogs.QueueAnswer(mrOk);
    dialogs.QueueFile(std::nullopt);
    form->LoadBtn_Tran01.Click();
    EXPECT_EQ(Grid().RowCount(), 2);
    EXPECT_EQ(Grid().Cells(0, 1), "");
}

TEST_F(ImportExportTest, ExportWritesOneCrLfLinePerRecordAndStopsAtTheFirstEmptySequenceNumber) {
    Import(Write("tran01",
                 WorkedLine("1111") + "\r\n" + WorkedLine("2222") + "\r\n" + WorkedLine("3333") + "\r\n"));
    const auto out = dir / "three";
    Export(out);
    EXPECT_EQ(Read(out),
              WorkedLine("1111") + "\r\n" + WorkedLine("2222") + "\r\n" + WorkedLine("3333") + "\r\n");
    Grid().SetCells(2, 2, "");
    Export(out);
    EXPECT_EQ(Read(out), WorkedLine("1111") + "\r\n");

    form->ClearGrid();
    const auto empty = dir / "empty";
    Export(empty);
    EXPECT_TRUE(std::filesystem::exists(empty));
    EXPECT_EQ(Read(empty), "");
}

TEST_F(ImportExportTest, ExportRightAfterAPageSwitchEndsWithTheConversionError) {
    form->PageControl1.ClickTab(2);
    form->PageControl1.ClickTab(0);
    const auto out = dir / "never";
    dialogs.QueueFile(out);
    form->SaveBtn_Tran01.Click();
    EXPECT_EQ(Errors(), std::vector<std::string>{"' ' is not a valid floating point value"});
    EXPECT_FALSE(std::filesystem::exists(out));
    for (const auto& shown : dialogs.ShownBoxes()) {
        EXPECT_NE(shown.kind, ScriptedDialogs::Kind::Save) << "the error comes before the dialog";
    }
}

TEST_F(ImportExportTest, AFailedExportLeavesTheExistingFileAndSaysSo) {
    std::string many;
    for (int i = 0; i < 60; ++i) {
        many += WorkedLine() + "\r\n";
    }
    Import(Write("tran01", many));
    const auto target = Write("target", "old contents\r\n");
    struct rlimit saved {};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    const auto previous = ::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 2048; // the write fails part-way, as on a full disk
    ::setrlimit(RLIMIT_FSIZE, &small);
    Export(target);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    ::signal(SIGXFSZ, previous);
    ASSERT_EQ(Errors().size(), 1u);
    EXPECT_EQ(Errors()[0].rfind(u8"匯出失敗"_b5, 0), 0u);
    EXPECT_EQ(Read(target), "old contents\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 2) << "no temporary file is left";

    dialogs.ClearShown();
    Export(dir); // a folder cannot be replaced
    EXPECT_EQ(Errors().size(), 1u);
}

TEST_F(ImportExportTest, AConversionErrorKeepsTheRecordsBeforeItAndNamesTheLine) {
    std::string bad = WorkedLine("3333");
    bad.replace(73, 14, std::string(14, ' '));
    Import(Write("tran01", WorkedLine("1111") + "\r\n" + WorkedLine("2222") + "\r\n" + bad + "\r\n" +
                               WorkedLine("4444") + "\r\n"));
    EXPECT_EQ(Grid().RowCount(), 4);
    EXPECT_EQ(Grid().Cells(0, 2), "2222");
    for (int c = 0; c < 19; ++c) {
        EXPECT_EQ(Grid().Cells(c, 3), "") << "the failing line writes no cell";
    }
    ASSERT_EQ(Errors().size(), 1u);
    EXPECT_NE(Errors()[0].find("'              ' is not a valid floating point value"), std::string::npos);
    EXPECT_NE(Errors()[0].find(u8"第 3 行"_b5), std::string::npos);
    const auto out = dir / "out";
    Export(out);
    EXPECT_EQ(Read(out), WorkedLine("1111") + "\r\n" + WorkedLine("2222") + "\r\n");
}

// A file large enough for the import to size the grid from it first still
// ends with one empty row after its records, here with LF line ends (more
// lines to the byte) and a conversion error near the end.
TEST_F(ImportExportTest, ALargeFileEndsWithOneEmptyRowAfterItsRecords) {
    std::string good;
    for (int i = 0; i < 3000; ++i) {
        good += WorkedLine(std::to_string(1000 + i)) + "\n";
    }
    std::string bad = WorkedLine("9999");
    bad.replace(73, 14, std::string(14, ' '));
    Import(Write("tran01", good + bad + "\n" + WorkedLine("8888") + "\n"));
    EXPECT_EQ(Grid().RowCount(), 3002);
    EXPECT_EQ(Grid().Cells(0, 3000), "3999");
    EXPECT_EQ(Grid().Cells(0, 3001), "");
    ASSERT_EQ(Errors().size(), 1u);
    EXPECT_NE(Errors()[0].find(u8"第 3001 行"_b5), std::string::npos);
    const auto out = dir / "out";
    Export(out);
    std::string crlf;
    for (int i = 0; i < 3000; ++i) {
        crlf += WorkedLine(std::to_string(1000 + i)) + "\r\n";
    }
    EXPECT_EQ(Read(out), crlf);
}

TEST_F(ImportExportTest, TheUserCanStopTheBoxesForWrongLinesAndGetsACount) {
    std::string bytes;
    for (int i = 0; i < 500; ++i) {
        bytes += "short line " + std::to_string(i) + "\r\n";
    }
    bytes += WorkedLine() + "\r\n";
    dialogs.QueueStop(false);
    dialogs.QueueStop(true);
    Import(Write("tran01", bytes));
    const auto messages = Messages();
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_EQ(messages[0], u8"載入資料有誤！略過\r\n"_b5 + "short line 0");
    EXPECT_EQ(messages[1], u8"載入資料有誤！略過\r\n"_b5 + "short line 1");
    EXPECT_EQ(messages[2], u8"本次匯入共略過 500 行長度不符的資料。"_b5);
    EXPECT_EQ(Grid().Cells(0, 1), "1234");
}

TEST_F(ImportExportTest, AnUnreadableFileGivesOneErrorBox) {
    Import(dir / "missing" / "tran01");
    ASSERT_EQ(Errors().size(), 1u);
    EXPECT_EQ(Errors()[0].rfind(u8"無法讀取檔案："_b5, 0), 0u);
    EXPECT_EQ(Grid().RowCount(), 2);
    std::filesystem::create_directory(dir / "tran01");
    dialogs.ClearShown();
    Import(dir / "tran01");
    EXPECT_EQ(Errors().size(), 1u);
}

TEST_F(ImportExportTest, TheExampleFileRoundTrips) {
    const std::filesystem::path example = std::filesystem::path(NORVALT_SOURCE_DIR) / "examples" / "tran01";
    const TReadResult original = ReadWholeFile(example);
    ASSERT_FALSE(original.failure);
    Import(example);
    EXPECT_TRUE(Messages().empty());
    EXPECT_TRUE(Errors().empty());
    const auto lines = SplitLines(original.bytes);
    EXPECT_EQ(Grid().RowCount(), static_cast<int>(lines.size()) + 2);
    const auto out = dir / "tran01.out";
    Export(out);
    const std::string written = Read(out);
    const auto back = SplitLines(written);
    ASSERT_EQ(back.size(), lines.size());
    // The documented differences: position 12 is written as "0", codes outside
    // the tables as the table's default code.
    auto normalise = [](std::string line) {
        line[11] = '0';
        if (line[17] != '1')
            line[17] = '2';
        if (line[28] != '1')
            line[28] = '2';
        if (line[29] < '1' || line[29] > '5')
            line[29] = '5';
        if (line[37] < '1' || line[37] > '8')
            line[37] = ' ';
        if (!std::isdigit(static_cast<unsigned char>(line[93])) && line[93] != 'A')
            line[93] = ' ';
        if (line[94] < '1' || line[94] > '4')
            line[94] = ' ';
        return line;
    };
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(std::string(back[i]), normalise(std::string(lines[i]))) << "line " << i + 1;
    }
    EXPECT_EQ(written.size(), original.bytes.size());
    EXPECT_EQ(Grid().Cells(4, 3), u8"王小明    "_b5);
}

} // namespace

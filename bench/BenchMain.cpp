// norvalt-bench: how long the program takes with large Tran01 files, each
// figure beside a baseline measured in the same run on the same data.
//
//   norvalt-bench [--json] [--max N]
//
// Figures: parse (line split and Tran01 layout; baseline: cutting the raw
// fields into strings), import (the whole import into the real window until
// the first frame is painted; baseline: the raw cutting again), export (the
// whole export to a file; baseline: writing the same bytes in one go), memory
// (resident-size growth per record after the import), paint (one full frame
// with the grid in the middle of N rows; baseline: the same at 1,000 rows),
// startup (process start to the first painted frame; baseline: the same for
// an empty window).
#include <QApplication>
#include <QImage>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <malloc.h>
#include <optional>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "app/Form1.h"
#include "media/MediaFile.h"
#include "media/RecordLoader.h"
#include "media/Tran01Layout.h"
#include "text/Cp950.h"
#include "toolkit/Application.h"
#include "toolkit/ScriptedDialogs.h"

extern char** environ;

using namespace norvalt;
using Clock = std::chrono::steady_clock;

namespace {

double Seconds(Clock::time_point a, Clock::time_point b) {
    return std::chrono::duration<double>(b - a).count();
}

// A deterministic, realistic Tran01 file of n records.
std::string MakeFile(std::size_t n) {
    static const char* categories = "12345";
    static const char* partners = "1234567890A";
    const std::string customers[] = {"A123456789", "B223344556", Utf8ToCp950("王小明    "),
                                     Utf8ToCp950("台灣壽險  "), "12345678  "};
    std::string out;
    out.reserve(n * 123);
    char buf[160];
    std::uint64_t x = 88172645463325252ull;
    auto next = [&] {
        x ^= x << 13;
        x ^= x >> 7;
        x ^= x << 17;
        return x;
    };
    for (std::size_t i = 0; i < n; ++i) {
        const char category = categories[next() % 5];
        const bool forward = category == '4';
        const unsigned rate = static_cast<unsigned>(next() % 200000);
        std::snprintf(buf, sizeof buf,
                      "%04u11%02u%03u0%05zu%c%s%c%cA%05u %c%07u%07u%07u%014llu%014llu%06u%c%c%013llu%013llu",
                      static_cast<unsigned>(9800 + next() % 100), static_cast<unsigned>(1 + next() % 12),
                      static_cast<unsigned>(101 + next() % 28), i % 100000, next() % 2 ? '1' : '2',
                      customers[next() % 5].c_str(), next() % 2 ? '1' : '2', category,
                      static_cast<unsigned>(next() % 100000), static_cast<char>('1' + next() % 8), rate + 100,
                      rate, rate + 50, static_cast<unsigned long long>(next() % 10000000000000ull),
                      static_cast<unsigned long long>(next() % 10000000000000ull),
                      forward ? 0u : static_cast<unsigned>(1 + next() % 50), partners[next() % 11],
                      forward ? static_cast<char>('1' + next() % 4) : ' ',
                      forward ? static_cast<unsigned long long>(next() % 1000000000ull) : 0ull,
                      forward ? static_cast<unsigned long long>(next() % 1000000000ull) : 0ull);
        out.append(buf, 121);
        out += "\r\n";
    }
    return out;
}

std::size_t ResidentBytes() {
    std::ifstream statm("/proc/self/statm");
    std::size_t pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
}

struct Row {
    std::string figure;
    std::size_t n;
    double value;
    std::string unit;
    std::optional<double> baseline;
};

void PrintHeader() {
    std::printf("%-8s %10s %14s %14s %8s\n", "figure", "N", "value", "baseline", "ratio");
}

void Print(const std::vector<Row>& rows, bool json) {
    for (const auto& r : rows) {
        const std::optional<double> ratio =
            r.baseline && *r.baseline > 0 ? std::optional<double>(r.value / *r.baseline) : std::nullopt;
        if (json) {
            std::printf("{\"figure\":\"%s\",\"n\":%zu,\"value\":%.6g,\"unit\":\"%s\",\"baseline\":",
                        r.figure.c_str(), r.n, r.value, r.unit.c_str());
            r.baseline ? std::printf("%.6g", *r.baseline) : std::printf("null");
            std::printf(",\"ratio\":");
            ratio ? std::printf("%.4g", *ratio) : std::printf("null");
            std::printf("}\n");
        } else {
            auto fmt = [&](double v) {
                char b[32];
                if (r.unit == "s") {
                    std::snprintf(b, sizeof b, "%.4f s", v);
                } else {
                    std::snprintf(b, sizeof b, "%.0f B/rec", v);
                }
                return std::string(b);
            };
            std::printf("%-8s %10zu %14s %14s %8s\n", r.figure.c_str(), r.n, fmt(r.value).c_str(),
                        r.baseline ? fmt(*r.baseline).c_str() : "-",
                        ratio ? (std::to_string(*ratio).substr(0, 5) + "x").c_str() : "-");
        }
        std::fflush(stdout);
    }
}

double RawSlicing(const std::string& bytes) {
    static const std::size_t widths[] = {4, 7, 6, 1, 10, 1, 1, 7, 1, 7, 7, 7, 14, 14, 6, 1, 1, 13, 13};
    const auto t0 = Clock::now();
    std::vector<std::string> fields;
    std::size_t total = 0;
    for (std::string_view line : SplitLines(bytes)) {
        std::size_t at = 0;
        fields.clear();
        for (std::size_t w : widths) {
            fields.emplace_back(line.substr(at, w));
            at += w;
        }
        total += fields.size();
    }
    const auto t1 = Clock::now();
    if (total == 0) {
        std::puts("");
    }
    return Seconds(t0, t1);
}

struct CountingSink : TRecordSink {
    void WrongLength(std::size_t, std::string_view) override {}
    void Refused(std::size_t, const std::string&) override {}
    void Record(std::size_t, std::span<const std::string_view> cells) override { total += cells[0].size(); }
    std::size_t total = 0;
};

double Parse(const std::string& bytes) {
    CountingSink sink;
    const auto t0 = Clock::now();
    LoadRecords(TRecordType::Tran01, bytes, sink);
    return Seconds(t0, Clock::now());
}

double PaintFrame(TForm1& form) {
    (void)form.Widget()->grab();
    const auto t0 = Clock::now();
    const int frames = 5;
    for (int i = 0; i < frames; ++i) {
        form.DataGrid.Invalidate();
        (void)form.Widget()->grab();
    }
    return Seconds(t0, Clock::now()) / frames;
}

double StartupOf(const char* self, const char* mode) {
    const auto t0 = Clock::now();
    int pipefd[2];
    if (pipe(pipefd) != 0) {
        return -1;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipefd[1], 1);
    posix_spawn_file_actions_addclose(&actions, pipefd[0]);
    char* argv[] = {const_cast<char*>(self), const_cast<char*>("--startup-probe"), const_cast<char*>(mode),
                    nullptr};
    pid_t pid = 0;
    if (posix_spawn(&pid, self, &actions, nullptr, argv, environ) != 0) {
        return -1;
    }
    close(pipefd[1]);
    char c = 0;
    const auto got = read(pipefd[0], &c, 1);
    const auto t1 = Clock::now();
    close(pipefd[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    posix_spawn_file_actions_destroy(&actions);
    return got == 1 ? Seconds(t0, t1) : -1;
}

int StartupProbe(int argc, char** argv, const std::string& mode) {
    TApplication app(argc, argv);
    if (mode == "empty") {
        QWidget w;
        w.resize(1525, 730);
        w.show();
        (void)w.grab();
    } else {
        TForm1 form;
        form.Show();
        (void)form.Widget()->grab();
    }
    (void)!write(1, "x", 1);
    return 0;
}

double Best(int runs, const std::function<double()>& f) {
    double best = 1e100;
    for (int i = 0; i < runs; ++i) {
        best = std::min(best, f());
    }
    return best;
}

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    if (argc >= 3 && std::strcmp(argv[1], "--startup-probe") == 0) {
        return StartupProbe(argc, argv, argv[2]);
    }
    bool json = false;
    std::size_t max = 1000000;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--json") == 0) {
            json = true;
        } else if (std::strcmp(argv[i], "--max") == 0 && i + 1 < argc) {
            max = std::stoul(argv[++i]);
        } else {
            std::fprintf(stderr, "usage: norvalt-bench [--json] [--max N]\n");
            return 2;
        }
    }
    std::vector<Row> rows;
    auto report = [&](Row r) {
        Print({r}, json);
        rows.push_back(std::move(r));
    };
    if (!json) {
        PrintHeader();
    }

    TApplication app(argc, argv);
    ScriptedDialogs dialogs;
    Application().SetDialogs(&dialogs);
    char dirTemplate[] = "/tmp/norvalt-bench-XXXXXX";
    const std::filesystem::path dir = mkdtemp(dirTemplate);

    for (std::size_t n : {std::size_t{10000}, std::size_t{100000}, std::size_t{1000000}}) {
        if (n > max) {
            break;
        }
        const std::string bytes = MakeFile(n);
        const auto file = dir / "tran01";
        // Written through to the disk, so that its write-back does not run
        // into the figures measured after it.
        if (WriteBytesAtomically(file, bytes)) {
            std::fprintf(stderr, "cannot write %s\n", file.c_str());
            return 1;
        }
        const int runs = n >= 1000000 ? 1 : 3;

        const double raw = Best(runs, [&] { return RawSlicing(bytes); });
        report({"parse", n, Best(runs, [&] { return Parse(bytes); }), "s", raw});

        TForm1 form;
        form.Show();
        (void)form.Widget()->grab();
        malloc_trim(0);
        const std::size_t before = ResidentBytes();
        dialogs.QueueFile(file);
        const auto t0 = Clock::now();
        form.LoadBtn_Tran01.Click();
        (void)form.Widget()->grab();
        const double import = Seconds(t0, Clock::now());
        malloc_trim(0);
        const std::size_t after = ResidentBytes();
        if (form.DataGrid.RowCount() != static_cast<int>(n) + 2 ||
            !dialogs.ShownBoxes().back().text.empty()) {
            std::fprintf(stderr, "import of %zu records went wrong (%d rows)\n", n, form.DataGrid.RowCount());
            return 1;
        }
        report({"import", n, import, "s", raw});
        report({"memory", n, static_cast<double>(after - before) / static_cast<double>(n), "bytes_per_record",
                std::nullopt});

        const auto out = dir / "tran01.out";
        const double exportTime = Best(runs, [&] {
            dialogs.QueueFile(out);
            const auto e0 = Clock::now();
            form.SaveBtn_Tran01.Click();
            return Seconds(e0, Clock::now());
        });
        const double plainWrite = Best(runs, [&] {
            const auto w0 = Clock::now();
            (void)WriteBytesAtomically(dir / "plain", bytes);
            return Seconds(w0, Clock::now());
        });
        report({"export", n, exportTime, "s", plainWrite});

        form.DataGrid.SetTopRow(static_cast<int>(n / 2));
        const double paintLarge = PaintFrame(form);
        TForm1 small;
        small.Show();
        small.DataGrid.SetRowCount(1002);
        for (int r = 1; r <= 1000; ++r) {
            for (int c = 0; c < 19; ++c) {
                small.DataGrid.SetCells(c, r, form.DataGrid.CellView(c, r));
            }
        }
        small.DataGrid.SetTopRow(500);
        const double paintSmall = PaintFrame(small);
        report({"paint", n, paintLarge, "s", paintSmall});
        std::filesystem::remove(out);
        std::filesystem::remove(dir / "plain");
        dialogs.ClearShown();
    }
    const double startup = Best(3, [&] { return StartupOf(argv[0], "form"); });
    const double empty = Best(3, [&] { return StartupOf(argv[0], "empty"); });
    report({"startup", 0, startup, "s", empty});
    std::filesystem::remove_all(dir);
    return 0;
}

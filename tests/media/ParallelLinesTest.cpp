#include <gtest/gtest.h>

#include <set>
#include <stdexcept>

#include "media/ParallelLines.h"

using namespace norvalt;

namespace {

// A line per row that fails for the rows in `bad`, naming the row.
TMakeLine Lines(std::set<int> bad) {
    return [bad = std::move(bad)](int row, std::string& out) {
        if (bad.count(row)) {
            throw std::runtime_error("row " + std::to_string(row));
        }
        out += std::to_string(row) + ";";
    };
}

std::string FailureOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const std::runtime_error& e) {
        return e.what();
    }
    return "none";
}

// Enough rows for every core to take a share, and fewer for one.
TEST(ParallelLines, TheCheckRaisesForTheFirstFailingRowInRowOrder) {
    struct Case {
        int end;
        std::set<int> bad;
        std::string expected;
    };
    const Case cases[] = {
        {200000, {}, "none"},
        {200000, {5}, "row 5"},
        {200000, {150000}, "row 150000"},
        {200000, {199999, 120000, 60000}, "row 60000"},
        {10, {3, 7}, "row 3"},
        {1, {}, "none"},
    };
    for (const auto& c : cases) {
        const TMakeLine line = Lines(c.bad);
        EXPECT_EQ(FailureOf([&] {
                      CheckEveryRow(1, c.end, [&](int row) {
                          std::string out;
                          line(row, out);
                      });
                  }),
                  c.expected)
            << c.end;
    }
}

TEST(ParallelLines, PiecesComeBackInRowOrderAndCarryTheirFailure) {
    for (const int end : {1, 2, 1001, 50000}) {
        std::string serial, pieced;
        for (int row = 1; row < end; ++row) {
            Lines({})(row, serial);
        }
        TLinePieces pieces(1, end, 333, Lines({}));
        std::string piece;
        int count = 0;
        while (pieces.Next(piece)) {
            pieced += piece;
            piece.clear();
            ++count;
        }
        EXPECT_EQ(pieced, serial) << end;
        EXPECT_EQ(count, (end - 1 + 332) / 333) << end;
        EXPECT_FALSE(pieces.Next(piece)) << "stays at the end";
    }
    TLinePieces failing(1, 50000, 1000, Lines({20500}));
    std::string bytes;
    for (int piece = 0; piece < 20; ++piece) {
        ASSERT_TRUE(failing.Next(bytes));
    }
    EXPECT_EQ(bytes.substr(bytes.size() - 6), "20000;");
    EXPECT_EQ(FailureOf([&] { failing.Next(bytes); }), "row 20500");
    TLinePieces abandoned(1, 1000000, 100, Lines({})); // given up at once: the helpers stop
}

} // namespace

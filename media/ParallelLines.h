#pragma once

#include <exception>
#include <functional>
#include <memory>
#include <string>

// Making a grid's lines on the machine's cores: the export's check that every
// line can be made, and the making of its bytes ahead of the writer.
namespace norvalt {

// makeLine(row, out) appends a row's line to out. It is called from several
// threads at once, so it may only read what nobody changes meanwhile (the
// grid, during an export).
using TMakeLine = std::function<void(int row, std::string& out)>;

// Runs check(row) for every row from first up to (not including) end, many
// rows shared among the cores (check has the same limits as makeLine). The
// exception of the first row, in row order, whose check raised is raised
// again here; nothing when every check passed.
void CheckEveryRow(int first, int end, const std::function<void(int row)>& check);

// Makes the lines of rows first up to end in pieces of rowsPerPiece rows on
// helper threads, a few pieces ahead of the reader, and hands them back in
// row order.
class TLinePieces {
public:
    TLinePieces(int first, int end, int rowsPerPiece, TMakeLine makeLine);
    ~TLinePieces();
    TLinePieces(const TLinePieces&) = delete;
    TLinePieces& operator=(const TLinePieces&) = delete;

    // Appends the next piece to out; false when none was left. Raises what
    // making that piece raised.
    bool Next(std::string& out);

private:
    struct State;
    std::unique_ptr<State> state_;
};

} // namespace norvalt

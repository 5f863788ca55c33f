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

// Makes the line of every row from first up to (not including) end, only to
// learn whether each can be made; many rows are shared among the cores. The
// exception of the first row, in row order, whose line raised is raised again
// here; nothing when every line can be made.
void CheckEveryLine(int first, int end, const TMakeLine& makeLine);

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

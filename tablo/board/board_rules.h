// The running board: a line every timer period, appended at the bottom while
// the oldest leaves at the top, three blank lines after the last team, then
// the data are read again. No widgets: the window shows `lines()` and
// `columns()` and calls `tick` from its timer.
#pragma once

#include "tablo/board/board_table.h"
#include "trop/print/results_grid.h"

#include <deque>
#include <filesystem>
#include <string>
#include <vector>

namespace tablo {

inline constexpr int kBoardPeriodMs = 2000;
inline constexpr int kBlankLinesAfterPass = 3;

// The cells of a line (code page 1250); a blank line has none.
using BoardLine = std::vector<std::string>;

struct BoardState {
    int rowCounter = 0;          // the table row the next line shows
    std::deque<BoardLine> lines; // on the screen, oldest first
};

// True once the blank lines after the last team have been shown.
bool passEnded(const BoardState& state, const BoardTable& table);

// Appends the line of row rowCounter (blank after the last team), moves the
// counter on and drops the oldest lines beyond rowsThatFit.
void appendNextLine(BoardState& state, const BoardTable& table, int rowsThatFit);

// Drops the oldest lines while more than rowsThatFit (at least 1) are shown.
void trimToFit(BoardState& state, int rowsThatFit);

// The timer that drives the board; the window provides a real one, tests a
// fake clock.
class BoardTimer {
public:
    virtual ~BoardTimer() = default;
    virtual void start(int periodMs) = 0;
    virtual void stop() = 0;
};

struct TickChange {
    bool rebuilt = false;        // a new pass began with freshly read data
    bool columnsChanged = false; // the number of shown stages changed
};

class BoardRules {
public:
    BoardRules(std::filesystem::path categoryFolder, BoardTimer& timer);

    // Reads the board and starts the timer. False when there is nothing to
    // show (no members; or the members file cannot be read, after message 7):
    // the window then closes. Unreadable stage results are reported, and the
    // board runs on, empty until they can be read again.
    bool open();

    // One timer period; rowsThatFit is how many lines the window holds now.
    TickChange tick(int rowsThatFit);

    // Stops the timer (Escape or the close box).
    void close();

    const BoardTable& table() const { return table_; }
    const BoardState& state() const { return state_; }
    std::vector<trop::ResultsColumn> columns() const;

private:
    // Message 7 at most once per board, with the timer stopped while the box
    // is open, so that an unattended screen never stacks boxes.
    void reportUnreadable(const BoardBuild& build);

    std::filesystem::path categoryFolder_;
    BoardTimer& timer_;
    BoardTable table_;
    BoardState state_;
    bool running_ = false;
    bool errorShown_ = false;
};

} // namespace tablo

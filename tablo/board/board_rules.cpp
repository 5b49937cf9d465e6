#include "tablo/board/board_rules.h"

#include "tablo/board/board_lines.h"
#include "trop/store/messages.h"

#include <algorithm>
#include <utility>

namespace tablo {

bool passEnded(const BoardState& state, const BoardTable& table)
{
    return state.rowCounter >= table.rowCount() + kBlankLinesAfterPass;
}

void appendNextLine(BoardState& state, const BoardTable& table, int rowsThatFit)
{
    state.lines.push_back(boardLineCells(table, state.rowCounter));
    ++state.rowCounter;
    trimToFit(state, rowsThatFit);
}

void trimToFit(BoardState& state, int rowsThatFit)
{
    const std::size_t keep = static_cast<std::size_t>(std::max(rowsThatFit, 1));
    while (state.lines.size() > keep)
        state.lines.pop_front();
}

BoardRules::BoardRules(std::filesystem::path categoryFolder, BoardTimer& timer)
    : categoryFolder_(std::move(categoryFolder)), timer_(timer)
{
}

bool BoardRules::open()
{
    const BoardBuild build = buildBoard(categoryFolder_, table_);
    reportUnreadable(build);
    if (build.status == BoardBuildStatus::NoMembers || build.status == BoardBuildStatus::MembersUnreadable)
        return false;
    state_ = BoardState{};
    running_ = true;
    timer_.start(kBoardPeriodMs);
    return true;
}

TickChange BoardRules::tick(int rowsThatFit)
{
    TickChange change;
    if (passEnded(state_, table_)) {
        const int stageLimit = table_.stageLimit;
        reportUnreadable(buildBoard(categoryFolder_, table_));
        change.rebuilt = true;
        change.columnsChanged = table_.stageLimit != stageLimit;
        state_.rowCounter = 0;
    }
    appendNextLine(state_, table_, rowsThatFit);
    return change;
}

void BoardRules::close()
{
    if (running_)
        timer_.stop();
    running_ = false;
}

std::vector<trop::ResultsColumn> BoardRules::columns() const
{
    return boardColumns(table_.stageLimit);
}

void BoardRules::reportUnreadable(const BoardBuild& build)
{
    if (build.unreadableFile.empty() || errorShown_)
        return;
    errorShown_ = true;
    if (running_)
        timer_.stop();
    trop::showMessage(7, build.unreadableFile);
    if (running_)
        timer_.start(kBoardPeriodMs);
}

} // namespace tablo

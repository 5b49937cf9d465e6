// The rows of the participants list, built from the member table: member rows
// grouped by team, a slot row closing each team (adds a member), a row with
// dashes for every free number between teams (opens a team there) followed by
// an empty row, and the next-number row after the highest team.
#pragma once

#include "trop/model/members.h"

#include <string>
#include <vector>

namespace trop {

// rowTeam of a row that accepts no action.
inline constexpr int kInertRow = -1;

// Free-number rows shown in all, however far apart the teams of a damaged
// file are: more than the table could ever fill is of no use.
inline constexpr int kMaxFreeNumberRows = kMaxMembers;

enum class ParticipantColumn { Hidden, Number, Name, Club, PostCode, Town, Street, EntryFee, Remarks };
inline constexpr int kParticipantColumnCount = 9;

struct ParticipantRow {
    int rowTeam = kInertRow;  // the team a command on this row applies to
    int rowMember = -1;       // slot in the member table, or -1
    bool isSlotRow = false;   // the row adds a member (slot, free-number, next-number row)
    long long shownNumber = 0; // number in the "Nr " column; 0 shows nothing
    bool dashes = false;      // a free or next number: dashes instead of a name
};

// The rows for the first count members. Members with a team number below 1
// (only a damaged file holds them) are shown as inert rows and otherwise
// skipped; a team whose next number would overflow gets no next-number row.
std::vector<ParticipantRow> buildParticipantRows(const MemberTable& table, int count);

// The text of one cell, code page 1250 bytes.
std::string participantCellText(const MemberTable& table, const ParticipantRow& row, ParticipantColumn column);

// Titles and widths in pixels of the columns; "Nr " is right-aligned.
struct ParticipantColumnInfo {
    const char* title; // UTF-8
    int width;
};
const ParticipantColumnInfo& participantColumn(ParticipantColumn column);

} // namespace trop

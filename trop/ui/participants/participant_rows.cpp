#include "participant_rows.h"

#include "trop/model/member_fields.h"

#include <array>
#include <climits>

namespace trop {
namespace {

constexpr const char* kDashes = "--------------------------------------"; // 38

class RowBuilder {
public:
    explicit RowBuilder(int count) : count_(count) { rows_.reserve(static_cast<std::size_t>(count) * 2 + 4); }

    void addMember(int slot, int team)
    {
        if (team < 1) {
            rows_.push_back({kInertRow, slot, false, team, false});
            return;
        }
        if (team != previous_) {
            if (previous_ != 0)
                closeTeam();
            addFreeNumbers(previous_, team);
            listed_ = 0;
        }
        rows_.push_back({team, slot, false, listed_ == 0 ? team : 0, false});
        ++listed_;
        previous_ = team;
    }

    std::vector<ParticipantRow> finish()
    {
        if (previous_ == 0) {
            if (count_ < kMaxMembers)
                rows_.push_back({1, -1, true, 1, true});
            return std::move(rows_);
        }
        closeTeam();
        if (count_ < kMaxMembers && previous_ < INT_MAX)
            rows_.push_back({previous_ + 1, -1, true, previous_ + 1, true});
        return std::move(rows_);
    }

private:
    bool tableFull() const { return count_ >= kMaxMembers; }

    void closeTeam()
    {
        const bool accepts = listed_ < kMaxTeamMembers && !tableFull();
        rows_.push_back({accepts ? previous_ : kInertRow, -1, true, 0, false});
    }

    // Numbers strictly between two teams (nothing when a damaged file is
    // out of order).
    void addFreeNumbers(int from, int to)
    {
        for (long long number = static_cast<long long>(from) + 1; number < to; ++number) {
            if (freeRows_ == kMaxFreeNumberRows)
                return;
            ++freeRows_;
            const int team = tableFull() ? kInertRow : static_cast<int>(number);
            rows_.push_back({team, -1, true, number, true});
            rows_.push_back({});
        }
    }

    int count_;
    int previous_ = 0;
    int listed_ = 0;
    int freeRows_ = 0;
    std::vector<ParticipantRow> rows_;
};

constexpr std::array<ParticipantColumnInfo, kParticipantColumnCount> kColumns = {{
    {"", 0},
    {"Nr ", 35},
    {"Nazwisko i Imię", 160},
    {"Klub", 120},
    {"Kod", 50},
    {"Miejscowość", 100},
    {"Ulica", 140},
    {"Wpisowe", 60},
    {"Uwagi", 300},
}};

} // namespace

std::vector<ParticipantRow> buildParticipantRows(const MemberTable& table, int count)
{
    RowBuilder builder(count);
    for (int slot = 0; slot < count; ++slot)
        builder.addMember(slot, table.records[slot].teamNumber);
    return builder.finish();
}

std::string participantCellText(const MemberTable& table, const ParticipantRow& row, ParticipantColumn column)
{
    if (column == ParticipantColumn::Number)
        return row.shownNumber == 0 ? std::string() : std::to_string(row.shownNumber) + " ";
    if (row.rowMember < 0 || row.rowMember >= kMaxMembers)
        return column == ParticipantColumn::Name && row.dashes ? kDashes : std::string();
    const MemberRecord& member = table.records[row.rowMember];
    switch (column) {
    case ParticipantColumn::Name:
        return std::string(memberFieldText(member, MemberField::Surname)) + " " +
               std::string(memberFieldText(member, MemberField::FirstName));
    case ParticipantColumn::Club:
        return std::string(memberFieldText(member, MemberField::Club));
    case ParticipantColumn::PostCode:
        return std::string(memberFieldText(member, MemberField::PostCode));
    case ParticipantColumn::Town:
        return std::string(memberFieldText(member, MemberField::Town));
    case ParticipantColumn::Street:
        return std::string(memberFieldText(member, MemberField::Street));
    case ParticipantColumn::EntryFee:
        return std::string(memberFieldText(member, MemberField::EntryFee));
    case ParticipantColumn::Remarks:
        return std::string(memberFieldText(member, MemberField::Remarks));
    default:
        return {};
    }
}

const ParticipantColumnInfo& participantColumn(ParticipantColumn column)
{
    return kColumns[static_cast<std::size_t>(column)];
}

} // namespace trop

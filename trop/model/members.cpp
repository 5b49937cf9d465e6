#include "members.h"

#include "trop/store/fixed_text.h"

#include <algorithm>
#include <cstring>

namespace trop {

namespace {

std::int32_t teamOf(const MemberRecord& member) { return member.teamNumber; }

} // namespace

int memberCount(const MemberTable& table) { return leadingRecordCount(table.records, kMaxMembers, teamOf); }

TableRead readMembers(const std::filesystem::path& categoryFolder, MemberTable& table)
{
    return readTypedTable(categoryFolder / kMembersFileName, table.records, kMaxMembers, teamOf);
}

int loadMembers(const std::filesystem::path& categoryFolder, MemberTable& table, MissingTableFile missing)
{
    return loadedCount(readMembers(categoryFolder, table), categoryFolder / kMembersFileName, missing);
}

bool saveMembers(const std::filesystem::path& categoryFolder, const MemberTable& table)
{
    return writeTableFile(categoryFolder / kMembersFileName, table.records, sizeof(MemberRecord), memberCount(table));
}

int insertMember(MemberTable& table, const MemberRecord& member)
{
    const int count = memberCount(table);
    if (count >= kMaxMembers || member.teamNumber < 1)
        return -1;
    // After the last record whose number is <= the new one (slot 0 if none),
    // so a new member follows the existing members of its team.
    int slot = count;
    while (slot > 0 && table.records[slot - 1].teamNumber > member.teamNumber)
        --slot;
    std::memmove(&table.records[slot + 1], &table.records[slot], sizeof(MemberRecord) * static_cast<std::size_t>(count - slot));
    table.records[slot] = member;
    if (count + 1 < kMaxMembers)
        table.records[count + 1].teamNumber = 0; // the moved end marker
    return slot;
}

void removeMember(MemberTable& table, int slot)
{
    const int count = memberCount(table);
    if (slot < 0 || slot >= count)
        return;
    std::memmove(&table.records[slot], &table.records[slot + 1],
                 sizeof(MemberRecord) * static_cast<std::size_t>(count - slot - 1));
    table.records[count - 1] = MemberRecord{};
}

std::vector<int> teamNumbers(const MemberTable& table)
{
    const int count = memberCount(table);
    std::vector<int> teams;
    for (int i = 0; i < count; ++i)
        teams.push_back(table.records[i].teamNumber);
    std::sort(teams.begin(), teams.end());
    teams.erase(std::unique(teams.begin(), teams.end()), teams.end());
    return teams;
}

namespace {

// The members of the team in table order, each as memberText gives it,
// separated by the separator (a comma and five blanks unless told).
template <typename MemberText>
std::string joinTeamMembers(const MemberTable& table, int teamNumber, MemberText memberText,
                            std::string_view separator = ",     ")
{
    const int count = memberCount(table);
    std::string label;
    bool first = true;
    for (int i = 0; i < count; ++i) {
        const MemberRecord& member = table.records[i];
        if (member.teamNumber != teamNumber)
            continue;
        if (!first)
            label += separator;
        first = false;
        label += memberText(member);
    }
    return label;
}

} // namespace

std::string teamLabel(const MemberTable& table, int teamNumber)
{
    return joinTeamMembers(table, teamNumber, [](const MemberRecord& member) {
        std::string text(fieldText(member.surname));
        text += ' ';
        text += fieldText(member.firstName);
        return text;
    });
}

std::string teamSurnames(const MemberTable& table, int teamNumber, std::string_view separator)
{
    return joinTeamMembers(
        table, teamNumber, [](const MemberRecord& member) { return std::string(fieldText(member.surname)); },
        separator);
}

} // namespace trop

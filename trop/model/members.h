// The participants of one category ("Class.Members.Data") and the team rules.
#pragma once

#include "trop/model/member_record.h"
#include "trop/model/table_file.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace trop {

inline constexpr const char* kMembersFileName = "Class.Members.Data";

// 1000 slots; the used part is the leading slots whose teamNumber is not 0.
// About 330 kB: allocate it on the heap.
struct MemberTable {
    MemberRecord records[kMaxMembers];
};

// Number of leading slots whose teamNumber is not 0.
int memberCount(const MemberTable& table);

// Fills the table from the category folder's members file (at most 1000
// records; slots behind the used part are cleared) and creates nothing: for
// windows and commands that only show. A missing file is an empty table; a
// damaged or unreadable one is not usable (message 7 with kMembersFileName).
TableRead readMembers(const std::filesystem::path& categoryFolder, MemberTable& table);

// The same for the editors: a missing file is created empty unless missing
// says LeaveAbsent. Returns the count, or -1 when the file cannot be read, is
// damaged or cannot be created (the caller shows message 7 with
// kMembersFileName). Never shows a message itself.
int loadMembers(const std::filesystem::path& categoryFolder, MemberTable& table,
                MissingTableFile missing = MissingTableFile::CreateEmpty);

// Writes the used part of the table; false on a file error (message 7).
bool saveMembers(const std::filesystem::path& categoryFolder, const MemberTable& table);

// Inserts after the last record whose teamNumber is <= the new one; returns
// the slot, or -1 when the table is full or the team number is below 1.
int insertMember(MemberTable& table, const MemberRecord& member);
// Removes the member of a used slot (other slots are ignored).
void removeMember(MemberTable& table, int slot);

// Distinct team numbers in ascending order.
std::vector<int> teamNumbers(const MemberTable& table);

// "Surname First,     Surname First" in table order (code page 1250 bytes).
std::string teamLabel(const MemberTable& table, int teamNumber);

// "Surname,     Surname" in table order (code page 1250 bytes): the short
// label of the results board; the start cards list and the card window join
// the surnames with separators of their own.
std::string teamSurnames(const MemberTable& table, int teamNumber, std::string_view separator = ",     ");

// Year of birth from the two typed digits, for the given current year.
int birthYearFromDigits(int typedDigits, int currentYear);

// Age limit that the member of this category must not exceed, when the
// category has one ("TD", "TM", "TJ", compared as the name is shown).
std::optional<int> ageLimit(std::string_view categoryName, int currentYear);

// The limit to name in message 23 when the member is too old, else nothing.
std::optional<int> ageCheckFails(std::string_view categoryName, int birthYear, int currentYear);

} // namespace trop

// Members of a category from a spreadsheet file. The plan is made first and
// changes nothing: every problem is listed with its line, and a plan with
// any error adds no one.
//
// The header row names the columns in any order, letter case aside:
// "Nr", "Nazwisko", "Imię", "Rok urodzenia", "Klub", "Kod pocztowy",
// "Miejscowość", "Ulica", "Wpisowe", "Uwagi"; "Nr" and "Nazwisko" are
// required, other columns are reported and ignored. Rows with the same "Nr"
// form one team, added after the members the team already has.
#pragma once

#include "trop/exchange/csv_text.h"
#include "trop/model/members.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace trop {

inline constexpr int kMaxImportedTeamNumber = 99999;

// Far more than a thousand members ever fill; a longer file is refused.
inline constexpr std::size_t kMaxMembersFileBytes = 16u << 20;

// The bytes of the file; nothing when it is missing, unreadable or longer
// than kMaxMembersFileBytes.
std::optional<std::string> readMembersFile(const std::filesystem::path& file);

struct ImportIssue {
    int line = 0;     // 1-based line of the file
    std::string text; // UTF-8
};

struct ImportPlan {
    TextEncoding encoding = TextEncoding::Utf8;
    char separator = ';';
    std::vector<MemberRecord> members; // in file order, each with its team number
    std::vector<int> memberLines;      // the line of each member
    std::vector<ImportIssue> errors;   // any error refuses the whole file
    std::vector<ImportIssue> warnings; // unknown columns, ages above the category's limit
    int newTeams = 0;                  // teams the category does not have yet
    int extendedTeams = 0;             // teams that get more members

    bool accepted() const { return errors.empty() && !members.empty(); }
};

// The plan for adding the file's members to the first count members of
// table, for the category named as shown (its age limit) in currentYear.
ImportPlan planMemberImport(std::string_view fileBytes, const MemberTable& table, int count,
                            std::string_view categoryName, int currentYear);

// Adds the members of an accepted plan; false (nothing added) when the
// table cannot take them all.
bool applyMemberImport(const ImportPlan& plan, MemberTable& table);

// One line for the preview and the command line, UTF-8: what will be added,
// or why nothing will.
std::string importSummary(const ImportPlan& plan);

// The message of an import refused because the stages named hold results
// ("E1, E3").
std::string importRefusedForResultsMessage(std::string_view stageNames);

} // namespace trop

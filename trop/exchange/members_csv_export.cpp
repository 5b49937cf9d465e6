#include "members_csv_export.h"

#include "members_csv_columns.h"
#include "trop/print/export_cell.h"
#include "trop/store/cp1250.h"

namespace trop {
namespace {

// Longest cell of the file: a quoted 120-character remark in UTF-8.
constexpr std::size_t kMaxCellBytes = 1024;

// A text that already begins with an apostrophe before a formula character
// gets one more, so that reading it back keeps the one it had.
std::string textCell(std::string_view cp1250Text)
{
    std::string text = cp1250ToUtf8(cp1250Text);
    if (!text.empty() && text.front() == '\'' && formulaBehindApostrophes(text))
        text.insert(text.begin(), '\'');
    return protectTextCell(text, kMaxCellBytes);
}

std::string cellOf(const MemberRecord& member, const MemberColumn& column)
{
    switch (column.kind) {
    case MemberColumnKind::TeamNumber:
        return std::to_string(member.teamNumber);
    case MemberColumnKind::BirthYear:
        return member.birthYearSet == 1 ? std::to_string(member.birthYear) : std::string();
    case MemberColumnKind::Text:
        break;
    }
    return textCell(memberFieldText(member, column.field));
}

} // namespace

std::string exportMembersCsv(const MemberTable& table, int count)
{
    std::string out = "\xEF\xBB\xBF";
    for (std::size_t c = 0; c < kMemberColumns.size(); ++c)
        out.append(c == 0 ? "" : ";").append(kMemberColumns[c].title);
    out += "\r\n";
    for (int slot = 0; slot < count && slot < kMaxMembers; ++slot) {
        for (std::size_t c = 0; c < kMemberColumns.size(); ++c)
            out.append(c == 0 ? "" : ";").append(cellOf(table.records[slot], kMemberColumns[c]));
        out += "\r\n";
    }
    return out;
}

} // namespace trop

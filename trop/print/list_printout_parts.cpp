#include "trop/print/list_printout_parts.h"

#include "trop/store/fixed_text.h"

namespace trop {

std::vector<std::string> nonEmptyLines(std::initializer_list<std::string_view> fields)
{
    std::vector<std::string> lines;
    for (std::string_view field : fields)
        if (!field.empty())
            lines.emplace_back(field);
    return lines;
}

int firstPageHeaderHeight(const PageFrame& frame, const std::vector<std::string>& lines)
{
    const int nameLines = lines.empty() ? 0 : static_cast<int>(lines.size()) + 1;
    return (5 * nameLines + 21) * frame.unit;
}

void drawFirstPageHeader(PageWriter& writer, const PageFrame& frame, int left, int right,
                         const std::vector<std::string>& lines, const std::string& title)
{
    const int u = frame.unit;
    CellStyle style{TextAlign::Centre, frame.headingFont, 2 * u, Overflow::Whole, TextVAlign::Centre};
    int y = frame.top;
    for (const std::string& line : lines) {
        writer.text({left, y, right, y + 5 * u}, line, style);
        y += 5 * u;
    }
    if (!lines.empty())
        y += 5 * u;
    style.font = frame.titleFont;
    writer.text({left, y, right, y + 11 * u}, title, style);
}

int startListPage(PageSequence& document, PageWriter& writer, const PageFrame& frame,
                  const std::vector<std::string>& lines, const std::string& title)
{
    writer.setPage(document.newPage(frame));
    int tableTop = frame.top;
    if (document.count() == 1) {
        drawFirstPageHeader(writer, frame, frame.left, frame.right, lines, title);
        tableTop += firstPageHeaderHeight(frame, lines);
    }
    writer.horizontal(frame.left, frame.right, tableTop, frame.thickPen);
    return tableTop;
}

std::vector<TeamRun> teamRuns(const MemberTable& members)
{
    std::vector<TeamRun> runs;
    const int count = memberCount(members);
    for (int i = 0; i < count; ++i) {
        if (runs.empty() || members.records[i].teamNumber != members.records[runs.back().first].teamNumber)
            runs.push_back({i, 0});
        ++runs.back().count;
    }
    return runs;
}

std::vector<const MemberRecord*> teamMembers(const MemberTable& members, int teamNumber)
{
    std::vector<const MemberRecord*> found;
    const int count = memberCount(members);
    for (int i = 0; i < count; ++i)
        if (members.records[i].teamNumber == teamNumber)
            found.push_back(&members.records[i]);
    return found;
}

std::string memberName(const MemberRecord& member, const char* separator)
{
    return std::string(fieldText(member.surname)) + separator + std::string(fieldText(member.firstName));
}

std::string clubAndTown(const MemberRecord& member)
{
    const std::string_view club = fieldText(member.club);
    const std::string_view town = fieldText(member.town);
    std::string text(club);
    if (!club.empty() && !town.empty())
        text += " / ";
    return text + std::string(town);
}

} // namespace trop

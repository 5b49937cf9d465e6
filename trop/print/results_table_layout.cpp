#include "trop/print/results_table_layout.h"

#include "trop/print/list_printout_parts.h"
#include "trop/print/points_text.h"
#include "trop/store/fixed_text.h"

#include <algorithm>
#include <map>
#include <vector>

namespace trop {
namespace {

constexpr int kLeftBlockUnits = 121;
constexpr int kPlaceUnits = 10;
constexpr int kMemberRowUnits = 6;
constexpr int kHeadUnits = 14;
constexpr int kBandUnits = 7;

enum class Figure { Penalty, StagePoints, StagePlace, TotalPoints, TotalPlace };

struct SubColumn {
    int units;
    const char* head;
    Figure figure;
};

std::vector<SubColumn> subColumns(int stage, int stageCount)
{
    if (stage == 1) {
        std::vector<SubColumn> columns{{12, "PK ", Figure::Penalty}, {14, "PP  ", Figure::TotalPoints}};
        if (stageCount > 1)
            columns.push_back({10, "M. ", Figure::TotalPlace});
        return columns;
    }
    return {{12, "PK ", Figure::Penalty},
            {14, "PP na ", Figure::StagePoints},
            {10, "M. ", Figure::StagePlace},
            {14, "PP po ", Figure::TotalPoints},
            {10, "M. ", Figure::TotalPlace}};
}

int groupUnits(int stage, int stageCount)
{
    int units = 0;
    for (const SubColumn& column : subColumns(stage, stageCount))
        units += column.units;
    return units;
}

std::string figureText(const StageStanding& standing, Figure figure)
{
    const auto nonZero = [](std::int32_t value, std::string text) { return value == 0 ? std::string() : text; };
    switch (figure) {
    case Figure::Penalty:
        return standingPenaltyText(standing.penaltyPoints);
    case Figure::StagePoints:
        return nonZero(standing.stagePoints, pointsText(standing.stagePoints));
    case Figure::StagePlace:
        return nonZero(standing.stagePlace, integerText(standing.stagePlace));
    case Figure::TotalPoints:
        return nonZero(standing.totalPoints, pointsText(standing.totalPoints));
    case Figure::TotalPlace:
        return nonZero(standing.totalPlace, integerText(standing.totalPlace));
    }
    return {};
}

// One page column: the left block (first only) or the place column, then the
// stages firstStage..lastStage; x0 is the table's left edge in pixels.
struct PageColumn {
    bool first;
    int firstStage, lastStage;
    int x0;
};

std::vector<PageColumn> pageColumns(const PageFrame& frame, int stageCount)
{
    std::vector<PageColumn> columns;
    int stage = 1;
    do {
        const bool first = columns.empty();
        PageColumn column{first, stage, stage - 1, frame.left};
        int x = frame.left + (first ? kLeftBlockUnits : kPlaceUnits) * frame.unit;
        // Every page column holds at least one stage group, fitting or not.
        while (stage <= stageCount
               && (column.lastStage < column.firstStage || x + groupUnits(stage, stageCount) * frame.unit <= frame.right)) {
            x += groupUnits(stage, stageCount) * frame.unit;
            column.lastStage = stage++;
        }
        if (first && stage > stageCount)
            column.x0 += std::max(0, (frame.right - x) / 2);
        columns.push_back(column);
    } while (stage <= stageCount);
    return columns;
}

struct Team {
    const ClassificationRow* row;
    std::vector<const MemberRecord*> members;
};

std::vector<Team> printableTeams(const ResultsCategoryInput& input)
{
    const ClassificationTable& table = *input.classification;
    std::map<int, std::vector<const MemberRecord*>> byTeam;
    const int memberTotal = memberCount(*input.members);
    for (int i = 0; i < memberTotal; ++i)
        byTeam[input.members->records[i].teamNumber].push_back(&input.members->records[i]);
    std::vector<Team> teams;
    const int rows = std::clamp(table.rowCount, 0, kMaxClassificationRows);
    for (int i = 0; i < rows; ++i) {
        const ClassificationRow& row = table.rows[i];
        if (row.stages[table.stageCount].totalPoints == 0)
            continue;
        std::vector<const MemberRecord*> members = byTeam[row.teamNumber];
        if (members.empty())
            members.push_back(nullptr); // a team row always takes one row
        teams.push_back({&row, std::move(members)});
    }
    return teams;
}

std::string nameOf(const MemberRecord* member) { return member ? memberName(*member, "  ") : std::string(); }
std::string affiliationOf(const MemberRecord* member) { return member ? clubAndTown(*member) : std::string(); }

std::vector<std::string> headerLines(const CompetitionHeader* header)
{
    if (header == nullptr)
        return {};
    return nonEmptyLines({fieldText(header->fullName1), fieldText(header->fullName2), fieldText(header->fullName3)});
}

class CategoryPages {
public:
    CategoryPages(const ResultsCategoryInput& input, const PageFrame& frame, const TextMeasurer& measurer)
        : input_(input), f_(frame), u_(frame.unit), stageCount_(input.classification->stageCount),
          writer_(measurer, scratch_), lines_(headerLines(input.header))
    {
        headerHeight_ = firstPageHeaderHeight(frame, lines_);
    }

    // The teams of each page, the same for every page column.
    bool paginate(const std::vector<Team>& teams, const AbortFlag& abort, std::vector<std::vector<int>>& pages) const
    {
        std::vector<int> page;
        int y = f_.top + headerHeight_ + kHeadUnits * u_;
        for (int i = 0; i < static_cast<int>(teams.size()); ++i) {
            if (abort.load())
                return false;
            const int height = blockHeight(teams[i]);
            if (!page.empty() && y + height > f_.bodyBottom) {
                pages.push_back(std::move(page));
                page.clear();
                y = f_.top + kHeadUnits * u_;
            }
            page.push_back(i);
            y += height;
        }
        if (!page.empty())
            pages.push_back(std::move(page));
        return true;
    }

    void drawPage(PrintPage& page, const PageColumn& column, bool firstPage, const std::vector<Team>& teams,
                  const std::vector<int>& pageTeams)
    {
        writer_.setPage(page);
        int y = f_.top;
        if (firstPage) {
            if (column.first)
                drawHeader(column);
            y += headerHeight_;
        }
        const int tableTop = y;
        drawHead(column, y);
        y += kHeadUnits * u_;
        for (int index : pageTeams) {
            const Team& team = teams[index];
            const int rows = visibleRows(team, y);
            drawTeam(column, team, rows, y);
            y += rows * kMemberRowUnits * u_;
        }
        const int tableBottom = y + f_.ruleOffset();
        writer_.horizontal(column.x0, tableRight(column), tableBottom, f_.thickPen);
        drawVerticals(column, tableTop, tableBottom);
    }

private:
    int blockHeight(const Team& team) const
    {
        return static_cast<int>(team.members.size()) * kMemberRowUnits * u_;
    }

    // A team taller than an empty page keeps the rows that fit (one at least).
    int visibleRows(const Team& team, int y) const
    {
        const int rows = static_cast<int>(team.members.size());
        if (y + blockHeight(team) <= f_.bodyBottom)
            return rows;
        return std::clamp((f_.bodyBottom - y) / (kMemberRowUnits * u_), 1, rows);
    }

    int x(const PageColumn& column, int units) const { return column.x0 + units * u_; }

    int groupStart(const PageColumn& column, int stage) const
    {
        int units = column.first ? kLeftBlockUnits : kPlaceUnits;
        for (int s = column.firstStage; s < stage; ++s)
            units += groupUnits(s, stageCount_);
        return x(column, units);
    }

    int tableRight(const PageColumn& column) const
    {
        return groupStart(column, column.lastStage + 1);
    }

    CellStyle style(TextAlign align, Overflow overflow) const
    {
        return CellStyle{align, f_.headingFont, 2 * u_, overflow, TextVAlign::Centre};
    }

    void drawHeader(const PageColumn& column)
    {
        drawFirstPageHeader(writer_, f_, column.x0, tableRight(column), lines_, "Kategoria  " + input_.categoryDisplayName);
    }

    void drawHead(const PageColumn& column, int y)
    {
        const int bottom = y + kHeadUnits * u_;
        const int band = y + kBandUnits * u_;
        writer_.horizontal(column.x0, tableRight(column), y, f_.thickPen);
        const CellStyle right = style(TextAlign::Right, Overflow::Whole);
        const CellStyle left = style(TextAlign::Left, Overflow::Whole);
        writer_.text({x(column, 0), y, x(column, 10), bottom}, "M. ", right);
        if (column.first) {
            writer_.text({x(column, 10), y, x(column, 20), bottom}, "Nr ", right);
            writer_.text({x(column, 20), y, x(column, 70), bottom}, "Nazwisko i Imi\xEA", left);
            writer_.text({x(column, 70), y, x(column, 121), bottom}, "\x8Crodowisko", left);
        }
        for (int s = column.firstStage; s <= column.lastStage; ++s) {
            int cx = groupStart(column, s);
            const int groupRight = groupStart(column, s + 1);
            writer_.text({cx, y, groupRight, band}, "Etap " + numberText(s), style(TextAlign::Centre, Overflow::Whole));
            writer_.horizontal(cx, groupRight, band, f_.thickPen);
            for (const SubColumn& sub : subColumns(s, stageCount_)) {
                writer_.text({cx, band, cx + sub.units * u_, bottom}, sub.head, right);
                cx += sub.units * u_;
            }
        }
    }

    void drawTeam(const PageColumn& column, const Team& team, int rows, int y)
    {
        const int bottom = y + rows * kMemberRowUnits * u_;
        writer_.horizontal(column.x0, tableRight(column), y + f_.ruleOffset(), f_.thickPen);
        const CellStyle figure = style(TextAlign::Right, Overflow::Whole);
        const ClassificationRow& row = *team.row;
        const StageStanding& last = row.stages[stageCount_];
        writer_.text({x(column, 0), y, x(column, 10), bottom},
                     last.totalPlace == 0 ? std::string() : integerText(last.totalPlace), figure);
        if (column.first) {
            writer_.text({x(column, 10), y, x(column, 20), bottom}, integerText(row.teamNumber), figure);
            const CellStyle text = style(TextAlign::Left, Overflow::Clip);
            for (int m = 0; m < rows; ++m) {
                const int top = y + m * kMemberRowUnits * u_;
                const int rowBottom = top + kMemberRowUnits * u_;
                if (m > 0)
                    writer_.horizontal(x(column, 20), x(column, 121), top, f_.thinPen);
                writer_.text({x(column, 20), top, x(column, 70), rowBottom}, nameOf(team.members[m]), text);
                writer_.text({x(column, 70), top, x(column, 121), rowBottom}, affiliationOf(team.members[m]), text);
            }
        }
        for (int s = column.firstStage; s <= column.lastStage; ++s) {
            int cx = groupStart(column, s);
            for (const SubColumn& sub : subColumns(s, stageCount_)) {
                writer_.text({cx, y, cx + sub.units * u_, bottom}, figureText(row.stages[s], sub.figure), figure);
                cx += sub.units * u_;
            }
        }
    }

    void drawVerticals(const PageColumn& column, int top, int bottom)
    {
        writer_.vertical(x(column, 0), top, bottom, f_.thickPen);
        writer_.vertical(x(column, 10), top, bottom, f_.thickPen);
        if (column.first)
            for (int units : {20, 70, 121})
                writer_.vertical(x(column, units), top, bottom, f_.thickPen);
        const int band = top + kBandUnits * u_;
        for (int s = column.firstStage; s <= column.lastStage; ++s) {
            int cx = groupStart(column, s);
            const std::vector<SubColumn> subs = subColumns(s, stageCount_);
            for (std::size_t i = 0; i + 1 < subs.size(); ++i) {
                cx += subs[i].units * u_;
                writer_.vertical(cx, band, bottom, f_.thinPen);
            }
            writer_.vertical(groupStart(column, s + 1), top, bottom, f_.thickPen);
        }
    }

    const ResultsCategoryInput& input_;
    PageFrame f_;
    int u_;
    int stageCount_;
    PrintPage scratch_;
    PageWriter writer_;
    std::vector<std::string> lines_;
    int headerHeight_ = 0;
};

} // namespace

bool hasPrintableTeams(const ClassificationTable& classification)
{
    if (classification.stageCount < 1 || classification.stageCount > kMaxClassifiedStages)
        return false;
    const int rows = std::clamp(classification.rowCount, 0, kMaxClassificationRows);
    for (int i = 0; i < rows; ++i)
        if (classification.rows[i].stages[classification.stageCount].totalPoints != 0)
            return true;
    return false;
}

bool layOutCategoryResults(PageSequence& document, const ResultsCategoryInput& input, const DeviceMetrics& device,
                           const TextMeasurer& measurer, const AbortFlag& abort)
{
    if (!hasPrintableTeams(*input.classification))
        return !abort.load();
    const int stageCount = input.classification->stageCount;
    const PageFrame frame = resultsFrame(device, stageCount);
    CategoryPages category(input, frame, measurer);
    const std::vector<Team> teams = printableTeams(input);
    std::vector<std::vector<int>> pages;
    if (!category.paginate(teams, abort, pages))
        return false;
    for (const PageColumn& column : pageColumns(frame, stageCount))
        for (std::size_t p = 0; p < pages.size(); ++p) {
            if (abort.load())
                return false;
            category.drawPage(document.newPage(frame), column, p == 0, teams, pages[p]);
        }
    return true;
}

} // namespace trop

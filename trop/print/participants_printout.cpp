#include "trop/print/participants_printout.h"

#include "trop/print/category_folder.h"
#include "trop/print/list_printout_parts.h"
#include "trop/print/store_reading.h"
#include "trop/store/fixed_text.h"
#include "trop/store/header_files.h"
#include "trop/store/messages.h"

#include <algorithm>
#include <vector>

namespace trop {
namespace {

struct Column {
    int from;        // units from left
    int to;          // units from left, or -1 for the right edge
    const char* head;
    TextAlign align;
};

// "Post code town" and, when that says anything, the street.
std::string address(const MemberRecord& member)
{
    std::string text = std::string(fieldText(member.postCode)) + " " + std::string(fieldText(member.town));
    if (text.size() >= 3)
        text += ",  " + std::string(fieldText(member.street));
    return text;
}

class ListPages {
public:
    ListPages(const PageFrame& frame, const TextMeasurer& measurer, PrintFont rowFont, int rowUnits,
              std::vector<Column> columns, int inset)
        : f_(frame), u_(frame.unit), writer_(measurer, scratch_), rowFont_(rowFont), rowUnits_(rowUnits),
          columns_(std::move(columns)), inset_(inset)
    {
    }

    PageRect cell(const Column& column, int top, int bottom) const
    {
        return {f_.x(column.from), top, column.to < 0 ? f_.right : f_.x(column.to), bottom};
    }

    void drawHeads(int top, int bottom, PrintFont font)
    {
        for (const Column& column : columns_)
            writer_.text(cell(column, top, bottom), column.head, style(column.align, font, Overflow::Whole));
    }

    // texts: one per column; a column's text is empty where nothing is shown.
    void drawRow(int top, const std::vector<std::string>& texts)
    {
        for (std::size_t i = 0; i < columns_.size(); ++i) {
            const Overflow overflow = columns_[i].align == TextAlign::Right ? Overflow::Whole : Overflow::Clip;
            writer_.text(cell(columns_[i], top, top + rowUnits_ * u_), texts[i], style(columns_[i].align, rowFont_, overflow));
        }
    }

    void closeTable(int tableTop, int y)
    {
        writer_.horizontal(f_.left, f_.right, y, f_.thickPen);
        writer_.vertical(f_.left, tableTop, y, f_.thickPen);
        for (const Column& column : columns_)
            if (column.from > 0)
                writer_.vertical(f_.x(column.from), tableTop, y, f_.thickPen);
        writer_.vertical(f_.right, tableTop, y, f_.thickPen);
    }

    CellStyle style(TextAlign align, PrintFont font, Overflow overflow) const
    {
        return CellStyle{align, font, inset_, overflow, TextVAlign::Centre};
    }

    PageWriter& writer() { return writer_; }

private:
    const PageFrame& f_;
    int u_;
    PrintPage scratch_;
    PageWriter writer_;
    PrintFont rowFont_;
    int rowUnits_;
    std::vector<Column> columns_;
    int inset_;
};

std::vector<std::string> wideTexts(const MemberRecord& member, bool first)
{
    return {first ? numberText(member.teamNumber) : std::string(),
            memberName(member, "  "),
            std::string(fieldText(member.club)),
            address(member),
            std::string(fieldText(member.entryFee)),
            std::string(fieldText(member.remarks))};
}

std::vector<std::string> narrowTexts(const MemberRecord& member, bool first)
{
    return {first ? numberText(member.teamNumber) : std::string(), memberName(member, "  "), clubAndTown(member)};
}

// Rows of a team that fit below y on a page, one at least.
int visibleRows(int members, int y, int rowHeight, int bodyBottom)
{
    if (y + members * rowHeight <= bodyBottom)
        return members;
    return std::clamp((bodyBottom - y) / rowHeight, 1, members);
}

PrintLayout wideLayout(const MemberTable& members, const std::string& title, const LayoutRequest& request)
{
    PageFrame f = fixedFrame(request.device);
    const DeviceMetrics device = usableMetrics(request.device);
    const int u = f.unit;
    f.left = 2;
    f.right = device.widthPx - 2;
    f.thinPen = 1;
    f.thickPen = 2;
    const PrintFont titleFont{4 * u, true};
    const PrintFont textFont{3 * u, false};
    ListPages list(f, request.measurer, textFont, 4,
                   {{0, 7, "Nr", TextAlign::Right},
                    {7, 45, "Nazwisko i Imi\xEA", TextAlign::Left},
                    {45, 90, "Klub", TextAlign::Left},
                    {90, 177, "Adres", TextAlign::Left},
                    {177, 190, "Wpisowe", TextAlign::Right},
                    {190, -1, "Uwagi", TextAlign::Left}},
                   u);
    PageSequence document;
    const int tableTop = f.top + 8 * u;
    int y = 0;
    bool pageHasTeams = false;
    auto startPage = [&] {
        list.writer().setPage(document.newPage(f));
        list.writer().text({f.left, f.top, f.right, f.top + 6 * u}, title,
                           CellStyle{TextAlign::Left, titleFont, u, Overflow::Clip, TextVAlign::Top});
        list.writer().horizontal(f.left, f.right, tableTop, f.thickPen);
        list.drawHeads(tableTop, tableTop + 5 * u, textFont);
        y = tableTop + 5 * u;
        pageHasTeams = false;
    };
    startPage();
    for (const TeamRun& team : teamRuns(members)) {
        if (request.abort.load())
            return {{}, true};
        if (pageHasTeams && y + 8 * u * team.count > f.bodyBottom) {
            list.closeTable(tableTop, y);
            startPage();
        }
        list.writer().horizontal(f.left, f.right, y, f.thickPen);
        const int rows = visibleRows(team.count, y, 4 * u, f.bodyBottom);
        for (int m = 0; m < rows; ++m) {
            list.drawRow(y, wideTexts(members.records[team.first + m], m == 0));
            y += 4 * u;
            list.writer().horizontal(f.x(7), f.right, y, f.thinPen);
        }
        pageHasTeams = true;
    }
    list.closeTable(tableTop, y);
    return {document.finish(request.measurer, request.dateText), false};
}

PrintLayout narrowLayout(const MemberTable& members, const CompetitionHeader& header, const std::string& title,
                         const LayoutRequest& request)
{
    const PageFrame f = fixedFrame(request.device);
    const int u = f.unit;
    ListPages list(f, request.measurer, f.headingFont, 6,
                   {{0, 13, "Nr", TextAlign::Right},
                    {13, 70, "Nazwisko i Imi\xEA", TextAlign::Left},
                    {70, -1, "\x8Crodowisko", TextAlign::Left}},
                   3 * u);
    const std::vector<std::string> lines =
        nonEmptyLines({fieldText(header.fullName1), fieldText(header.fullName2), fieldText(header.fullName3)});
    PageSequence document;
    int tableTop = 0;
    int y = 0;
    bool pageHasTeams = false;
    auto startPage = [&] {
        tableTop = startListPage(document, list.writer(), f, lines, title);
        list.drawHeads(tableTop, tableTop + 9 * u, f.headingFont);
        y = tableTop + 9 * u;
        pageHasTeams = false;
    };
    startPage();
    for (const TeamRun& team : teamRuns(members)) {
        if (request.abort.load())
            return {{}, true};
        if (pageHasTeams && y + 6 * u * team.count > f.bodyBottom) {
            list.closeTable(tableTop, y + f.ruleOffset());
            startPage();
        }
        list.writer().horizontal(f.left, f.right, y + f.ruleOffset(), f.thickPen);
        const int rows = visibleRows(team.count, y, 6 * u, f.bodyBottom);
        for (int m = 0; m < rows; ++m) {
            list.drawRow(y, narrowTexts(members.records[team.first + m], m == 0));
            y += 6 * u;
            list.writer().horizontal(f.x(13), f.right, y, f.thinPen);
        }
        pageHasTeams = true;
    }
    list.closeTable(tableTop, y + f.ruleOffset());
    return {document.finish(request.measurer, request.dateText), false};
}

} // namespace

ParticipantsPrintout::ParticipantsPrintout(std::filesystem::path categoryFolder, std::string competitionName,
                                           std::string categoryDisplayName)
    : folder_(normalizedFolder(categoryFolder)), competitionName_(std::move(competitionName)),
      displayName_(std::move(categoryDisplayName))
{
}

void ParticipantsPrintout::readHeader()
{
    if (readCompetitionHeader(folder_.parent_path(), header_) != HeaderRead::Ok)
        showMessage(7, "..\\Name.and.date");
}

bool ParticipantsPrintout::loadData()
{
    members_ = std::make_unique<MemberTable>();
    const int count = readMembersOnly(folder_, *members_);
    if (count < 0)
        showMessage(7, kMembersFileName);
    if (count <= 0) {
        members_.reset();
        showMessage(29);
        return false;
    }
    return true;
}

PrintLayout ParticipantsPrintout::layOut(const LayoutRequest& request) const
{
    if (members_ == nullptr || memberCount(*members_) == 0)
        return {};
    const DeviceMetrics device = usableMetrics(request.device);
    const PageFrame frame = fixedFrame(device);
    const bool landscape = device.widthMm >= device.heightMm;
    if (landscape && frame.right - frame.left >= kWideParticipantsUnits * frame.unit)
        return wideLayout(*members_, competitionName_ + "      Kategoria  " + displayName_, request);
    return narrowLayout(*members_, header_, "Kategoria  " + displayName_, request);
}

} // namespace trop

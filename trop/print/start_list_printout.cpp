#include "trop/print/list_printout_parts.h"
#include "trop/print/stage_printouts.h"
#include "trop/print/store_reading.h"
#include "trop/store/fixed_text.h"
#include "trop/store/header_files.h"
#include "trop/store/messages.h"

namespace trop {
namespace {

constexpr const char* kEllipsis = "\x85"; // code page 1250

// The names of the team joined by ",     ", ending with an ellipsis where
// they do not fit into width.
std::string teamNames(const MemberTable* members, int team, int width, const PrintFont& font, const PageWriter& writer)
{
    if (members == nullptr)
        return {};
    std::string text;
    for (const MemberRecord* member : teamMembers(*members, team)) {
        if (!text.empty())
            text += ",     ";
        text += memberName(*member, " ");
    }
    if (writer.textWidth(text, font) <= width)
        return text;
    // The longest beginning that fits with the ellipsis (widths grow with length).
    std::size_t keep = 0;
    std::size_t tooLong = text.size();
    while (tooLong - keep > 1) {
        const std::size_t middle = (keep + tooLong) / 2;
        if (writer.textWidth(text.substr(0, middle) + kEllipsis, font) <= width)
            keep = middle;
        else
            tooLong = middle;
    }
    while (keep > 0 && text[keep - 1] == ' ')
        --keep;
    return text.substr(0, keep) + kEllipsis;
}

} // namespace

void StagePrintout::readHeader()
{
    if (readStageParams(context_.stageFolder, params_) != HeaderRead::Ok)
        showMessage(7, kStageParamsFileName);
}

std::string StagePrintout::title() const
{
    return context_.stageFolderName + "     Kategoria  " + context_.categoryDisplayName;
}

bool StartListPrintout::loadData()
{
    startList_ = std::make_unique<StartList>();
    const int count = readStartListOnly(context_.stageFolder, *startList_);
    if (count < 0)
        showMessage(7, kStartListFileName);
    if (count <= 0) {
        startList_.reset();
        showMessage(27);
        return false;
    }
    return true;
}

PrintLayout StartListPrintout::layOut(const LayoutRequest& request) const
{
    if (startList_ == nullptr)
        return {};
    const PageFrame f = fixedFrame(request.device);
    const int u = f.unit;
    const std::vector<std::string> lines =
        nonEmptyLines({fieldText(params_.name1), fieldText(params_.name2), fieldText(params_.name3)});
    PrintPage scratch;
    PageWriter writer(request.measurer, scratch);
    const CellStyle right{TextAlign::Right, f.headingFont, 3 * u, Overflow::Whole, TextVAlign::Centre};
    CellStyle left = right;
    left.align = TextAlign::Left;
    left.overflow = Overflow::Clip;
    const int rowHeight = 2 + 6 * u;

    PageSequence document;
    int tableTop = 0;
    int y = 0;
    bool pageHasRows = false;
    auto closePage = [&] {
        writer.horizontal(f.left, f.right, y, f.thickPen);
        for (int x : {f.left, f.x(17), f.x(30), f.right})
            writer.vertical(x, tableTop, y, f.thickPen);
    };
    auto startPage = [&] {
        tableTop = startListPage(document, writer, f, lines, title());
        const int headBottom = tableTop + 9 * u;
        writer.text({f.x(0), tableTop, f.x(17), headBottom}, "Czas", right);
        writer.text({f.x(17), tableTop, f.x(30), headBottom}, "Nr", right);
        writer.text({f.x(30), tableTop, f.right, headBottom}, "Zesp\xF3\xB3", left);
        y = headBottom;
        pageHasRows = false;
    };
    startPage();
    const int count = startEntryCount(*startList_);
    const int namesWidth = f.right - f.x(30) - 6 * u;
    for (int i = 0; i < count; ++i) {
        if (request.abort.load())
            return {{}, true};
        if (pageHasRows && y + rowHeight > f.bodyBottom) {
            closePage();
            startPage();
        }
        const StartEntry& entry = startList_->entries[i];
        writer.horizontal(f.left, f.right, y, f.thickPen);
        const int top = y + 2;
        const int bottom = top + 6 * u;
        writer.text({f.x(0), top, f.x(17), bottom}, numberText(entry.startTime), right);
        if (entry.team > 0) {
            writer.text({f.x(17), top, f.x(30), bottom}, numberText(entry.team), right);
            writer.text({f.x(30), top, f.right, bottom},
                        teamNames(context_.members, entry.team, namesWidth, f.headingFont, writer), left);
        }
        y += rowHeight;
        pageHasRows = true;
    }
    closePage();
    return {document.finish(request.measurer, request.dateText), false};
}

} // namespace trop
